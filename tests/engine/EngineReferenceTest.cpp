#include "EngineTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cmath>
#include <memory>
#include <string>

using namespace EngineTest;

/*  The engine over a few seconds of varied audio, with every stage at work and with the defaults.
    The hiss comes from the process-wide sequence, so this program keeps to one engine at a time.
*/
namespace
{
    struct Lcg
    {
        uint32_t state = 0x2545f491u;

        float nextBipolar() noexcept
        {
            state = state * 1664525u + 1013904223u;
            return (float) (state >> 8) / 8388608.0f - 1.0f;
        }
    };

    /** Gliding partials, noise bursts, a loud stretch and a silent one. */
    Signal variedSignal (int numSamples, float sampleRate, int numChannels = 2)
    {
        Signal s (numSamples, numChannels);
        Lcg random;

        for (int ch = 0; ch < numChannels; ++ch)
        {
            double phase1 = 0.0, phase2 = 0.0;

            for (int i = 0; i < numSamples; ++i)
            {
                const auto t = (double) i / sampleRate;
                phase1 += 6.283185307179586 * (80.0 + 40.0 * ch + 3000.0 * t * t) / sampleRate;
                phase2 += 6.283185307179586 * (5200.0 - 900.0 * t) / sampleRate;

                const auto section = (i * 8) / numSamples;
                const auto level = section == 3 ? 2.5f : (section == 5 ? 0.0f : 0.3f + 0.1f * (float) section);
                const auto burst = (i / 997) % 3 == 0 ? 0.2f * random.nextBipolar() : 0.0f;

                s[ch][(size_t) i] = level * (0.6f * (float) std::sin (phase1) + 0.3f * (float) std::sin (phase2) + burst);
            }
        }

        return s;
    }

    Settings allActive()
    {
        return Settings().with (ParameterIndex::noise, 0.0f).with (ParameterIndex::noiseType, 0.5f)
                         .with (ParameterIndex::motorQuality, 0.0f).with (ParameterIndex::crossbleed, 1.0f)
                         .with (ParameterIndex::headTilt, 0.2f).with (ParameterIndex::dryWetMix, 0.7f)
                         .with (ParameterIndex::tape, 0.2f).with (ParameterIndex::tapeQuality, 0.3f)
                         .with (ParameterIndex::headQuality, 0.6f).with (ParameterIndex::eqB2Gain, 0.8f);
    }

    /** Runs with settings that move every block, over block sizes that vary (empty ones among them). */
    void runAutomated (TapeEngine& engine, Signal& signal, Settings settings)
    {
        const int pattern[] { 512, 1, 0, 37, 700, 128, 64, 3, 1024, 256 };
        int block = 0;

        for (int start = 0; start < signal.size(); ++block)
        {
            const auto length = std::min (pattern[block % 10], signal.size() - start);
            const auto swing = 0.5f + 0.5f * std::sin (0.37f * (float) block);

            settings = settings.with (ParameterIndex::eqB1Gain, swing).with (ParameterIndex::eqB4Gain, 1.0f - swing)
                               .with (ParameterIndex::inputGain, 0.55f + 0.2f * swing)
                               .with (ParameterIndex::outputGain, 0.6f - 0.1f * swing)
                               .with (ParameterIndex::dryWetMix, 0.4f + 0.6f * swing)
                               .with (ParameterIndex::headTilt, swing)
                               .with (ParameterIndex::crossbleed, swing)
                               .with (ParameterIndex::noiseType, 1.0f - swing)
                               .with (ParameterIndex::noiseLevel, swing)
                               .with (ParameterIndex::motorQuality, 0.3f * swing);

            if (block % 7 == 3)
                settings = settings.with (ParameterIndex::headQuality, swing);

            if (block % 50 == 25)
                settings = settings.with (ParameterIndex::tape, (float) (block % 3) * 0.1f)
                                   .with (ParameterIndex::noise, (float) ((block / 3) % 3) * 0.1f);

            float* pointers[2] {};
            for (int ch = 0; ch < signal.numChannels(); ++ch)
                pointers[ch] = signal[ch].data() + start;

            engine.setParameters (settings.values.data());
            engine.process (pointers, signal.numChannels(), length);
            start += length;
        }
    }

