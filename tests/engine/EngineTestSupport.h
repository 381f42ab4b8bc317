#pragma once

#include "dsp/TapeEngine.h"
#include "processor/ParameterTable.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace EngineTest
{
    /** Sixteen normalised values, starting at the table defaults. */
    struct Settings
    {
        Settings()
        {
            for (int i = 0; i < numParameters; ++i)
                values[(size_t) i] = parameterDefinitions[i].normalisedDefault();
        }

        Settings with (int index, float value) const
        {
            auto copy = *this;
            copy.values[(size_t) index] = value;
            return copy;
        }

        /** Everything that only the wet path hears, far from its default. */
        Settings withWetOnlyChanges() const
        {
            return with (ParameterIndex::inputGain, 0.9f).with (ParameterIndex::outputGain, 0.2f)
                  .with (ParameterIndex::motorQuality, 0.0f).with (ParameterIndex::headQuality, 0.1f)
                  .with (ParameterIndex::tapeQuality, 0.0f).with (ParameterIndex::noise, 0.0f)
                  .with (ParameterIndex::tape, 0.2f).with (ParameterIndex::crossbleed, 1.0f)
                  .with (ParameterIndex::eqB1Gain, 1.0f).with (ParameterIndex::eqB4Gain, 0.0f)
                  .with (ParameterIndex::noiseType, 1.0f).with (ParameterIndex::noiseLevel, 1.0f)
                  .with (ParameterIndex::headTilt, 0.0f);
        }

        std::array<float, numParameters> values;
    };

    /** The neutral dry path: the wet part of the mix is off. */
    inline Settings dryOnly()    { return Settings().with (ParameterIndex::dryWetMix, 0.0f); }

    /** Two channels of audio held together. */
    struct Signal
    {
        explicit Signal (int numSamples, int numChannels = 2)
            : channels ((size_t) numChannels, std::vector<float> ((size_t) numSamples, 0.0f)) {}

        int size() const noexcept            { return (int) channels[0].size(); }
        int numChannels() const noexcept     { return (int) channels.size(); }
        std::vector<float>& operator[] (int ch)                { return channels[(size_t) ch]; }
        const std::vector<float>& operator[] (int ch) const    { return channels[(size_t) ch]; }

        std::vector<std::vector<float>> channels;
    };

    inline Signal impulse (int numSamples, int numChannels = 2, float height = 1.0f)
    {
        Signal s (numSamples, numChannels);
        for (auto& channel : s.channels)
            channel[0] = height;
        return s;
    }

    inline Signal sine (int numSamples, float frequency, float sampleRate, float amplitude, int numChannels = 2)
    {
        Signal s (numSamples, numChannels);
        for (auto& channel : s.channels)
            for (int i = 0; i < numSamples; ++i)
                channel[(size_t) i] = amplitude * std::sin (6.2831853f * frequency * (float) i / sampleRate);
        return s;
    }

    /** Runs the engine over a signal in place with the given settings, in blocks whose sizes
        cycle through pattern (a size of 0 makes an empty block).
    */
    inline void runBlocks (TapeEngine& engine, Signal& signal, const Settings& settings,
                           const std::vector<int>& pattern, int engineChannels = -1)
    {
        const auto channelsToRun = engineChannels < 0 ? signal.numChannels() : engineChannels;
        size_t next = 0;

        for (int start = 0; start < signal.size();)
        {
            const auto length = std::min (pattern[next++ % pattern.size()], signal.size() - start);
            float* pointers[2] {};
            for (int ch = 0; ch < signal.numChannels(); ++ch)
                pointers[ch] = signal[ch].data() + start;

            engine.setParameters (settings.values.data());
            engine.process (pointers, channelsToRun, length);
            start += length;
        }
    }

    inline void run (TapeEngine& engine, Signal& signal, const Settings& settings, int blockSize, int engineChannels = -1)
    {
        runBlocks (engine, signal, settings, { std::max (blockSize, 1) }, engineChannels);
    }

    /** A prepared engine whose ramps have taken the settings at once. */
    inline void prepareWith (TapeEngine& engine, const Settings& settings, float sampleRate = 48000.0f)
    {
        engine.prepare (sampleRate);
        engine.reset();
        engine.snapToTargets();
        Signal nothing (1);
        engine.setParameters (settings.values.data());
        float* pointers[2] { nothing[0].data(), nothing[1].data() };
        engine.process (pointers, 2, 0);
    }

    inline int firstNonZero (const std::vector<float>& samples)
    {
        for (size_t i = 0; i < samples.size(); ++i)
            if (samples[i] != 0.0f)
                return (int) i;
        return -1;
    }

    inline bool allFinite (const Signal& signal)
    {
        for (const auto& channel : signal.channels)
            for (auto x : channel)
                if (! std::isfinite (x))
                    return false;
        return true;
    }

    inline float peak (const std::vector<float>& samples, int from = 0)
    {
        float result = 0.0f;
        for (size_t i = (size_t) from; i < samples.size(); ++i)
            result = std::max (result, std::abs (samples[i]));
        return result;
    }

    inline double energy (const std::vector<float>& samples, int from = 0)
    {
        double sum = 0.0;
        for (size_t i = (size_t) from; i < samples.size(); ++i)
            sum += (double) samples[i] * samples[i];
        return sum;
    }
}
