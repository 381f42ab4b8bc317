#include "processor/OndrellaAudioProcessor.h"
#include "processor/ParameterTable.h"
#include "tests/support/StateBytes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#if JUCE_INTEL
 #include <xmmintrin.h>
#endif
#include <stdexcept>
#include <limits>

namespace
{
    constexpr float notANumber = std::numeric_limits<float>::quiet_NaN();
    constexpr float infinity = std::numeric_limits<float>::infinity();

    juce::AudioBuffer<float> sineBuffer (int numChannels, int numSamples, double rate, float frequency = 440.0f,
                                         float amplitude = 0.5f, int phaseOffset = 0)
    {
        juce::AudioBuffer<float> buffer (numChannels, numSamples);
        for (int ch = 0; ch < numChannels; ++ch)
            for (int i = 0; i < numSamples; ++i)
                buffer.setSample (ch, i, amplitude * (float) std::sin (juce::MathConstants<double>::twoPi * frequency
                                                                       * (i + phaseOffset) / rate));
        return buffer;
    }

    void process (OndrellaAudioProcessor& processor, juce::AudioBuffer<float>& buffer)
    {
        juce::MidiBuffer midi;
        processor.processBlock (buffer, midi);
    }

    int firstNonZero (const juce::AudioBuffer<float>& buffer, int channel)
    {
        for (int i = 0; i < buffer.getNumSamples(); ++i)
            if (buffer.getSample (channel, i) != 0.0f)
                return i;
        return -1;
    }

    bool allFinite (const juce::AudioBuffer<float>& buffer)
    {
        for (int ch = 0; ch < buffer.getNumChannels(); ++ch)
            for (int i = 0; i < buffer.getNumSamples(); ++i)
                if (! std::isfinite (buffer.getSample (ch, i)))
                    return false;
        return true;
    }

    // A sine through the processor: finite, and audible once the chain's delay has passed.
    void expectSinePlays (OndrellaAudioProcessor& processor, int numChannels, int numSamples = 2048)
    {
        auto buffer = sineBuffer (numChannels, numSamples, 48000.0);
        process (processor, buffer);
        EXPECT_TRUE (allFinite (buffer));
        EXPECT_GT (buffer.getMagnitude (0, numSamples / 2, numSamples / 2), 0.05f);
    }

    // Sets parameters the way a restore does, so that the next block starts on them without a ramp.
    void setParameters (OndrellaAudioProcessor& processor, std::initializer_list<std::pair<int, float>> values)
    {
        for (const auto& [index, value] : values)
            processor.setParameter (index, value);

        processor.engine.snapToTargets();
    }

    juce::MemoryBlock stateWith (std::initializer_list<std::pair<int, float>> values)
    {
        std::vector<float> state;
        for (const auto& row : parameterDefinitions)
            state.push_back (row.normalisedDefault());
        for (const auto& [index, value] : values)
            state[(size_t) index] = value;

        return TestSupport::stateBytes (state);
    }

    void useMono (OndrellaAudioProcessor& processor)
    {
        juce::AudioProcessor::BusesLayout layout;
        layout.inputBuses.add (juce::AudioChannelSet::mono());
        layout.outputBuses.add (juce::AudioChannelSet::mono());
        ASSERT_TRUE (processor.setBusesLayout (layout));
    }

   #if JUCE_INTEL
    // The SSE control word: flush-to-zero and denormals-are-zero.
    constexpr unsigned int flushBits = 0x8040;
    unsigned int floatingPointMode()    { return _mm_getcsr(); }
   #else
    unsigned int floatingPointMode()    { return 0; }
   #endif

    struct NoPositionPlayHead  : juce::AudioPlayHead
    {
        juce::Optional<PositionInfo> getPosition() const override    { return {}; }
    };

    struct PlayingPlayHead  : juce::AudioPlayHead
    {
        juce::Optional<PositionInfo> getPosition() const override
        {
            statusDuringBlock = floatingPointMode();

            if (throwFromBlock)
                throw std::runtime_error ("host failure");

            PositionInfo info;
            info.setIsPlaying (true);
            return info;
        }

        mutable unsigned int statusDuringBlock = 0;
        bool throwFromBlock = false;
    };
}

//==============================================================================
TEST (ProcessorAudio, AnImpulseArrivesAfterTheChainDelayAtEveryRate)
{
    for (const auto rate : { 44100.0, 48000.0, 96000.0 })
    {
        const auto chainDelay = (int) ((float) rate * 0.002f) + 3;

        for (const auto mix : { 0.0f, 1.0f })
        {
            OndrellaAudioProcessor processor;
            processor.prepareToPlay (rate, 512);
            EXPECT_EQ (processor.getLatencySamples(), chainDelay + 1);
            setParameters (processor, { { ParameterIndex::dryWetMix, mix } });

            juce::AudioBuffer<float> buffer (2, 512);
            buffer.clear();
            buffer.setSample (0, 0, 1.0f);
            buffer.setSample (1, 0, 1.0f);
            process (processor, buffer);

            EXPECT_EQ (firstNonZero (buffer, 0), chainDelay) << rate << " mix " << mix;
            EXPECT_EQ (firstNonZero (buffer, 1), chainDelay) << rate << " mix " << mix;
        }
    }
}

