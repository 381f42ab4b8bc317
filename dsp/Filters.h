#pragma once

#include "Float4.h"

#include <cstdint>

/** Runs a block of samples through a filter in place, exactly as calling its process() on each
    sample in turn, but on a local copy so that its states stay in registers for the block.
*/
template <typename Filter>
void processBlockInPlace (Filter& filter, float4* samples, int numSamples) noexcept
{
    auto copy = filter;

    for (int i = 0; i < numSamples; ++i)
        samples[i] = copy.process (samples[i]);

    filter = copy;
}

//==============================================================================
/**
    The coefficients of four second-order sections, one per lane, normalised so that a0 = 1:

        y[n] = b0·x[n] + b1·x[n−1] + b2·x[n−2] − a1·y[n−1] − a2·y[n−2]

    A default-constructed set passes every lane unchanged.
*/
struct BiquadCoeffs4
{
    float4 b0 { 1.0f }, b1, b2;
    float4 a1, a2;
};

//==============================================================================
/**
    Four second-order filters run together, one per lane, in transposed direct form II.

    A redesign replaces coeffs only: the states carry on, so a filter whose coefficients
    move while a signal runs keeps going without a reset (and without a cross-fade).
*/
struct BiquadBank4
{
    BiquadCoeffs4 coeffs;
    float4 s1, s2;

    /** One sample through the four filters. */
    float4 process (float4 x) noexcept
    {
        const auto y = coeffs.b0 * x + s1;
        s1 = (coeffs.b1 * x - coeffs.a1 * y) + s2;
        s2 = coeffs.b2 * x - coeffs.a2 * y;
        return y;
    }

    /** A block of samples through the four filters, in place (see processBlockInPlace). */
    void process (float4* samples, int numSamples) noexcept    { processBlockInPlace (*this, samples, numSamples); }

    /** Clears the two state vectors; the coefficients stay. */
    void reset() noexcept      { s1 = s2 = float4(); }
};

//==============================================================================
/** Designs four different filters, one per lane, from per-lane frequency, Q and linear gain:

    - lane 0: low shelf (gain g below the frequency);
    - lane 1: high shelf (gain g above the frequency);
    - lane 2: high-pass, or with laneTwoFlag set a filter that passes its input unchanged;
    - lane 3: low-pass, or with laneThreeFlag set a filter that passes its input unchanged.

    The gains of lanes 2 and 3 are not used; their Q only when their flag is 0. So that every
    design stays finite and stable, frequencies are kept within 0.0001 to 0.499 times the rate,
    Q at 0.05 or more, and the shelf gains within 10^±3 (±60 dB), a NaN gain counting as the
    lowest.
*/
BiquadCoeffs4 designBiquadBank4 (float4 sampleRate, float4 frequency, float4 q,
                                 int laneTwoFlag, int laneThreeFlag, float4 gain) noexcept;

/** A peaking filter of Q 0.6 with the linear centre gain on lanes 0 and 1 (the wet lanes of a
    frame) and unity on lanes 2 and 3 (the dry lanes). Gain 1 gives a unity filter. So that the
    design stays stable in floats, the gain is limited to 10^±3 (±60 dB), a NaN gain counting as
    1, and the frequency to 0.0001 to 0.499 times the rate.
*/
BiquadCoeffs4 designPeakingBank4 (float frequency, float gain, float sampleRate) noexcept;

//==============================================================================
/**
    One second-order Butterworth section in four lanes, in direct form II.

    The feedback coefficients are stored negated so that they are added, and the numerator
    is {1, ±2, 1} scaled by gain. sampleRate must be set before a design.
*/
struct ButterworthStage4
{
    float4 state[3];            // w[n], w[n−1], w[n−2]
    float4 a1, a2;              // negated feedback coefficients
    float4 gain;                // K²/a0 (low-pass) or 1/a0 (high-pass)
    float4 b1Factor;            // +2 (low-pass) or −2 (high-pass)
    float4 sampleRate { 44100.0f };
    float4 frequency;

    /** Designs a low-pass at the given frequency (Hz, per lane). */
    void designLowPass (float4 newFrequency) noexcept;

