#include "Float4.h"

#include <limits>

namespace
{
    constexpr float4::NativeBits allLanes (std::uint32_t value) noexcept    { return float4::NativeBits { value, value, value, value }; }
}

// Cephes single-precision coefficients; ln 2 split so that n · ln2High is exact.
// constexpr makes sure the table is filled at compile time, before any static initialiser that
// might already call exp() or log().
constexpr float4Detail::MathConstants float4Detail::mathConstants
{
    float4 (-float4ExpLimit), float4 (float4ExpLimit),
    float4 (1.44269504088896341f), float4 (0.693359375f), float4 (-2.12194440e-4f),
    float4 (12582912.0f), float4 (1.0f), float4 (0.5f),

    float4 (5.0000001201e-1f), float4 (1.6666665459e-1f), float4 (4.1665795894e-2f),
    float4 (8.3334519073e-3f), float4 (1.3981999507e-3f), float4 (1.9875691500e-4f),

    float4 (1.17549435e-38f), float4 (33554432.0f), float4 (-25.0f),

    float4 (3.3333331174e-1f), float4 (-2.4999993993e-1f), float4 (2.0000714765e-1f),
    float4 (-1.6668057665e-1f), float4 (1.4249322787e-1f), float4 (-1.2420140846e-1f),
    float4 (1.1676998740e-1f), float4 (-1.1514610310e-1f), float4 (7.0376836292e-2f),

    float4 (0.0f), float4 (std::numeric_limits<float>::infinity()), float4 (std::numeric_limits<float>::quiet_NaN()),

    allLanes (0x4b400000u), allLanes (127u), allLanes (0x3f3504f3u)   // the last: the bits of √½ in single precision
};
