#include <benchmark/benchmark.h>

#include "dsp/Filters.h"
#include "dsp/Float4.h"

#include <algorithm>

/*  The building blocks of the chain on their own, per sample (one float4 = four lanes), so that
    a change in the whole chain's figure can be traced to its part.
*/
namespace
{
    float4 nextInput (float4 x) noexcept
    {
        // A cheap, never-settling signal, so the filters cannot run on zeros.
        return x * float4 (-0.999f, 0.998f, -0.997f, 0.996f) + float4 (0.001f, -0.002f, 0.003f, -0.004f);
    }

    /** The nine sections of the four-band split at 419.6, 1818.2 and 5015 Hz, as the engine has them. */
    void designBandSplit (CrossoverSection4 (&sections)[9])
    {
        designFourBandSplit (sections, 48000.0f, float4 (419.6f), float4 (1818.2f), float4 (5015.0f));
    }

    void toneSection (benchmark::State& state)
    {
        BiquadBank4 bands[4];
        const float frequencies[] { 60.0f, 400.0f, 2000.0f, 7500.0f };

        for (int k = 0; k < 4; ++k)
            bands[k].coeffs = designPeakingBank4 (frequencies[k], 2.0f, 48000.0f);

        float4 x (0.5f);

        for (auto _ : state)
        {
            x = nextInput (x);
            benchmark::DoNotOptimize (bands[3].process (bands[2].process (bands[1].process (bands[0].process (x)))));
        }

        state.SetItemsProcessed (state.iterations());
    }

    void toneRedesign (benchmark::State& state)
    {
        const float frequencies[] { 60.0f, 400.0f, 2000.0f, 7500.0f };
        float gain = 1.0f;

        for (auto _ : state)
        {
            gain = gain > 3.0f ? 0.3f : gain * 1.0001f;

            for (auto frequency : frequencies)
                benchmark::DoNotOptimize (designPeakingBank4 (frequency, gain, 48000.0f));
        }

        state.SetItemsProcessed (state.iterations());
    }

    void headBankDesign (benchmark::State& state)
    {
        const float4 frequencies (196.0f, 4600.0f, 71.377144f, 14960.9f);
        const float4 q (0.227686003f, 0.458999991f, 0.146156996f, 0.818000019f);

        for (auto _ : state)
        {
            benchmark::DoNotOptimize (designBiquadBank4 (float4 (48000.0f), frequencies, q, 0, 0, float4 (13.2f, 0.58f, 1.0f, 1.0f)));
            benchmark::DoNotOptimize (designBiquadBank4 (float4 (48000.0f), frequencies, q, 1, 1, float4 (1.0f)));
        }

        state.SetItemsProcessed (state.iterations());
    }

    void bandSplit (benchmark::State& state)
    {
        CrossoverSection4 sections[9];
        designBandSplit (sections);

        float4 x (0.5f);

        for (auto _ : state)
        {
            x = nextInput (x);
            benchmark::DoNotOptimize (splitFourBands (sections, x));
        }

        state.SetItemsProcessed (state.iterations());
    }

    /** The same split with each section run over a block of 32 frames at a time. */
    void bandSplitInBlocks (benchmark::State& state)
    {
        constexpr int blockSize = 32;
        CrossoverSection4 sections[9];
        designBandSplit (sections);

        float4 input[blockSize], band1[blockSize], band2[blockSize], band3[blockSize], aboveMiddle[blockSize];
        float4 x (0.5f);

        for (auto _ : state)
        {
            for (auto& sample : input)
                sample = x = nextInput (x);

            std::copy (input, input + blockSize, band1);
            sections[0].process (band1, blockSize);
            sections[1].process (band1, blockSize);
            sections[2].process (band1, blockSize);

            sections[3].process (input, blockSize);        // input now holds everything above the low split
            std::copy (input, input + blockSize, band2);
            sections[6].process (input, blockSize);
            std::copy (input, input + blockSize, aboveMiddle);
            sections[8].process (input, blockSize);        // band 4
            sections[4].process (band2, blockSize);
            sections[5].process (band2, blockSize);
            std::copy (aboveMiddle, aboveMiddle + blockSize, band3);
            sections[7].process (band3, blockSize);

            benchmark::DoNotOptimize (band1);
            benchmark::DoNotOptimize (band2);
            benchmark::DoNotOptimize (band3);
            benchmark::DoNotOptimize (input);
        }

        state.SetItemsProcessed (state.iterations() * blockSize);
    }

    void vectorExp (benchmark::State& state)
    {
        float4 x (-3.0f, -1.0f, 0.5f, 2.0f);

        for (auto _ : state)
        {
            x = x * 0.99999f;
            benchmark::DoNotOptimize (exp (x));
        }

        state.SetItemsProcessed (state.iterations());
    }

    void vectorLog (benchmark::State& state)
    {
        float4 x (0.001f, 0.1f, 0.5f, 2.0f);

        for (auto _ : state)
        {
            x = x * 1.00001f;
            benchmark::DoNotOptimize (log (x));
        }

        state.SetItemsProcessed (state.iterations());
    }
}

BENCHMARK (toneSection);
BENCHMARK (toneRedesign);
BENCHMARK (headBankDesign);
BENCHMARK (bandSplit);
BENCHMARK (bandSplitInBlocks);
BENCHMARK (vectorExp);
BENCHMARK (vectorLog);