    void append (std::vector<float>& all, const Signal& signal)
    {
        for (const auto& channel : signal.channels)
            all.insert (all.end(), channel.begin(), channel.end());
    }

    std::vector<float> referenceRun()
    {
        std::vector<float> all;
        auto engine = std::make_unique<TapeEngine>();

        {
            auto signal = variedSignal (3 * 48000, 48000.0f);
            prepareWith (*engine, Settings(), 48000.0f);
            run (*engine, signal, Settings(), 512);
            append (all, signal);
        }

        {
            auto signal = variedSignal (3 * 48000, 48000.0f);
            prepareWith (*engine, allActive(), 48000.0f);
            run (*engine, signal, allActive(), 512);
            append (all, signal);
        }

        {
            auto signal = variedSignal (4 * 48000, 48000.0f);
            prepareWith (*engine, allActive(), 48000.0f);
            runAutomated (*engine, signal, allActive());
            append (all, signal);
        }

        {
            auto signal = variedSignal (2 * 44100, 44100.0f, 1);
            prepareWith (*engine, allActive(), 44100.0f);
            runAutomated (*engine, signal, allActive());
            append (all, signal);
        }

        {
            // The head starts straight (the tilt lines only record), then tilts one way and the other.
            auto signal = variedSignal (2 * 48000, 48000.0f);
            prepareWith (*engine, Settings(), 48000.0f);
            const std::vector<float> tilts { 0.5f, 0.5f, 0.5f, 0.9f, 0.7f, 0.5f, 0.5f, 0.1f, 0.5f, 0.5f };

            for (int block = 0; block * 512 < signal.size(); ++block)
            {
                const auto settings = Settings().with (ParameterIndex::headTilt, tilts[(size_t) (block / 20) % tilts.size()]);
                const auto length = std::min (512, signal.size() - block * 512);
                float* pointers[2] { signal[0].data() + block * 512, signal[1].data() + block * 512 };
                engine->setParameters (settings.values.data());
                engine->process (pointers, 2, length);
            }

            append (all, signal);
        }

        {
            auto signal = variedSignal (2 * 96000, 96000.0f);
            prepareWith (*engine, allActive(), 96000.0f);
            run (*engine, signal, allActive(), 480);
            append (all, signal);
        }

        return all;
    }
}

// Every stage at work, with settings that move every block over block sizes that vary (empty ones
// among them), at each rate family and in mono: nothing blows up or goes silent.
TEST (EngineReference, AutomatedRunsStayFiniteAndBounded)
{
    const auto output = referenceRun();
    float peak = 0.0f;

    for (auto x : output)
    {
        ASSERT_TRUE (std::isfinite (x));
        peak = std::max (peak, std::abs (x));
    }

    EXPECT_LT (peak, 8.0f);
}

// At settings that hold still (and no hiss, whose draws depend on the instances around), the
// host's block size changes nothing, whatever the engine does inside a block.
TEST (EngineReference, TheBlockSizeDoesNotChangeTheOutputAtFixedSettings)
{
    const auto settings = allActive().with (ParameterIndex::noise, 0.2f);

    auto processedIn = [&settings] (std::vector<int> pattern)
    {
        auto signal = variedSignal (48000, 48000.0f);
        auto engine = std::make_unique<TapeEngine>();
        prepareWith (*engine, settings, 48000.0f);
        runBlocks (*engine, signal, settings, pattern);
        return signal;
    };

    const auto reference = processedIn ({ 512 });

    for (const auto& pattern : std::vector<std::vector<int>> { { 1 }, { 4096 }, { 37, 0, 300, 2, 999 } })
    {
        const auto other = processedIn (pattern);

        for (int ch = 0; ch < 2; ++ch)
            for (int i = 0; i < reference.size(); ++i)
                ASSERT_EQ (other[ch][(size_t) i], reference[ch][(size_t) i]) << "channel " << ch << ", sample " << i;
    }
}
