#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

#include <gtest/gtest.h>

namespace HostedPlugin
{
    /** Loads the VST3 bundle the build produced, the way a host does. */
    inline std::unique_ptr<juce::AudioPluginInstance> loadBuiltPlugin (double sampleRate = 48000.0, int blockSize = 512)
    {
        juce::VST3PluginFormat format;
        juce::OwnedArray<juce::PluginDescription> descriptions;
        format.findAllTypesForFile (descriptions, ONDRELLA_VST3_BUNDLE);

        if (descriptions.isEmpty())
            return {};

        juce::String error;
        auto instance = format.createInstanceFromDescription (*descriptions[0], sampleRate, blockSize, error);
        EXPECT_TRUE (error.isEmpty()) << error;
        return instance;
    }

    /** A VST3 reports changed latency through the message loop. */
    inline void runMessageLoop (int milliseconds = 200)
    {
        juce::MessageManager::getInstance()->runDispatchLoopUntil (milliseconds);
    }

    inline juce::AudioProcessor::BusesLayout makeLayout (const juce::AudioChannelSet& in, const juce::AudioChannelSet& out)
    {
        juce::AudioProcessor::BusesLayout layout;
        layout.inputBuses.add (in);
        layout.outputBuses.add (out);
        return layout;
    }
}