    /** Designs a high-pass at the given frequency (Hz, per lane). */
    void designHighPass (float4 newFrequency) noexcept;

    /** One sample through the four filters. */
    float4 process (float4 x) noexcept
    {
        const auto w = (x + a1 * state[1]) + a2 * state[2];
        state[0] = w;
        const auto y = gain * ((w + b1Factor * state[1]) + state[2]);
        state[2] = state[1];
        state[1] = state[0];
        return y;
    }

    /** A block of samples through the four filters, in place (see processBlockInPlace). */
    void process (float4* samples, int numSamples) noexcept    { processBlockInPlace (*this, samples, numSamples); }

    /** Clears the three state vectors; the design stays. */
    void reset() noexcept      { state[0] = state[1] = state[2] = float4(); }

private:
    void design (float4 newFrequency, bool lowPass) noexcept;
};

//==============================================================================
enum class CrossoverType : std::uint8_t
{
    LowPass  = 0,
    HighPass = 1,
    AllPass  = 2
};

/**
    A fourth-order Linkwitz-Riley crossover filter in four lanes: a low-pass (two cascaded
    Butterworth low-pass stages), a high-pass (two high-pass stages), or the sum of both at one
    frequency, which has a flat magnitude and the phase of that crossover.

    Stages 0 and 1 are the low-pass pair, 2 and 3 the high-pass pair; a section designs and runs
    only the stages its type needs. The stages' sampleRate must be set before a design.
*/
struct CrossoverSection4
{
    CrossoverType type = CrossoverType::LowPass;
    ButterworthStage4 stages[4];

    void designLowPass (float4 frequency) noexcept;
    void designHighPass (float4 frequency) noexcept;
    void designAllPass (float4 frequency) noexcept;

    /** One sample through the section. */
    float4 process (float4 x) noexcept
    {
        switch (type)
        {
            case CrossoverType::LowPass:   return stages[1].process (stages[0].process (x));
            case CrossoverType::HighPass:  return stages[3].process (stages[2].process (x));
            case CrossoverType::AllPass:
            default:
            {
                const auto low = stages[1].process (stages[0].process (x));
                return low + stages[3].process (stages[2].process (x));
            }
        }
    }

    /** A block of samples through the section, in place; the same results as calling process()
        on each sample in turn. The stages run side by side within each sample, with their states
        in registers for the whole block, so that their feedback loops overlap.
    */
    void process (float4* samples, int numSamples) noexcept
    {
        switch (type)
        {
            case CrossoverType::LowPass:   processBlockAs<CrossoverType::LowPass>  (samples, numSamples); return;
            case CrossoverType::HighPass:  processBlockAs<CrossoverType::HighPass> (samples, numSamples); return;
            case CrossoverType::AllPass:
            default:                       processBlockAs<CrossoverType::AllPass>  (samples, numSamples); return;
        }
    }

    /** Clears every stage's state; the design stays. */
    void reset() noexcept
    {
        for (auto& stage : stages)
            stage.reset();
    }

private:
    /** A stage's states and design held in locals for a block, so that they can live in
        registers: the same steps as ButterworthStage4::process, without writing w[n] to memory on
        every sample.
    */
    struct RunningStage
    {
        float4 s1, s2;
        const float4 a1, a2, gain, b1Factor;

        explicit RunningStage (const ButterworthStage4& stage) noexcept
            : s1 (stage.state[1]), s2 (stage.state[2]),
              a1 (stage.a1), a2 (stage.a2), gain (stage.gain), b1Factor (stage.b1Factor) {}

        float4 process (float4 x) noexcept
        {
            const auto w = (x + a1 * s1) + a2 * s2;
            const auto y = gain * ((w + b1Factor * s1) + s2);
            s2 = s1;
            s1 = w;
            return y;
        }

        /** Hands the states back after a block of at least one sample (w[n] is then w[n−1] of the next). */
        void storeTo (ButterworthStage4& stage) const noexcept
        {
            stage.state[0] = s1;
            stage.state[1] = s1;
            stage.state[2] = s2;
        }
    };

