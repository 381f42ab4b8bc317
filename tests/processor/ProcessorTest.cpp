#include "processor/OndrellaAudioProcessor.h"
#include "processor/ParameterTable.h"

#include <gtest/gtest.h>

namespace
{
    using Set = juce::AudioChannelSet;

    juce::AudioProcessor::BusesLayout makeLayout (const Set& input, const Set& output)
    {
        juce::AudioProcessor::BusesLayout layout;
        layout.inputBuses.add (input);
        layout.outputBuses.add (output);
        return layout;
    }

    constexpr juce::int32 code (const char (&text)[5])
    {
        return (juce::int32) (((juce::uint32) (juce::uint8) text[0] << 24) | ((juce::uint32) (juce::uint8) text[1] << 16)
                              | ((juce::uint32) (juce::uint8) text[2] << 8) | (juce::uint32) (juce::uint8) text[3]);
    }

    struct RecordingListener  : juce::AudioProcessorListener
    {
        void audioProcessorParameterChanged (juce::AudioProcessor*, int index, float value) override
        {
            parameterChanges.push_back ({ index, value });
        }

        void audioProcessorChanged (juce::AudioProcessor*, const ChangeDetails& details) override
        {
            if (details.latencyChanged)
                ++latencyChanges;
        }

        std::vector<std::pair<int, float>> parameterChanges;
        int latencyChanges = 0;
    };
}

TEST (Processor, DeclaresItsIdentity)
{
    OndrellaAudioProcessor processor;
    EXPECT_EQ (processor.getName(), "Ondrella");
    EXPECT_EQ (processor.getTailLengthSeconds(), 0.0);
    EXPECT_FALSE (processor.acceptsMidi());
    EXPECT_FALSE (processor.producesMidi());
    EXPECT_FALSE (processor.isMidiEffect());
    EXPECT_TRUE (processor.hasEditor());
    EXPECT_FALSE (processor.supportsDoublePrecisionProcessing());
    EXPECT_EQ (processor.getLatencySamples(), 0);

    EXPECT_STREQ (JucePlugin_Manufacturer, "Morvellan");
    EXPECT_EQ (JucePlugin_ManufacturerCode, code ("Morv"));
    EXPECT_EQ (JucePlugin_PluginCode, 0x526e7474);
    EXPECT_STREQ (JucePlugin_VersionString, "1.2.2");
    EXPECT_EQ (JucePlugin_VersionCode, 0x10202);

    ASSERT_EQ (processor.getBusCount (true), 1);
    ASSERT_EQ (processor.getBusCount (false), 1);
    EXPECT_EQ (processor.getBus (true, 0)->getName(), "Input");
    EXPECT_EQ (processor.getBus (false, 0)->getName(), "Output");
    EXPECT_EQ (processor.getMainBusNumInputChannels(), 2);
    EXPECT_EQ (processor.getMainBusNumOutputChannels(), 2);
}

TEST (Processor, AcceptsOnlyMatchingMonoOrStereoLayouts)
{
    OndrellaAudioProcessor processor;

    EXPECT_TRUE (processor.checkBusesLayoutSupported (makeLayout (Set::mono(), Set::mono())));
    EXPECT_TRUE (processor.checkBusesLayoutSupported (makeLayout (Set::stereo(), Set::stereo())));

    EXPECT_FALSE (processor.checkBusesLayoutSupported (makeLayout (Set::mono(), Set::stereo())));
    EXPECT_FALSE (processor.checkBusesLayoutSupported (makeLayout (Set::stereo(), Set::mono())));
    EXPECT_FALSE (processor.checkBusesLayoutSupported (makeLayout (Set::disabled(), Set::stereo())));
    EXPECT_FALSE (processor.checkBusesLayoutSupported (makeLayout (Set::stereo(), Set::disabled())));
    EXPECT_FALSE (processor.checkBusesLayoutSupported (makeLayout (Set::create5point1(), Set::create5point1())));
    EXPECT_FALSE (processor.checkBusesLayoutSupported (makeLayout (Set::quadraphonic(), Set::quadraphonic())));

    // A refused layout leaves the buses as they were; an accepted one is applied whole.
    EXPECT_FALSE (processor.setBusesLayout (makeLayout (Set::mono(), Set::stereo())));
    EXPECT_EQ (processor.getMainBusNumInputChannels(), 2);
    EXPECT_EQ (processor.getMainBusNumOutputChannels(), 2);

    EXPECT_TRUE (processor.setBusesLayout (makeLayout (Set::mono(), Set::mono())));
    EXPECT_EQ (processor.getMainBusNumInputChannels(), 1);
    EXPECT_EQ (processor.getMainBusNumOutputChannels(), 1);
}

