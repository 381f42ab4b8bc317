#include <gtest/gtest.h>

#include "dsp/Filters.h"
#include "FilterMeasurement.h"

#include <cmath>
#include <algorithm>
#include <limits>

using namespace FilterMeasurement;

namespace
{
    const float rates[] { 44100.0f, 48000.0f, 96000.0f };
    const float eqFrequencies[] { 60.0f, 400.0f, 2000.0f, 7500.0f };
    const float crossoverFrequencies[] { 419.6f, 1818.2f, 5015.0f };

    constexpr int impulseLength = 65536;

    std::vector<float4> bankImpulse (const BiquadCoeffs4& coeffs)
    {
        BiquadBank4 bank;
        bank.coeffs = coeffs;
        return impulseResponse ([&bank] (float4 x) { return bank.process (x); }, impulseLength);
    }

    /** True when every lane's poles lie inside the unit circle (the stability triangle). */
    bool polesInsideUnitCircle (const BiquadCoeffs4& c)
    {
        for (int lane = 0; lane < 4; ++lane)
            if (! (std::abs (c.a2[lane]) < 1.0f && std::abs (c.a1[lane]) < 1.0f + c.a2[lane]))
                return false;

        return true;
    }

    /** True when the response has died away and never blew up. */
    bool isStable (const std::vector<float4>& impulse, int lane)
    {
        for (const auto& x : impulse)
            if (! std::isfinite (x[lane]))
                return false;

        return tailPeak (impulse, lane, 1024) < 1.0e-6;
    }

    // The head response's first bank, as the engine designs it from its quality h.
    BiquadCoeffs4 headDesign (float rate, float h)
    {
        const float4 frequencies (196.0f, 4600.0f, 71.377144f, 12800.0f + 9000.0f * h * h * h * h);
        const float4 q (0.227686003f, 0.458999991f, 0.146156996f, 0.818000019f);
        const float4 gains (3.0008781f * (h + 0.2f) + 15.0f * h, 0.461317629f * (1.5f * h + 0.2f), 1.0f, 1.0f);
        return designBiquadBank4 (float4 (rate), frequencies, q, 0, 0, gains);
    }
}

//==============================================================================
TEST (PeakingDesign, ZeroDecibelsPassesEveryLaneUnchanged)
{
    const auto signal = testSignal (4096);

    for (auto rate : rates)
        for (auto frequency : eqFrequencies)
        {
            BiquadBank4 bank;
            bank.coeffs = designPeakingBank4 (frequency, 1.0f, rate);

            for (const auto& x : signal)
            {
                const auto y = bank.process (x);
                ASSERT_TRUE ((y == x).all()) << frequency << " Hz at " << rate;
            }
        }
}

TEST (PeakingDesign, DryLanesAreUnchangedAtAnyGain)
{
    const auto signal = testSignal (4096);

    for (auto gain : { 0.01f, 0.251189f, 3.98107f, 50.0f })
        for (auto frequency : eqFrequencies)
        {
            BiquadBank4 bank;
            bank.coeffs = designPeakingBank4 (frequency, gain, 48000.0f);
            bool changedWet = false;

            for (const auto& x : signal)
            {
                const auto y = bank.process (x);
                ASSERT_EQ (y[2], x[2]);
                ASSERT_EQ (y[3], x[3]);
                changedWet = changedWet || y[0] != x[0];
            }

            EXPECT_TRUE (changedWet);
        }
}