    /** A section of a known type running from locals over a block. */
    template <CrossoverType sectionType>
    struct RunningSection
    {
        RunningStage low0, low1, high0, high1;

        explicit RunningSection (const CrossoverSection4& section) noexcept
            : low0 (section.stages[0]), low1 (section.stages[1]), high0 (section.stages[2]), high1 (section.stages[3]) {}

        float4 process (float4 x) noexcept
        {
            if constexpr (sectionType == CrossoverType::LowPass)
                return low1.process (low0.process (x));
            else if constexpr (sectionType == CrossoverType::HighPass)
                return high1.process (high0.process (x));
            else
                return low1.process (low0.process (x)) + high1.process (high0.process (x));
        }

        void storeTo (CrossoverSection4& section) const noexcept
        {
            if constexpr (sectionType != CrossoverType::HighPass)
            {
                low0.storeTo (section.stages[0]);
                low1.storeTo (section.stages[1]);
            }

            if constexpr (sectionType != CrossoverType::LowPass)
            {
                high0.storeTo (section.stages[2]);
                high1.storeTo (section.stages[3]);
            }
        }
    };

    template <CrossoverType sectionType>
    void processBlockAs (float4* samples, int numSamples) noexcept
    {
        if (numSamples <= 0)
            return;

        RunningSection<sectionType> running (*this);

        for (int i = 0; i < numSamples; ++i)
            samples[i] = running.process (samples[i]);

        running.storeTo (*this);
    }

public:
    /** Two sections of the given types, each over its own block in place, in one loop: the same
        results as running one after the other, but the two sections' feedback loops overlap.
        Sections of other types are simply run one after the other.
    */
    template <CrossoverType typeA, CrossoverType typeB>
    static void processPair (CrossoverSection4& a, float4* samplesA,
                             CrossoverSection4& b, float4* samplesB, int numSamples) noexcept
    {
        if (a.type != typeA || b.type != typeB)
        {
            a.process (samplesA, numSamples);
            b.process (samplesB, numSamples);
            return;
        }

        if (numSamples <= 0)
            return;

        RunningSection<typeA> runningA (a);
        RunningSection<typeB> runningB (b);

        for (int i = 0; i < numSamples; ++i)
        {
            samplesA[i] = runningA.process (samplesA[i]);
            samplesB[i] = runningB.process (samplesB[i]);
        }

        runningA.storeTo (a);
        runningB.storeTo (b);
    }
};

//==============================================================================
/** Sets every stage of nine sections to the rate and designs the four-band split at three
    crossover frequencies, in this order: 0 low-pass at low, 1 all-pass at middle, 2 all-pass at
    high, 3 high-pass at low, 4 low-pass at middle, 5 all-pass at high, 6 high-pass at middle,
    7 low-pass at high, 8 high-pass at high. Band 1 is then 0 → 1 → 2, band 2 is 3 → 4 → 5,
    band 3 is 3 → 6 → 7 and band 4 is 3 → 6 → 8, sections 3 and 6 shared.
*/
void designFourBandSplit (CrossoverSection4 (&sections)[9], float sampleRate,
                          float4 low, float4 middle, float4 high) noexcept;

/** The four band vectors of one sample of a split designed by designFourBandSplit. */
struct FourBands
{
    float4 band1, band2, band3, band4;
};

/** One sample through a split designed by designFourBandSplit: each section runs once, in the
    order 0, 1, 2, 3, 6, 8, 4, 5, 7. The four bands add up to the input through the three all-pass
    responses, so their sum has a flat magnitude.
*/
inline FourBands splitFourBands (CrossoverSection4 (&sections)[9], float4 x) noexcept
{
    FourBands bands;
    bands.band1 = sections[2].process (sections[1].process (sections[0].process (x)));

    const auto aboveLow = sections[3].process (x);
    const auto aboveMiddle = sections[6].process (aboveLow);
    bands.band4 = sections[8].process (aboveMiddle);
    bands.band2 = sections[5].process (sections[4].process (aboveLow));
    bands.band3 = sections[7].process (aboveMiddle);
    return bands;
}
