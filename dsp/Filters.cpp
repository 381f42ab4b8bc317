#include "Filters.h"

#include <algorithm>
#include <cmath>

namespace
{
    constexpr float pi = 3.14159265f;
    constexpr float twoPi = 6.28318531f;
    constexpr float sqrtTwo = 1.41421356f;

    // Designs stay finite and stable for any frequency the caller passes: a frequency at or
    // above half the rate would turn the bilinear transform's K negative, and 0 Hz would put
    // a double pole on the unit circle.
    constexpr float lowestFrequencyRatio  = 1.0e-4f;
    constexpr float highestFrequencyRatio = 0.499f;

    // Gains (±60 dB) and Qs well beyond anything the chain asks for, within which no pole of a
    // design comes so close to 1 that float rounding puts it on the unit circle.
    constexpr float lowestGain = 1.0e-3f, highestGain = 1.0e3f;
    constexpr float lowestQ = 0.05f;

    float4 safeFrequency (float4 frequency, float4 sampleRate) noexcept
    {
        // max() with the limit first turns a NaN frequency into the limit.
        return min (max (sampleRate * lowestFrequencyRatio, frequency), sampleRate * highestFrequencyRatio);
    }

    /** { a[0], b[1], c[2], d[3] }. */
    float4 pickLanes (float4 a, float4 b, float4 c, float4 d) noexcept
    {
        return shuffle<0, 1, 6, 7> (shuffle<0, 5, 2, 3> (a, b), shuffle<0, 1, 2, 7> (c, d));
    }

    BiquadCoeffs4 pickLanes (const BiquadCoeffs4& a, const BiquadCoeffs4& b,
                             const BiquadCoeffs4& c, const BiquadCoeffs4& d) noexcept
    {
        return { pickLanes (a.b0, b.b0, c.b0, d.b0),
                 pickLanes (a.b1, b.b1, c.b1, d.b1),
                 pickLanes (a.b2, b.b2, c.b2, d.b2),
                 pickLanes (a.a1, b.a1, c.a1, d.a1),
                 pickLanes (a.a2, b.a2, c.a2, d.a2) };
    }

    struct ShelfTerms
    {
        float4 A, plus, minus, cw, twoSqrtAAlpha;
    };

    // Every coefficient is divided by a0 rather than multiplied by its reciprocal, so that a
    // unity design (A = 1) comes out exactly as b0 = 1, b1 = a1, b2 = a2 and passes its input bit for bit.
    BiquadCoeffs4 lowShelf (const ShelfTerms& t) noexcept
    {
        const auto a0 = (t.plus + t.minus * t.cw) + t.twoSqrtAAlpha;
        return { t.A * ((t.plus - t.minus * t.cw) + t.twoSqrtAAlpha) / a0,
                 2.0f * t.A * (t.minus - t.plus * t.cw) / a0,
                 t.A * ((t.plus - t.minus * t.cw) - t.twoSqrtAAlpha) / a0,
                 -2.0f * (t.minus + t.plus * t.cw) / a0,
                 ((t.plus + t.minus * t.cw) - t.twoSqrtAAlpha) / a0 };
    }

    BiquadCoeffs4 highShelf (const ShelfTerms& t) noexcept
    {
        const auto a0 = (t.plus - t.minus * t.cw) + t.twoSqrtAAlpha;
        return { t.A * ((t.plus + t.minus * t.cw) + t.twoSqrtAAlpha) / a0,
                 -2.0f * t.A * (t.minus + t.plus * t.cw) / a0,
                 t.A * ((t.plus + t.minus * t.cw) - t.twoSqrtAAlpha) / a0,
                 2.0f * (t.minus - t.plus * t.cw) / a0,
                 ((t.plus - t.minus * t.cw) - t.twoSqrtAAlpha) / a0 };
    }
}