TEST (ProcessorAudio, TheDryPathIsUnaffectedByWetOnlyParameters)
{
    const auto run = [] (bool changeWetOnly)
    {
        OndrellaAudioProcessor processor;
        processor.prepareToPlay (48000.0, 1024);
        setParameters (processor, { { ParameterIndex::dryWetMix, 0.0f } });

        if (changeWetOnly)
            setParameters (processor, { { ParameterIndex::inputGain, 1.0f }, { ParameterIndex::outputGain, 0.0f },
                                        { ParameterIndex::tape, 0.0f }, { ParameterIndex::tapeQuality, 0.0f },
                                        { ParameterIndex::noise, 0.0f }, { ParameterIndex::eqB3Gain, 1.0f },
                                        { ParameterIndex::motorQuality, 0.0f }, { ParameterIndex::headTilt, 1.0f },
                                        { ParameterIndex::crossbleed, 1.0f }, { ParameterIndex::headQuality, 0.0f } });

        auto buffer = sineBuffer (2, 4096, 48000.0);
        process (processor, buffer);
        return buffer;
    };

    const auto neutral = run (false);
    const auto changed = run (true);

    for (int ch = 0; ch < 2; ++ch)
        for (int i = 0; i < neutral.getNumSamples(); ++i)
            ASSERT_EQ (neutral.getSample (ch, i), changed.getSample (ch, i)) << ch << " " << i;
}

TEST (ProcessorAudio, SilenceInSilenceOutWithTheNoiseOff)
{
    OndrellaAudioProcessor processor;
    processor.prepareToPlay (44100.0, 512);
    setParameters (processor, { { ParameterIndex::noise, 0.2f }, { ParameterIndex::inputGain, 1.0f },
                                { ParameterIndex::motorQuality, 0.0f }, { ParameterIndex::crossbleed, 1.0f } });

    for (int block = 0; block < 8; ++block)
    {
        juce::AudioBuffer<float> buffer (2, 512);
        buffer.clear();
        process (processor, buffer);
        EXPECT_EQ (buffer.getMagnitude (0, 512), 0.0f);
    }
}

TEST (ProcessorAudio, OutputStaysFiniteUnderBadInputAndOddBlocks)
{
    OndrellaAudioProcessor processor;
    processor.prepareToPlay (48000.0, 512);

    // Non-finite parameter values straight into the parameter objects, past setParameter's checks.
    for (auto* parameter : processor.getParameters())
        parameter->setValue (notANumber);

    int offset = 0;
    for (const auto size : { 0, 1, 7, 512, 0, 4096, 4500, 3 })
    {
        auto buffer = sineBuffer (2, size, 48000.0, 440.0f, 0.5f, offset);
        offset += size;

        if (size > 100)
        {
            buffer.setSample (0, 10, notANumber);
            buffer.setSample (1, 20, infinity);
            buffer.setSample (0, 30, -infinity);
            buffer.setSample (1, 40, 1.0e30f);
            buffer.setSample (0, 50, -1.0e30f);
            buffer.setSample (1, 60, -3.0e38f);
        }

        process (processor, buffer);
        EXPECT_TRUE (allFinite (buffer)) << size;
    }

    expectSinePlays (processor, 2, 8192);
}

TEST (ProcessorAudio, MonoProcessesItsOneChannel)
{
    OndrellaAudioProcessor processor;
    useMono (processor);
    processor.prepareToPlay (48000.0, 512);
    EXPECT_EQ (processor.getTotalNumInputChannels(), 1);

    expectSinePlays (processor, 1);
    EXPECT_GT (processor.engine.takeMeterLevel (0), 0.05f);
    EXPECT_EQ (processor.engine.takeMeterLevel (1), 0.0f);

    // A stereo instance handed a block with one channel only runs that one.
    OndrellaAudioProcessor stereo;
    stereo.prepareToPlay (48000.0, 512);
    expectSinePlays (stereo, 1);
}

TEST (ProcessorAudio, TheTransportFlagFollowsThePlayHead)
{
    OndrellaAudioProcessor processor;
    processor.prepareToPlay (48000.0, 64);
    juce::AudioBuffer<float> buffer (2, 64);

    PlayingPlayHead playing;
    processor.setPlayHead (&playing);
    process (processor, buffer);
    EXPECT_TRUE (processor.isPlaying.load());

    processor.setPlayHead (nullptr);
    process (processor, buffer);
    EXPECT_TRUE (processor.isPlaying.load());

    NoPositionPlayHead noPosition;
    processor.setPlayHead (&noPosition);
    process (processor, buffer);
    EXPECT_FALSE (processor.isPlaying.load());
    processor.setPlayHead (nullptr);
}

