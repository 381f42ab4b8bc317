#pragma once

#include <cstdint>
#include <cstring>

//==============================================================================
/**
    Four single-precision floats processed together.

    The tape chain runs four filters, four bands or a four-lane frame per operation, so
    every value it carries per sample is one of these. The type is built on the compilers'
    own vector extension: it becomes one SSE register on x86-64 and one NEON register on
    ARM, without any platform header. Arithmetic reads like scalar code; a scalar operand
    is broadcast to all four lanes.

    Comparisons return a float4::Mask (all bits set in a lane where the comparison holds),
    which select() uses to pick lanes.

    The maths functions further down (exp, log, sin, cos, tan, sqrt...) work lane by lane
    and are accurate to single precision over the ranges the signal chain uses.
*/
struct float4
{
    using Native     = float         __attribute__ ((vector_size (16)));
    using NativeInt  = std::int32_t  __attribute__ ((vector_size (16)));
    using NativeBits = std::uint32_t __attribute__ ((vector_size (16)));

    /** The result of a lane-wise comparison: all bits set in lanes where it holds, 0 elsewhere. */
    struct Mask
    {
        NativeBits bits;

        Mask operator& (Mask other) const noexcept  { return { bits & other.bits }; }
        Mask operator| (Mask other) const noexcept  { return { bits | other.bits }; }
        Mask operator^ (Mask other) const noexcept  { return { bits ^ other.bits }; }
        Mask operator~() const noexcept             { return { ~bits }; }

        /** True when the comparison holds in this lane (0..3). */
        bool operator[] (int lane) const noexcept   { return bits[lane] != 0; }

        /** One bit per lane, lane 0 in bit 0, set where the comparison holds. */
        int laneBits() const noexcept
        {
           #if defined (__SSE__)
            // A comparison sets every bit of a lane or none, so the sign bits say it all.
            return __builtin_ia32_movmskps (__builtin_bit_cast (Native, bits));
           #else
            return (bits[0] != 0 ? 1 : 0) | (bits[1] != 0 ? 2 : 0) | (bits[2] != 0 ? 4 : 0) | (bits[3] != 0 ? 8 : 0);
           #endif
        }

        /** True when the comparison holds in at least one lane. */
        bool any() const noexcept   { return laneBits() != 0; }

        /** True when the comparison holds in all four lanes. */
        bool all() const noexcept   { return laneBits() == 15; }
    };

    Native v;

    //==============================================================================
    /** All four lanes zero. */
    constexpr float4() noexcept : v { 0.0f, 0.0f, 0.0f, 0.0f } {}

    /** The same value in all four lanes. */
    constexpr float4 (float value) noexcept : v { value, value, value, value } {}

    /** Four lanes, lane 0 first. */
    constexpr float4 (float lane0, float lane1, float lane2, float lane3) noexcept
        : v { lane0, lane1, lane2, lane3 } {}

    /** Wraps a native vector. */
    static constexpr float4 fromNative (Native native) noexcept    { float4 r; r.v = native; return r; }

    /** Four lanes made from raw bits. */
    static float4 fromBits (NativeBits laneBits) noexcept    { return fromNative (__builtin_bit_cast (Native, laneBits)); }

    /** Reads four consecutive floats; the source needs no particular alignment. */
    static float4 load (const float* source) noexcept
    {
        float4 r;
        std::memcpy (&r.v, source, sizeof (r.v));
        return r;
    }

    /** Writes the four lanes to four consecutive floats; no alignment needed. */
    void store (float* destination) const noexcept    { std::memcpy (destination, &v, sizeof (v)); }

    //==============================================================================
    /** Reads one lane (0..3). */
    float operator[] (int lane) const noexcept        { return v[lane]; }

    /** Reads one lane (0..3). */
    float get (int lane) const noexcept               { return v[lane]; }

    /** Writes one lane (0..3). */
    void set (int lane, float value) noexcept         { v[lane] = value; }

