#include <benchmark/benchmark.h>

#include <juce_events/juce_events.h>

#include "processor/OndrellaAudioProcessor.h"
#include "processor/ParameterTable.h"
#include "tests/support/TemporaryHome.h"

#include <cmath>
#include <cstdio>
#include <ctime>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

/*  One plug-in instance, its processBlock called directly as a host's audio thread would,
    over every layout, rate and block size worth knowing. Two counters per case:

    - ns_per_frame: processing time of one frame (one sample of every channel);
    - realtime_x:   seconds of audio processed per second of processing, on one core.

    Both come from the thread's CPU time, so time the machine spends on other work does not count.
*/
namespace
{
    enum class Settings
    {
        defaults,       // every parameter at its default: no noise, no wow, no tilt, no crossbleed
        allActive       // hiss on High, full wow, full crossbleed, tilted head, EQ moving every block
    };

    void setParameter (OndrellaAudioProcessor& processor, int index, float normalised)
    {
        processor.setParameter (index, normalised);
    }

    void applySettings (OndrellaAudioProcessor& processor, Settings settings)
    {
        for (int i = 0; i < numParameters; ++i)
            setParameter (processor, i, parameterDefinitions[i].normalisedDefault());

        if (settings == Settings::allActive)
        {
            setParameter (processor, ParameterIndex::noise, 0.0f);          // High
            setParameter (processor, ParameterIndex::noiseType, 0.5f);      // white and pink both heard
            setParameter (processor, ParameterIndex::motorQuality, 0.0f);   // deepest, fastest wow
            setParameter (processor, ParameterIndex::crossbleed, 1.0f);
            setParameter (processor, ParameterIndex::headTilt, 0.2f);
            setParameter (processor, ParameterIndex::dryWetMix, 0.7f);
            setParameter (processor, ParameterIndex::tape, 0.2f);           // Metal
        }
    }

    double threadSeconds()
    {
        timespec now {};
        clock_gettime (CLOCK_THREAD_CPUTIME_ID, &now);
        return (double) now.tv_sec + 1.0e-9 * (double) now.tv_nsec;
    }

    /** A second of music-like input: two partials and some noise at about −12 dBFS. */
    std::vector<float> makeInput (double sampleRate, int channel)
    {
        std::vector<float> input ((size_t) sampleRate);
        juce::Random random (1234 + channel);

        for (size_t i = 0; i < input.size(); ++i)
        {
            const auto t = (double) i / sampleRate;
            input[i] = (float) (0.15 * std::sin (2.0 * juce::MathConstants<double>::pi * (110.0 + 3.0 * channel) * t)
                              + 0.08 * std::sin (2.0 * juce::MathConstants<double>::pi * 2750.0 * t))
                     + 0.02f * (random.nextFloat() - 0.5f);
        }

        return input;
    }

    void processBlockBenchmark (benchmark::State& state, int numChannels, double sampleRate, int blockSize, Settings settings)
    {
        auto processor = std::make_unique<OndrellaAudioProcessor>();

        const auto channelSet = numChannels == 1 ? juce::AudioChannelSet::mono() : juce::AudioChannelSet::stereo();
        juce::AudioProcessor::BusesLayout layout;
        layout.inputBuses.add (channelSet);
        layout.outputBuses.add (channelSet);

        if (! processor->setBusesLayout (layout))
        {
            state.SkipWithError ("the processor refused the layout");
            return;
        }

        applySettings (*processor, settings);
        processor->prepareToPlay (sampleRate, blockSize);

        std::vector<std::vector<float>> inputs;
        for (int ch = 0; ch < numChannels; ++ch)
            inputs.push_back (makeInput (sampleRate, ch));

        const auto inputLength = (int) inputs[0].size();
        juce::AudioBuffer<float> buffer (numChannels, blockSize);
        juce::MidiBuffer midi;
        int readPosition = 0;
        long long blocks = 0;
        const auto startTime = threadSeconds();

        for (auto _ : state)
        {
            // Fresh input every block (a copy of a few hundred floats, next to nothing beside the chain).
            if (readPosition + blockSize > inputLength)
                readPosition = 0;

            for (int ch = 0; ch < numChannels; ++ch)
                buffer.copyFrom (ch, 0, inputs[(size_t) ch].data() + readPosition, blockSize);

            readPosition += blockSize;

            if (settings == Settings::allActive)
            {
                // Every tone band moves a little each block, so every sample redesigns the tone section.
                const auto phase = (float) (blocks % 400) / 400.0f * juce::MathConstants<float>::twoPi;
                for (int band = 0; band < 4; ++band)
                    setParameter (*processor, ParameterIndex::eqB1Gain + band,
                                  0.5f + 0.4f * std::sin (phase + (float) band));
            }

            processor->processBlock (buffer, midi);
            benchmark::DoNotOptimize (buffer.getReadPointer (0));
            benchmark::ClobberMemory();
            ++blocks;
        }

        const auto seconds = threadSeconds() - startTime;
        const auto frames = (double) blocks * blockSize;
        state.SetItemsProcessed ((int64_t) frames);

        if (frames > 0.0 && seconds > 0.0)
        {
            state.counters["ns_per_frame"] = seconds * 1.0e9 / frames;
            state.counters["realtime_x"] = (frames / sampleRate) / seconds;
        }

        processor->releaseResources();
    }

    void registerProcessBlockBenchmarks()
    {
        for (auto settings : { Settings::defaults, Settings::allActive })
            for (int numChannels : { 2, 1 })
                for (double rate : { 44100.0, 48000.0, 96000.0 })
                    for (int blockSize : { 32, 512 })
                    {
                        const auto name = std::string ("processBlock/")
                                        + (numChannels == 2 ? "stereo/" : "mono/")
                                        + std::to_string ((int) rate) + "Hz/"
                                        + std::to_string (blockSize) + "/"
                                        + (settings == Settings::defaults ? "defaults" : "allActive");

                        benchmark::RegisterBenchmark (name.c_str(), processBlockBenchmark,
                                                      numChannels, rate, blockSize, settings)
                            ->Unit (benchmark::kMicrosecond);
                    }
    }
}

int main (int argc, char** argv)
{
    // The preset store of every processor built here looks in a throw-away HOME, never the user's.
    TestSupport::TemporaryHome home;

    if (home.getPath().empty())
    {
        std::fprintf (stderr, "Could not make a temporary HOME folder\n");
        return 1;
    }

    juce::ScopedJuceInitialiser_GUI juceInitialiser;

    registerProcessBlockBenchmarks();

    benchmark::Initialize (&argc, argv);

    if (benchmark::ReportUnrecognizedArguments (argc, argv))
        return 1;

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