TEST (PeakingDesign, CentreGainIsTheAskedGainAndTheEdgesStayAtUnity)
{
    for (auto rate : rates)
        for (auto frequency : eqFrequencies)
            for (auto decibels : { 12.0, -12.0, 6.0, -3.0 })
            {
                const auto gain = static_cast<float> (std::pow (10.0, decibels / 20.0));
                const auto impulse = bankImpulse (designPeakingBank4 (frequency, gain, rate));

                for (int lane : { 0, 1 })
                {
                    ASSERT_TRUE (isStable (impulse, lane));
                    EXPECT_NEAR (magnitudeAt (impulse, lane, frequency, rate), gain, gain * 1.0e-3)
                        << decibels << " dB at " << frequency << " Hz, rate " << rate;
                    // Far below a low centre the float rounding of the states is what is measured.
                    EXPECT_NEAR (gainAtDC (impulse, lane), 1.0, 0.02);
                    EXPECT_NEAR (gainAtNyquist (impulse, lane), 1.0, 1.0e-3);
                }

                // The peak sits at the centre: half an octave away the gain is nearer unity.
                const auto above = magnitudeAt (impulse, 0, frequency * 1.41421356, rate);
                EXPECT_LT (std::abs (std::log (above)), std::abs (std::log (static_cast<double> (gain))));
            }

    // The two figures the tone section is known by.
    const auto up = bankImpulse (designPeakingBank4 (2000.0f, 3.98107f, 44100.0f));
    const auto down = bankImpulse (designPeakingBank4 (2000.0f, 0.251189f, 44100.0f));
    EXPECT_NEAR (magnitudeAt (up, 0, 2000.0, 44100.0), 3.98107, 2.0e-3);
    EXPECT_NEAR (magnitudeAt (down, 1, 2000.0, 44100.0), 0.251189, 2.0e-4);
}

TEST (PeakingDesign, UnusableGainsAndFrequenciesStillGiveStableFilters)
{
    const float notANumber = std::numeric_limits<float>::quiet_NaN();
    const float infinity = std::numeric_limits<float>::infinity();

    for (auto gain : { 0.0f, -1.0f, notANumber, infinity, 1.0e30f })
        for (auto frequency : { 0.0f, -50.0f, 30000.0f, 1.0e9f, notANumber })
        {
            const auto design = designPeakingBank4 (frequency, gain, 44100.0f);
            EXPECT_TRUE (polesInsideUnitCircle (design)) << gain << ", " << frequency;

            const auto impulse = bankImpulse (design);
            for (int lane = 0; lane < 4; ++lane)
                for (const auto& x : impulse)
                    ASSERT_TRUE (std::isfinite (x[lane])) << gain << ", " << frequency;
        }
}

//==============================================================================
TEST (BankDesign, UnityFlagsAndGainsPassEverySignalUnchanged)
{
    const auto signal = testSignal (4096);

    for (auto rate : rates)
        for (auto frequency : { 30.0f, 196.0f, 4600.0f, 21000.0f })
            for (auto q : { 0.1f, 0.707f, 3.0f })
            {
                BiquadBank4 bank;
                bank.coeffs = designBiquadBank4 (float4 (rate), float4 (frequency), float4 (q), 1, 1, float4 (1.0f));

                for (const auto& x : signal)
                    ASSERT_TRUE ((bank.process (x) == x).all()) << frequency << " Hz, Q " << q << ", rate " << rate;
            }
}