    /** A copy with one lane replaced. */
    float4 withLane (int lane, float value) const noexcept   { float4 r (*this); r.v[lane] = value; return r; }

    /** The raw bits of the four lanes. */
    NativeBits bits() const noexcept                  { return __builtin_bit_cast (NativeBits, v); }

    //==============================================================================
    float4 operator-() const noexcept                 { return fromNative (-v); }
    float4 operator+() const noexcept                 { return *this; }

    float4& operator+= (float4 other) noexcept        { v += other.v; return *this; }
    float4& operator-= (float4 other) noexcept        { v -= other.v; return *this; }
    float4& operator*= (float4 other) noexcept        { v *= other.v; return *this; }
    float4& operator/= (float4 other) noexcept        { v /= other.v; return *this; }

    friend float4 operator+ (float4 a, float4 b) noexcept   { return fromNative (a.v + b.v); }
    friend float4 operator- (float4 a, float4 b) noexcept   { return fromNative (a.v - b.v); }
    friend float4 operator* (float4 a, float4 b) noexcept   { return fromNative (a.v * b.v); }
    friend float4 operator/ (float4 a, float4 b) noexcept   { return fromNative (a.v / b.v); }

    friend float4 operator+ (float4 a, float b) noexcept    { return a + float4 (b); }
    friend float4 operator- (float4 a, float b) noexcept    { return a - float4 (b); }
    friend float4 operator* (float4 a, float b) noexcept    { return a * float4 (b); }
    friend float4 operator/ (float4 a, float b) noexcept    { return a / float4 (b); }

    friend float4 operator+ (float a, float4 b) noexcept    { return float4 (a) + b; }
    friend float4 operator- (float a, float4 b) noexcept    { return float4 (a) - b; }
    friend float4 operator* (float a, float4 b) noexcept    { return float4 (a) * b; }
    friend float4 operator/ (float a, float4 b) noexcept    { return float4 (a) / b; }

    //==============================================================================
    // Lane-wise comparisons. As with scalars, every comparison with a NaN is false except !=.
    friend Mask operator<  (float4 a, float4 b) noexcept    { return makeMask (a.v <  b.v); }
    friend Mask operator<= (float4 a, float4 b) noexcept    { return makeMask (a.v <= b.v); }
    friend Mask operator>  (float4 a, float4 b) noexcept    { return makeMask (a.v >  b.v); }
    friend Mask operator>= (float4 a, float4 b) noexcept    { return makeMask (a.v >= b.v); }
    friend Mask operator== (float4 a, float4 b) noexcept    { return makeMask (a.v == b.v); }
    friend Mask operator!= (float4 a, float4 b) noexcept    { return makeMask (a.v != b.v); }

private:
    static Mask makeMask (NativeInt comparison) noexcept     { return { __builtin_bit_cast (NativeBits, comparison) }; }
};

//==============================================================================
/** Picks each lane from a where the mask is set, else from b. */
inline float4 select (float4::Mask mask, float4 a, float4 b) noexcept
{
    return float4::fromBits ((mask.bits & a.bits()) | (~mask.bits & b.bits()));
}

// Written as comparisons so that they become single min/max instructions, which return their
// second operand (here a) when a NaN is involved.

/** Lane-wise minimum; where a lane of either is NaN the lane of a is returned. */
inline float4 min (float4 a, float4 b) noexcept     { return float4::fromNative (b.v < a.v ? b.v : a.v); }

/** Lane-wise maximum; where a lane of either is NaN the lane of a is returned. */
inline float4 max (float4 a, float4 b) noexcept     { return float4::fromNative (a.v < b.v ? b.v : a.v); }

/** Each lane limited to [lo, hi]; a NaN lane stays NaN. */
inline float4 clamp (float4 x, float4 lo, float4 hi) noexcept    { return min (max (x, lo), hi); }

/** Lane-wise magnitude (the sign bit cleared). */
inline float4 abs (float4 x) noexcept               { return float4::fromBits (x.bits() & 0x7fffffffu); }

