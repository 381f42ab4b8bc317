#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

#include <gtest/gtest.h>

#include <cmath>

namespace HostedPlugin
{
    /** The first plug-in a format finds for a file or identifier, made the way a host makes it. */
    inline std::unique_ptr<juce::AudioPluginInstance> loadFirstFound (juce::AudioPluginFormat& format, const juce::String& fileOrIdentifier,
                                                                      double sampleRate, int blockSize)
    {
        juce::OwnedArray<juce::PluginDescription> descriptions;
        format.findAllTypesForFile (descriptions, fileOrIdentifier);

        if (descriptions.isEmpty())
            return {};

        juce::String error;
        auto instance = format.createInstanceFromDescription (*descriptions[0], sampleRate, blockSize, error);
        EXPECT_TRUE (error.isEmpty()) << error;
        return instance;
    }

    /** Loads the VST3 bundle the build produced, the way a host does. */
    inline std::unique_ptr<juce::AudioPluginInstance> loadBuiltPlugin (double sampleRate = 48000.0, int blockSize = 512)
    {
        juce::VST3PluginFormat format;
        return loadFirstFound (format, ONDRELLA_VST3_BUNDLE, sampleRate, blockSize);
    }

   #ifdef ONDRELLA_LV2_BUNDLE
    /** Loads the LV2 bundle the build produced, found by the folder it was built into. */
    inline std::unique_ptr<juce::AudioPluginInstance> loadBuiltLv2Plugin (double sampleRate = 48000.0, int blockSize = 512)
    {
        juce::LV2PluginFormat format;
        const auto folder = juce::File (ONDRELLA_LV2_BUNDLE).getParentDirectory();
        format.searchPathsForPlugins (juce::FileSearchPath (folder.getFullPathName()), false, false);

        return loadFirstFound (format, ONDRELLA_LV2_URI, sampleRate, blockSize);
    }
   #endif

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

    /** After a restore, whatever it held: every parameter a host sees is finite and within 0..1. */
    inline void expectParametersFiniteAndInRange (juce::AudioProcessor& plugin, const juce::String& context)
    {
        for (auto* parameter : plugin.getParameters())
        {
            const auto value = parameter->getValue();
            EXPECT_TRUE (std::isfinite (value) && value >= 0.0f && value <= 1.0f)
                << context << ": " << parameter->getName (100) << " = " << value;
        }
    }

    /** Plays a few blocks of a loud stereo signal and checks that everything that comes back is finite. */
    inline void expectFiniteAudio (juce::AudioProcessor& plugin, const juce::String& context)
    {
        juce::AudioBuffer<float> buffer (2, 512);
        juce::MidiBuffer midi;
        bool finite = true;

        for (int block = 0; block < 4; ++block)
        {
            for (int ch = 0; ch < buffer.getNumChannels(); ++ch)
                for (int i = 0; i < buffer.getNumSamples(); ++i)
                    buffer.setSample (ch, i, (i % 64) < 32 ? 0.9f : -0.9f);

            plugin.processBlock (buffer, midi);

            for (int ch = 0; ch < buffer.getNumChannels(); ++ch)
                for (int i = 0; i < buffer.getNumSamples(); ++i)
                    finite = finite && std::isfinite (buffer.getSample (ch, i));
        }

        EXPECT_TRUE (finite) << context;
    }

    /** Shows a hosted plug-in's editor in a window of the host's own at a known place, and hands
        it back as a host does when the window goes.
    */
    struct HostWindow
    {
        explicit HostWindow (juce::AudioProcessor& p)
            : plugin (p), editor (p.createEditorIfNeeded())
        {
            if (editor != nullptr)
            {
                editor->setTopLeftPosition (40, 40);
                editor->addToDesktop (0);
                editor->setVisible (true);
                runMessageLoop (1500);
            }
        }

        ~HostWindow()
        {
            if (editor != nullptr)
                plugin.editorBeingDeleted (editor.get());

            editor.reset();
            runMessageLoop (200);
        }

        juce::Point<int> onScreen (juce::Point<int> p) const   { return editor->getScreenPosition() + p; }

        juce::AudioProcessor& plugin;
        std::unique_ptr<juce::AudioProcessorEditor> editor;
    };
}