TEST (BankDesign, ShelvesAndPassFiltersHaveTheirShapesAtDCCentreAndNyquist)
{
    for (auto rate : rates)
        for (auto h : { 0.0f, 0.7f, 1.0f })
        {
            const auto impulse = bankImpulse (headDesign (rate, h));
            const auto lowShelfGain = 3.0008781 * (h + 0.2) + 15.0 * h;
            const auto highShelfGain = 0.461317629 * (1.5 * h + 0.2);
            const auto lowPassFrequency = 12800.0 + 9000.0 * std::pow (h, 4.0);

            for (int lane = 0; lane < 4; ++lane)
                ASSERT_TRUE (isStable (impulse, lane)) << "lane " << lane << ", h " << h << ", rate " << rate;

            // Lane 0: low shelf, gain g below, unity above, √g at its frequency. At 0 Hz the
            // low shelf and the high-pass, with poles close to 1, measure the float rounding too.
            EXPECT_NEAR (gainAtDC (impulse, 0), lowShelfGain, lowShelfGain * 5.0e-3);
            EXPECT_NEAR (gainAtNyquist (impulse, 0), 1.0, 1.0e-3);
            EXPECT_NEAR (magnitudeAt (impulse, 0, 196.0, rate), std::sqrt (lowShelfGain), 2.0e-3 * std::sqrt (lowShelfGain));

            // Lane 1: high shelf, unity below, gain g above.
            EXPECT_NEAR (gainAtDC (impulse, 1), 1.0, 1.0e-3);
            EXPECT_NEAR (gainAtNyquist (impulse, 1), highShelfGain, highShelfGain * 1.0e-3);
            EXPECT_NEAR (magnitudeAt (impulse, 1, 4600.0, rate), std::sqrt (highShelfGain), 2.0e-3 * std::sqrt (highShelfGain));

            // Lane 2: high-pass, nothing at DC, everything at Nyquist, Q at its frequency.
            EXPECT_NEAR (gainAtDC (impulse, 2), 0.0, 0.01);
            EXPECT_NEAR (gainAtNyquist (impulse, 2), 1.0, 1.0e-3);
            EXPECT_NEAR (magnitudeAt (impulse, 2, 71.377144, rate), 0.146156996, 1.0e-3);

            // Lane 3: low-pass, the reverse.
            EXPECT_NEAR (gainAtDC (impulse, 3), 1.0, 1.0e-3);
            EXPECT_NEAR (gainAtNyquist (impulse, 3), 0.0, 1.0e-3);
            EXPECT_NEAR (magnitudeAt (impulse, 3, lowPassFrequency, rate), 0.818000019, 2.0e-3);
        }
}

TEST (BankDesign, LowPassCloseToNyquistStaysFiniteAndStable)
{
    // "HEAD QUALITY" at 1 and the lowest rate put the low-pass at 21800 Hz, where K ≈ 56.
    const auto impulse = bankImpulse (headDesign (44100.0f, 1.0f));

    ASSERT_TRUE (isStable (impulse, 3));
    EXPECT_NEAR (gainAtDC (impulse, 3), 1.0, 1.0e-3);
    EXPECT_NEAR (magnitudeAt (impulse, 3, 21800.0, 44100.0), 0.818, 5.0e-3);
}

TEST (BankDesign, UnusableFrequenciesQsAndGainsStillGiveFiniteFilters)
{
    const float notANumber = std::numeric_limits<float>::quiet_NaN();

    const float4 frequencies[] { float4 (30000.0f), float4 (22050.0f), float4 (1.0e9f), float4 (0.0f),
                                 float4 (-100.0f), float4 (notANumber) };
    const float4 qs[] { float4 (0.0f), float4 (-1.0f), float4 (notANumber), float4 (0.5f) };
    const float4 gains[] { float4 (0.0f), float4 (-2.0f), float4 (notANumber), float4 (1.0e6f), float4 (1.0e30f) };

    for (const auto& frequency : frequencies)
        for (const auto& q : qs)
            for (const auto& gain : gains)
            {
                const auto design = designBiquadBank4 (float4 (44100.0f), frequency, q, 0, 0, gain);

                // At or above half the rate the bilinear transform would turn unstable: it must not.
                if (frequency[0] >= 22050.0f)
                    EXPECT_TRUE (polesInsideUnitCircle (design)) << frequency[0] << " Hz, Q " << q[0] << ", gain " << gain[0];

                const auto impulse = bankImpulse (design);
                for (int lane = 0; lane < 4; ++lane)
                    for (const auto& x : impulse)
                        ASSERT_TRUE (std::isfinite (x[lane])) << "lane " << lane << ", " << frequency[0] << " Hz, Q "
                                                              << q[0] << ", gain " << gain[0];
            }
}