/** The magnitude of a with the sign of b, lane by lane. */
inline float4 copySign (float4 a, float4 b) noexcept
{
    return float4::fromBits ((a.bits() & 0x7fffffffu) | (b.bits() & 0x80000000u));
}

/** Lane-wise square root, correctly rounded. */
inline float4 sqrt (float4 x) noexcept
{
    return { __builtin_sqrtf (x[0]), __builtin_sqrtf (x[1]), __builtin_sqrtf (x[2]), __builtin_sqrtf (x[3]) };
}

/** Lanes picked from a by index: shuffle<3, 2, 1, 0> (x) reverses x. */
template <int i0, int i1, int i2, int i3>
inline float4 shuffle (float4 a) noexcept
{
    return float4::fromNative (__builtin_shufflevector (a.v, a.v, i0, i1, i2, i3));
}

/** Lanes picked from the eight lanes of a (0..3) and b (4..7). */
template <int i0, int i1, int i2, int i3>
inline float4 shuffle (float4 a, float4 b) noexcept
{
    return float4::fromNative (__builtin_shufflevector (a.v, b.v, i0, i1, i2, i3));
}

/** { a[1], a[2], a[3], x }: the lanes move down one place and x enters at the top. */
inline float4 shiftDownAndInsert (float4 a, float x) noexcept
{
    // x into lane 0, then a rotation: two instructions, where the two-vector shuffle becomes seven.
    return shuffle<1, 2, 3, 0> (a.withLane (0, x));
}

/** The sum of the four lanes, added as (lane 0 + lane 2) + (lane 1 + lane 3). */
inline float sumLanes (float4 x) noexcept
{
    return (x[0] + x[2]) + (x[1] + x[3]);
}

//==============================================================================
namespace float4Detail
{
    // Adding 1.5 × 2^23 leaves a float's nearest whole number in the low mantissa bits: it
    // rounds without a float-to-int conversion, so NaN or huge lanes give no undefined result.
    constexpr float roundingMagic = 12582912.0f;
    constexpr std::uint32_t roundingMagicBits = 0x4b400000u;

    /** Each lane rounded to the nearest whole number (ties to even); exact for |x| < 2^22. */
    inline float4 roundSmall (float4 x) noexcept     { return (x + roundingMagic) - roundingMagic; }

    /** The same whole numbers as two's-complement bits (unsigned, so that nothing can overflow). */
    inline float4::NativeBits roundSmallToBits (float4 x) noexcept
    {
        return (x + roundingMagic).bits() - roundingMagicBits;
    }

    /** Half of a whole number, rounded toward −infinity. */
    inline float4::NativeBits halve (float4::NativeBits n) noexcept
    {
        return __builtin_bit_cast (float4::NativeBits, __builtin_bit_cast (float4::NativeInt, n) >> 1);
    }

}

/** The largest magnitude exp() accepts before its result would leave the float range. */
constexpr float float4ExpLimit = 88.37626f;

/** ln 10 / 20: exp (dB × this) turns decibels into a linear gain. */
constexpr float float4DecibelsToExponent = 0.115129255f;

namespace float4Detail
{
    /** The constants of exp() and log(). They live in memory, defined out of line, so that each
        is read as an instruction's operand; a literal would be rebuilt in a register as a
        broadcast on every use, which in these two functions nearly doubles the instruction count.
    */
    struct MathConstants
    {
        float4 expLowest, expHighest, log2e, ln2High, ln2Low, roundingMagic, one, half;
        float4 exp0, exp1, exp2, exp3, exp4, exp5;
        float4 smallestNormal, subnormalScale, subnormalExponent;
        float4 log0, log1, log2, log3, log4, log5, log6, log7, log8;
        float4 zero, infinity, notANumber;
        float4::NativeBits roundingMagicBits, exponentOffset, sqrtHalfBits;
    };

    extern const MathConstants mathConstants;
}