TEST (ProcessorAudio, FlushesDenormalsForTheBlockAndRestoresTheCallersMode)
{
   #if JUCE_INTEL
    OndrellaAudioProcessor processor;
    processor.prepareToPlay (48000.0, 64);
    juce::AudioBuffer<float> buffer (2, 64);
    buffer.clear();

    const auto callersMode = floatingPointMode();
    _mm_setcsr (callersMode & ~flushBits);
    const auto before = floatingPointMode();

    PlayingPlayHead playHead;
    processor.setPlayHead (&playHead);
    process (processor, buffer);
    EXPECT_EQ (playHead.statusDuringBlock & flushBits, flushBits);
    EXPECT_EQ (floatingPointMode(), before);

    // Also when the host's play head throws out of the block.
    playHead.throwFromBlock = true;
    EXPECT_THROW (process (processor, buffer), std::runtime_error);
    EXPECT_EQ (floatingPointMode(), before);

    processor.setPlayHead (nullptr);
    _mm_setcsr (callersMode);
   #endif
}

//==============================================================================
namespace
{
    // Plays a sine with the wet path in full, restores a dry-only state in one of two ways, and
    // returns the block after the restore. The dry path does not depend on any parameter, so a
    // restore that is in force from the first sample gives exactly the dry reference.
    juce::AudioBuffer<float> blockAfterRestore (const std::function<void (OndrellaAudioProcessor&)>& restore)
    {
        OndrellaAudioProcessor processor;
        processor.prepareToPlay (48000.0, 2048);

        auto before = sineBuffer (2, 2048, 48000.0, 440.0f, 0.5f);
        process (processor, before);

        restore (processor);

        auto after = sineBuffer (2, 2048, 48000.0, 440.0f, 0.5f, 2048);
        process (processor, after);
        return after;
    }

    juce::AudioBuffer<float> dryReference()
    {
        OndrellaAudioProcessor processor;
        processor.prepareToPlay (48000.0, 2048);
        setParameters (processor, { { ParameterIndex::dryWetMix, 0.0f } });

        auto before = sineBuffer (2, 2048, 48000.0, 440.0f, 0.5f);
        process (processor, before);
        auto after = sineBuffer (2, 2048, 48000.0, 440.0f, 0.5f, 2048);
        process (processor, after);
        return after;
    }

    void expectSame (const juce::AudioBuffer<float>& a, const juce::AudioBuffer<float>& b)
    {
        for (int ch = 0; ch < 2; ++ch)
            for (int i = 0; i < a.getNumSamples(); ++i)
                ASSERT_EQ (a.getSample (ch, i), b.getSample (ch, i)) << ch << " " << i;
    }
}

// A restored state is in force from the first sample of the next block, where a parameter
// change alone ramps over it.
TEST (ProcessorRestore, ARestoredStateIsInForceFromTheFirstSample)
{
    const auto restored = blockAfterRestore ([] (OndrellaAudioProcessor& processor)
    {
        const auto state = stateWith ({ { ParameterIndex::dryWetMix, 0.0f }, { ParameterIndex::inputGain, 1.0f } });
        processor.setStateInformation (state.getData(), (int) state.getSize());
    });

    const auto reference = dryReference();
    expectSame (restored, reference);

    const auto changed = blockAfterRestore ([] (OndrellaAudioProcessor& processor)
    {
        processor.setParameter (ParameterIndex::dryWetMix, 0.0f);
    });

    EXPECT_NE (changed.getSample (0, 200), reference.getSample (0, 200));
    EXPECT_EQ (changed.getSample (0, 2047), reference.getSample (0, 2047));
}

//==============================================================================
TEST (ProcessorBypass, BypassedAudioIsDelayedByTheReportedLatency)
{
    for (const auto rate : { 44100.0, 96000.0 })
    {
        OndrellaAudioProcessor processor;
        processor.prepareToPlay (rate, 512);
        const auto latency = processor.getLatencySamples();

        juce::AudioBuffer<float> buffer (2, 512);
        buffer.clear();
        buffer.setSample (0, 0, 1.0f);
        buffer.setSample (1, 3, -1.0f);

        juce::MidiBuffer midi;
        processor.processBlockBypassed (buffer, midi);

        EXPECT_EQ (firstNonZero (buffer, 0), latency) << rate;
        EXPECT_EQ (firstNonZero (buffer, 1), latency + 3) << rate;
        EXPECT_EQ (buffer.getSample (0, latency), 1.0f);
        EXPECT_EQ (buffer.getSample (1, latency + 3), -1.0f);
    }
}