//==============================================================================
TEST (Redesign, NewCoefficientsNeverClearTheStates)
{
    const auto signal = testSignal (2048);
    const auto flat = designPeakingBank4 (400.0f, 1.0f, 48000.0f);
    const auto boosted = designPeakingBank4 (400.0f, 3.98107f, 48000.0f);

    // Re-designing the same filter on every sample, as a finished EQ ramp does, changes nothing.
    BiquadBank4 steady, redesigned;
    steady.coeffs = redesigned.coeffs = boosted;

    for (const auto& x : signal)
    {
        redesigned.coeffs = designPeakingBank4 (400.0f, 3.98107f, 48000.0f);
        ASSERT_TRUE ((redesigned.process (x) == steady.process (x)).all());
    }

    // A design change keeps the states it found: they are still there after the swap.
    BiquadBank4 bank;
    bank.coeffs = boosted;
    for (int i = 0; i < 1000; ++i)
        bank.process (signal[static_cast<size_t> (i)]);

    const auto s1 = bank.s1, s2 = bank.s2;
    ASSERT_TRUE ((s1 != float4()).any());

    bank.coeffs = flat;
    EXPECT_TRUE ((bank.s1 == s1).all());
    EXPECT_TRUE ((bank.s2 == s2).all());

    // ...and carry into the next output: the old filter's memory is heard, not a fresh start.
    const auto next = bank.process (signal[1000]);
    EXPECT_TRUE ((next == signal[1000] + s1).all());
}

TEST (Redesign, CrossoverDesignsKeepTheirStates)
{
    const auto signal = testSignal (4096);

    CrossoverSection4 steady, redesigned;
    for (auto* section : { &steady, &redesigned })
        section->designAllPass (float4 (1818.2f));

    for (size_t i = 0; i < signal.size(); ++i)
    {
        if (i % 512 == 100)
            redesigned.designAllPass (float4 (1818.2f));

        ASSERT_TRUE ((redesigned.process (signal[i]) == steady.process (signal[i])).all()) << i;
    }
}

//==============================================================================
TEST (Butterworth, StagesAreHalfPowerAtTheirFrequency)
{
    for (auto rate : rates)
        for (auto frequency : crossoverFrequencies)
        {
            ButterworthStage4 low, high;
            low.sampleRate = high.sampleRate = float4 (rate);
            low.designLowPass (float4 (frequency));
            high.designHighPass (float4 (frequency));

            EXPECT_EQ (low.frequency[0], frequency);
            EXPECT_EQ (high.frequency[3], frequency);

            const auto lowImpulse = impulseResponse ([&low] (float4 x) { return low.process (x); }, impulseLength);
            const auto highImpulse = impulseResponse ([&high] (float4 x) { return high.process (x); }, impulseLength);

            for (int lane = 0; lane < 4; ++lane)
            {
                ASSERT_TRUE (isStable (lowImpulse, lane));
                ASSERT_TRUE (isStable (highImpulse, lane));

                EXPECT_NEAR (gainAtDC (lowImpulse, lane), 1.0, 1.0e-4);
                EXPECT_NEAR (gainAtNyquist (lowImpulse, lane), 0.0, 1.0e-4);
                EXPECT_NEAR (magnitudeAt (lowImpulse, lane, frequency, rate), std::sqrt (0.5), 1.0e-4);

                EXPECT_NEAR (gainAtDC (highImpulse, lane), 0.0, 1.0e-4);
                EXPECT_NEAR (gainAtNyquist (highImpulse, lane), 1.0, 1.0e-4);
                EXPECT_NEAR (magnitudeAt (highImpulse, lane, frequency, rate), std::sqrt (0.5), 1.0e-4);
            }

            // No resonance: a Butterworth stage never rises above unity.
            for (double f = 10.0; f < rate * 0.5; f *= 1.1)
            {
                EXPECT_LE (magnitudeAt (lowImpulse, 0, f, rate), 1.0 + 1.0e-4);
                EXPECT_LE (magnitudeAt (highImpulse, 0, f, rate), 1.0 + 1.0e-4);
            }
        }
}