/** Natural exponential, lane by lane.

    The argument is clamped to ±88.37626 first, so every number gives a finite, positive
    result (about 4.1e-39 up to 2.4e38; the smallest are subnormal); NaN stays NaN.
    Reduction by ln 2 in two parts and a degree-5 polynomial; within 2 ulp of the exact value.
*/
inline float4 exp (float4 x) noexcept
{
    const auto& k = float4Detail::mathConstants;

    x = clamp (x, k.expLowest, k.expHighest);

    // x = n·ln2 + r with |r| <= ln2 / 2; ln2 in two parts keeps r exact. n is rounded with the
    // 1.5 × 2^23 trick, which leaves it in the low mantissa bits without a float-to-int conversion.
    const auto shifted = x * k.log2e + k.roundingMagic;
    const auto n = shifted - k.roundingMagic;
    const auto r = (x - n * k.ln2High) - n * k.ln2Low;

    // The degree-5 polynomial in Estrin's order: shorter dependency chains than Horner's,
    // which matters because the compressor's level → gain path waits on every step.
    const auto r2 = r * r;
    const auto p01 = r * k.exp1 + k.exp0;
    const auto p23 = r * k.exp3 + k.exp2;
    const auto p45 = r * k.exp5 + k.exp4;
    const auto p = (p01 + r2 * p23) + (r2 * r2) * p45;
    const auto y = (p * r2 + r) + k.one;

    // 2^n as two factors, so that n = 128 at the top and the subnormal results at the bottom are exact.
    const auto whole = shifted.bits() - k.roundingMagicBits;
    const auto firstHalf = float4Detail::halve (whole);
    return (y * float4::fromBits ((firstHalf + k.exponentOffset) << 23))
             * float4::fromBits (((whole - firstHalf) + k.exponentOffset) << 23);
}

/** 10^(dB / 20), lane by lane: a level in decibels as a linear gain. */
inline float4 decibelsToGain (float4 decibels) noexcept
{
    return exp (decibels * float4DecibelsToExponent);
}

namespace float4Detail
{
    /** The logarithm of positive, finite lanes that are normal numbers, with extra added to the
        exponent found: the part of log() that every lane goes through.
    */
    template <bool addExtraExponent>
    inline float4 logCore (float4 x, float4 extraExponent) noexcept
    {
        const auto& k = mathConstants;

        // x = m · 2^e with m in [√½, √2): taking the bits of √½ off moves the exponent field
        // down by one exactly where the mantissa lies below √½, and the mantissa is what is
        // left after the exponent found is taken off again.
        const auto offset = x.bits() - k.sqrtHalfBits;
        const auto exponent = __builtin_bit_cast (float4::NativeInt, offset) >> 23;
        const auto m = float4::fromBits (x.bits() - (__builtin_bit_cast (float4::NativeBits, exponent) << 23));
        auto e = float4::fromNative (__builtin_convertvector (exponent, float4::Native));

        if constexpr (addExtraExponent)
            e = e + extraExponent;

        const auto t = m - k.one;

        // The degree-8 polynomial in Estrin's order (see exp).
        const auto z = t * t;
        const auto z2 = z * z;
        const auto q0 = t * k.log1 + k.log0;
        const auto q1 = t * k.log3 + k.log2;
        const auto q2 = t * k.log5 + k.log4;
        const auto q3 = t * k.log7 + k.log6;
        const auto p = ((q0 + z * q1) + z2 * (q2 + z * q3)) + (z2 * z2) * k.log8;

        auto y = p * t * z;
        y = y + e * k.ln2Low;
        y = y - z * k.half;
        return (t + y) + e * k.ln2High;
    }
}

/** Natural logarithm of lanes that are all normal, positive and finite (1.17549435e-38 up to
    the largest float): log() without its checks for the edges of the domain, and the same results.
*/
inline float4 logOfNormal (float4 x) noexcept
{
    return float4Detail::logCore<false> (x, {});
}

/** True in the lanes that logOfNormal() accepts. */
inline float4::Mask isNormalPositive (float4 x) noexcept
{
    const auto& k = float4Detail::mathConstants;
    return (x >= k.smallestNormal) & (x < k.infinity);
}