TEST (Processor, AaxPluginIdsFollowTheMainInput)
{
    OndrellaAudioProcessor processor;

    EXPECT_EQ (processor.getAAXPluginIDForMainBusConfig (Set::mono(), Set::mono(), false), code ("jcaa"));
    EXPECT_EQ (processor.getAAXPluginIDForMainBusConfig (Set::stereo(), Set::stereo(), false), code ("jcab"));
    EXPECT_EQ (processor.getAAXPluginIDForMainBusConfig (Set::mono(), Set::stereo(), false), code ("jcaa"));
    EXPECT_EQ (processor.getAAXPluginIDForMainBusConfig (Set::create5point1(), Set::stereo(), false), code ("jcab"));

    for (const auto& set : { Set::mono(), Set::stereo(), Set::create5point1() })
        EXPECT_EQ (processor.getAAXPluginIDForMainBusConfig (set, set, true), code ("jyaa"));
}

TEST (Processor, ReportsLatencyOnlyWhenItChanges)
{
    OndrellaAudioProcessor processor;
    RecordingListener listener;
    processor.addListener (&listener);

    processor.prepareToPlay (32000.0, 512);
    EXPECT_EQ (processor.getLatencySamples(), 92);
    EXPECT_EQ (processor.engine.getSampleRate(), 44100.0f);
    EXPECT_EQ (listener.latencyChanges, 1);

    processor.prepareToPlay (44100.0, 512);
    EXPECT_EQ (processor.getLatencySamples(), 92);
    EXPECT_EQ (listener.latencyChanges, 1);

    processor.prepareToPlay (48000.0, 512);
    processor.prepareToPlay (48000.0, 64);
    EXPECT_EQ (processor.getLatencySamples(), 100);
    EXPECT_EQ (listener.latencyChanges, 2);

    processor.prepareToPlay (96000.0, 512);
    EXPECT_EQ (processor.getLatencySamples(), 196);
    EXPECT_EQ (listener.latencyChanges, 3);

    // A host handing over a nonsense rate gets the lowest rate's layout rather than a broken engine.
    processor.prepareToPlay (std::numeric_limits<double>::quiet_NaN(), 512);
    EXPECT_EQ (processor.getLatencySamples(), 92);

    processor.removeListener (&listener);
}

TEST (Processor, AnswersProgramCallsWithOneEmptyProgram)
{
    OndrellaAudioProcessor processor;
    EXPECT_EQ (processor.getNumPrograms(), 1);
    EXPECT_EQ (processor.getCurrentProgram(), 0);
    processor.setCurrentProgram (3);
    EXPECT_EQ (processor.getCurrentProgram(), 0);
    EXPECT_EQ (processor.getProgramName (5), juce::String());
    processor.changeProgramName (0, "Anything");
    EXPECT_EQ (processor.getProgramName (0), juce::String());
}

TEST (Processor, SetParameterIsSilentUntilTheChangeIsSent)
{
    OndrellaAudioProcessor processor;
    RecordingListener listener;
    processor.addListener (&listener);

    processor.setParameter (ParameterIndex::noise, 0.2f);
    EXPECT_FLOAT_EQ (processor.getParameters()[ParameterIndex::noise]->getValue(), 0.2f);
    processor.setParameter (ParameterIndex::noise, 0.0f);
    EXPECT_EQ (processor.getParameters()[ParameterIndex::noise]->getValue(), 0.0f);
    EXPECT_TRUE (listener.parameterChanges.empty());

    processor.sendParameterChange (ParameterIndex::noise, 0.0f);
    ASSERT_EQ (listener.parameterChanges.size(), 1u);
    EXPECT_EQ (listener.parameterChanges[0].first, ParameterIndex::noise);
    EXPECT_EQ (listener.parameterChanges[0].second, 0.0f);

    processor.removeListener (&listener);
}