//==============================================================================
BiquadCoeffs4 designBiquadBank4 (float4 sampleRate, float4 frequency, float4 q,
                                 int laneTwoFlag, int laneThreeFlag, float4 gain) noexcept
{
    const auto f = safeFrequency (frequency, sampleRate);
    const auto filterQ = max (float4 (lowestQ), q);

    // A flagged lane is a shelf with A and Q at 1, which reduces to b0 = 1, b1 = a1, b2 = a2.
    const auto unityLanes = float4 (0.0f, 0.0f, laneTwoFlag != 0 ? 1.0f : 0.0f, laneThreeFlag != 0 ? 1.0f : 0.0f);
    const auto unity = unityLanes > float4 (0.0f);

    // A gain of 0 would leave the low shelf's a0 = 1 − cos ω, which rounds to 0 at low frequencies.
    const auto shelfGain = min (max (float4 (lowestGain), gain), float4 (highestGain));
    const auto A = select (unity, float4 (1.0f), sqrt (shelfGain));
    const auto shelfQ = select (unity, float4 (1.0f), filterQ);

    const auto omega = (twoPi * f) / sampleRate;
    float4 sw, cw;
    sinCos (omega, sw, cw);

    const ShelfTerms terms { A, A + 1.0f, A - 1.0f, cw, sqrt (A) * sw / shelfQ };
    const auto low = lowShelf (terms);
    const auto high = highShelf (terms);

    // The pass filters by the bilinear transform.
    const auto K = tan ((pi * f) / sampleRate);
    const auto K2 = K * K;
    const auto KoverQ = K / filterQ;
    const auto inverse = 1.0f / ((K2 + KoverQ) + 1.0f);
    const auto a1 = 2.0f * (K2 - 1.0f) * inverse;
    const auto a2 = ((K2 - KoverQ) + 1.0f) * inverse;

    const BiquadCoeffs4 highPass { inverse, -2.0f * inverse, inverse, a1, a2 };
    const BiquadCoeffs4 lowPass { K2 * inverse, 2.0f * K2 * inverse, K2 * inverse, a1, a2 };

    return pickLanes (low, high,
                      laneTwoFlag != 0 ? high : highPass,
                      laneThreeFlag != 0 ? low : lowPass);
}

BiquadCoeffs4 designPeakingBank4 (float frequency, float gain, float sampleRate) noexcept
{
    constexpr float q = 0.6f;

    const auto rate = float4 (sampleRate);
    const auto f = safeFrequency (float4 (frequency), rate);
    const auto omega = (twoPi * f) * (1.0f / rate);

    float4 sw, cw;
    sinCos (omega, sw, cw);
    const auto alpha = sw / (2.0f * q);

    const auto wetGain = std::isnan (gain) ? 1.0f : std::min (std::max (gain, lowestGain), highestGain);
    const auto A = float4 (std::sqrt (wetGain), std::sqrt (wetGain), 1.0f, 1.0f);

    // Divided by a0, not multiplied by its reciprocal, so that gain 1 is exactly unity.
    const auto alphaOverA = alpha / A;
    const auto a0 = 1.0f + alphaOverA;
    const auto b1 = (-2.0f * cw) / a0;

    return { (1.0f + alpha * A) / a0,
             b1,
             (1.0f - alpha * A) / a0,
             b1,
             (1.0f - alphaOverA) / a0 };
}

//==============================================================================
void ButterworthStage4::design (float4 newFrequency, bool lowPass) noexcept
{
    frequency = newFrequency;

    const auto K = tan ((pi * safeFrequency (newFrequency, sampleRate)) / sampleRate);
    const auto K2 = K * K;
    const auto inverse = 1.0f / ((K2 + sqrtTwo * K) + 1.0f);

    a1 = 2.0f * (1.0f - K2) * inverse;
    a2 = -((K2 - sqrtTwo * K) + 1.0f) * inverse;
    gain = lowPass ? K2 * inverse : inverse;
    b1Factor = float4 (lowPass ? 2.0f : -2.0f);
}

void ButterworthStage4::designLowPass (float4 newFrequency) noexcept     { design (newFrequency, true); }
void ButterworthStage4::designHighPass (float4 newFrequency) noexcept    { design (newFrequency, false); }

//==============================================================================
void CrossoverSection4::designLowPass (float4 frequency) noexcept
{
    type = CrossoverType::LowPass;
    stages[0].designLowPass (frequency);
    stages[1].designLowPass (frequency);
}

void CrossoverSection4::designHighPass (float4 frequency) noexcept
{
    type = CrossoverType::HighPass;
    stages[2].designHighPass (frequency);
    stages[3].designHighPass (frequency);
}

void CrossoverSection4::designAllPass (float4 frequency) noexcept
{
    type = CrossoverType::AllPass;
    stages[0].designLowPass (frequency);
    stages[1].designLowPass (frequency);
    stages[2].designHighPass (frequency);
    stages[3].designHighPass (frequency);
}

//==============================================================================
void designFourBandSplit (CrossoverSection4 (&sections)[9], float sampleRate,
                          float4 low, float4 middle, float4 high) noexcept
{
    for (auto& section : sections)
        for (auto& stage : section.stages)
            stage.sampleRate = float4 (sampleRate);

    sections[0].designLowPass (low);
    sections[1].designAllPass (middle);
    sections[2].designAllPass (high);
    sections[3].designHighPass (low);
    sections[4].designLowPass (middle);
    sections[5].designAllPass (high);
    sections[6].designHighPass (middle);
    sections[7].designLowPass (high);
    sections[8].designHighPass (high);
}