/** Natural logarithm, lane by lane.

    0 gives −infinity, a negative number or NaN gives NaN, +infinity gives +infinity;
    subnormal numbers are handled. Mantissa and exponent split with the √½ adjustment and a
    degree-8 polynomial; within 2 ulp of the exact value.
*/
inline float4 log (float4 x) noexcept
{
    const auto& k = float4Detail::mathConstants;
    const auto input = x;
    float4 result;

    // Subnormals: scale by 2^25 so the exponent field means something, and take 25 off again.
    // They are rare (and zero under flush-to-zero), so they take a branch of their own.
    const auto subnormal = x < k.smallestNormal;

    if (__builtin_expect (subnormal.any(), 0))
        result = float4Detail::logCore<true> (select (subnormal, x * k.subnormalScale, x),
                                              select (subnormal, k.subnormalExponent, k.zero));
    else
        result = float4Detail::logCore<false> (x, {});

    // The edges of the domain: 0, infinity, negative numbers and NaN.
    const auto edge = ~(input > k.zero) | (input == k.infinity);

    if (__builtin_expect (edge.any(), 0))
    {
        result = select (input == k.zero, -k.infinity, result);
        result = select (input == k.infinity, k.infinity, result);
        result = select ((input < k.zero) | (input != input), k.notANumber, result);
    }

    return result;
}

/** Sine and cosine of each lane together.

    Reduction by multiples of π/4 with π/4 in three parts, then the odd sine and even cosine
    polynomials on [−π/4, π/4]; within a few ulp for |x| up to about 8192. Larger arguments
    give results that lose precision but stay within [−1, 1]; NaN gives NaN.
*/
inline void sinCos (float4 x, float4& sine, float4& cosine) noexcept
{
    using namespace float4Detail;

    const auto sineSign = x.bits() & 0x80000000u;
    x = abs (x);

    // Octant pair j (even) nearest to x·4/π, and x reduced by j·π/4.
    const auto half = x * 0.636619772367581343f;           // x·4/π / 2
    const auto q = roundSmall (half);
    const auto j = q + q;
    const auto quadrant = roundSmallToBits (half);

    x = ((x - j * 0.78515625f) - j * 2.4187564849853515625e-4f) - j * 3.77489497744594108e-8f;

    const auto z = x * x;

    auto c = float4 (2.443315711809948e-5f);
    c = c * z - 1.388731625493765e-3f;
    c = c * z + 4.166664568298827e-2f;
    c = ((c * z) * z - z * 0.5f) + 1.0f;

    auto s = float4 (-1.9515295891e-4f);
    s = s * z + 8.3321608736e-3f;
    s = s * z - 1.6666654611e-1f;
    s = (s * z) * x + x;

    // Quadrant 1 and 3 swap the polynomials; the signs follow the quadrant.
    const float4::Mask swap { float4::NativeBits {} - (quadrant & 1u) };
    const auto sinPart = select (swap, c, s);
    const auto cosPart = select (swap, s, c);

    const auto sineFlip = ((quadrant & 2u) << 30) ^ sineSign;
    const auto cosineFlip = ((quadrant + 1u) & 2u) << 30;

    sine = float4::fromBits (sinPart.bits() ^ sineFlip);
    cosine = float4::fromBits (cosPart.bits() ^ cosineFlip);
}

/** Sine, lane by lane (see sinCos). */
inline float4 sin (float4 x) noexcept
{
    float4 s, c;
    sinCos (x, s, c);
    return s;
}

/** Cosine, lane by lane (see sinCos). */
inline float4 cos (float4 x) noexcept
{
    float4 s, c;
    sinCos (x, s, c);
    return c;
}

/** Tangent, lane by lane, as the quotient of sine and cosine. */
inline float4 tan (float4 x) noexcept
{
    float4 s, c;
    sinCos (x, s, c);
    return s / c;
}