TEST (Crossover, LowAndHighPassSectionsMeetAtMinusSixDecibels)
{
    for (auto rate : rates)
    {
        // Each lane its own frequency, to show the lanes are independent filters.
        const float4 frequencies (419.6f, 1818.2f, 5015.0f, 10000.0f);
        CrossoverSection4 low, high;

        for (auto* section : { &low, &high })
            for (auto& stage : section->stages)
                stage.sampleRate = float4 (rate);

        low.designLowPass (frequencies);
        high.designHighPass (frequencies);

        const auto lowImpulse = impulseResponse ([&low] (float4 x) { return low.process (x); }, impulseLength);
        const auto highImpulse = impulseResponse ([&high] (float4 x) { return high.process (x); }, impulseLength);

        for (int lane = 0; lane < 4; ++lane)
        {
            EXPECT_NEAR (magnitudeAt (lowImpulse, lane, frequencies[lane], rate), 0.5, 1.0e-4) << lane;
            EXPECT_NEAR (magnitudeAt (highImpulse, lane, frequencies[lane], rate), 0.5, 1.0e-4) << lane;

            // Fourth order: two octaves away a side is down by about 48 dB.
            if (frequencies[lane] * 4.0f < rate * 0.4f)
                EXPECT_LT (magnitudeAt (lowImpulse, lane, frequencies[lane] * 4.0, rate), 0.006) << lane;
            EXPECT_LT (magnitudeAt (highImpulse, lane, frequencies[lane] * 0.25, rate), 0.006) << lane;
        }
    }
}

TEST (Crossover, LowPlusHighPassEqualsTheAllPassSection)
{
    const auto signal = testSignal (8192);

    for (auto rate : rates)
        for (auto frequency : crossoverFrequencies)
        {
            CrossoverSection4 low, high, all;

            for (auto* section : { &low, &high, &all })
                for (auto& stage : section->stages)
                    stage.sampleRate = float4 (rate);

            low.designLowPass (float4 (frequency));
            high.designHighPass (float4 (frequency));
            all.designAllPass (float4 (frequency));

            for (const auto& x : signal)
            {
                const auto sum = low.process (x) + high.process (x);
                const auto allPass = all.process (x);

                for (int lane = 0; lane < 4; ++lane)
                    ASSERT_NEAR (sum[lane], allPass[lane], 1.0e-6f);
            }
        }
}

TEST (Crossover, AllPassSectionHasAFlatMagnitude)
{
    for (auto rate : rates)
        for (auto frequency : crossoverFrequencies)
        {
            CrossoverSection4 section;
            for (auto& stage : section.stages)
                stage.sampleRate = float4 (rate);

            section.designAllPass (float4 (frequency));
            const auto impulse = impulseResponse ([&section] (float4 x) { return section.process (x); }, impulseLength);

            for (double f = 20.0; f < rate * 0.45; f *= 1.05)
                ASSERT_NEAR (magnitudeAt (impulse, 1, f, rate), 1.0, 1.0e-3) << f << " Hz, crossover " << frequency;
        }
}

