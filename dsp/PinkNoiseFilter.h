#pragma once

#include "Float4.h"

/** A refined pink-noise filter (six one-pole sections plus a direct and a one-sample-delayed
    white term), run on four lanes at once.
*/
struct PinkNoiseFilter
{
    float4 b0, b1, b2, b3, b4, b5, b6;

    void reset() noexcept    { b0 = b1 = b2 = b3 = b4 = b5 = b6 = float4(); }

    /** Takes one white sample per lane and returns the pink one. */
    float4 process (float4 white) noexcept
    {
        b0 = b0 * 0.99886f + white * 0.0555179f;
        b1 = b1 * 0.99332f + white * 0.0750759f;
        b2 = b2 * 0.969f + white * 0.153852f;
        b3 = b3 * 0.8665f + white * 0.3104856f;
        b4 = b4 * 0.55f + white * 0.5329522f;
        b5 = b5 * -0.7616f - white * 0.016898f;

        const auto pink = (b0 + b1 + b2 + b3 + b4 + b5 + b6 + white * 0.5362f) * 0.1707f;
        b6 = white * 0.115926f;
        return pink;
    }
};