TEST (Crossover, AFourBandSplitSumsToAFlatResponse)
{
    for (auto rate : rates)
    {
        CrossoverSection4 sections[9];
        designFourBandSplit (sections, rate, float4 (419.6f), float4 (1818.2f), float4 (5015.0f));

        std::vector<float4> bands[4];

        const auto impulse = impulseResponse ([&] (float4 x)
        {
            const auto split = splitFourBands (sections, x);

            bands[0].push_back (split.band1);
            bands[1].push_back (split.band2);
            bands[2].push_back (split.band3);
            bands[3].push_back (split.band4);
            return (split.band1 + split.band3) + (split.band2 + split.band4);
        }, impulseLength);

        for (double f = 20.0; f < rate * 0.45; f *= 1.05)
            ASSERT_NEAR (magnitudeAt (impulse, 0, f, rate), 1.0, 2.0e-3) << f << " Hz at " << rate;

        // Each band carries its own range: at the middle of a band it dominates the others.
        const double centres[] { 100.0, 873.4, 3019.7, 12000.0 };
        for (int band = 0; band < 4; ++band)
        {
            const auto own = magnitudeAt (bands[band], 0, centres[band], rate);
            EXPECT_GT (own, 0.7) << band;

            for (int other = 0; other < 4; ++other)
                if (other != band)
                    EXPECT_LT (magnitudeAt (bands[other], 0, centres[band], rate), own * 0.5) << band << " vs " << other;
        }
    }
}

TEST (Crossover, UnusedStagesAreNeitherDesignedNorRun)
{
    const auto signal = testSignal (256);

    CrossoverSection4 low, high;
    low.designLowPass (float4 (1000.0f));
    high.designHighPass (float4 (1000.0f));

    for (const auto& x : signal)
    {
        low.process (x);
        high.process (x);
    }

    for (int stage : { 2, 3 })
    {
        EXPECT_EQ (low.stages[stage].frequency[0], 0.0f);
        EXPECT_TRUE ((low.stages[stage].state[1] == float4()).all());
    }

    for (int stage : { 0, 1 })
    {
        EXPECT_EQ (high.stages[stage].frequency[0], 0.0f);
        EXPECT_TRUE ((high.stages[stage].state[1] == float4()).all());
    }

    EXPECT_EQ (low.type, CrossoverType::LowPass);
    EXPECT_EQ (high.type, CrossoverType::HighPass);

    low.reset();
    for (auto& stage : low.stages)
        EXPECT_TRUE ((stage.state[1] == float4()).all() && (stage.state[2] == float4()).all());
}

//==============================================================================
TEST (BlockProcessing, BlocksGiveTheSameSamplesAsOneAtATime)
{
    auto signal = testSignal (1000);
    const int blockSizes[] { 1, 7, 32, 0, 64, 500 };

    BiquadBank4 bankBySample, bankByBlock;
    bankBySample.coeffs = bankByBlock.coeffs = headDesign (48000.0f, 0.7f);

    CrossoverSection4 bySample[3], byBlock[3];
    bySample[0].designLowPass (float4 (419.6f));
    bySample[1].designHighPass (float4 (1818.2f));
    bySample[2].designAllPass (float4 (5015.0f));
    for (int k = 0; k < 3; ++k)
        byBlock[k] = bySample[k];

    std::vector<float4> blockOutputs[4];
    for (auto& output : blockOutputs)
        output = signal;

    size_t start = 0;

    for (int block = 0; start < signal.size(); ++block)
    {
        const auto length = std::min (static_cast<size_t> (blockSizes[block % 6]), signal.size() - start);
        bankByBlock.process (blockOutputs[0].data() + start, static_cast<int> (length));

        for (int k = 0; k < 3; ++k)
            byBlock[k].process (blockOutputs[k + 1].data() + start, static_cast<int> (length));

        start += length;
    }

    for (size_t i = 0; i < signal.size(); ++i)
    {
        ASSERT_TRUE ((blockOutputs[0][i] == bankBySample.process (signal[i])).all()) << i;

        for (int k = 0; k < 3; ++k)
            ASSERT_TRUE ((blockOutputs[k + 1][i] == bySample[k].process (signal[i])).all()) << "section " << k << ", " << i;
    }

    // The states carry on alike afterwards.
    EXPECT_TRUE ((bankByBlock.s1 == bankBySample.s1).all());
    EXPECT_TRUE ((byBlock[2].stages[3].state[2] == bySample[2].stages[3].state[2]).all());
}
