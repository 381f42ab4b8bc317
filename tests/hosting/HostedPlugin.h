#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

#include "X11Desktop.h"
#include "support/MessagePump.h"

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

    /** Runs the message loop until the host sees this latency: a VST3 reports a change through it. */
    inline bool reportsLatency (juce::AudioProcessor& plugin, int latency)
    {
        return TestSupport::runMessagesUntil ([&] { return plugin.getLatencySamples() == latency; });
    }

    inline juce::AudioProcessor::BusesLayout makeLayout (const juce::AudioChannelSet& in, const juce::AudioChannelSet& out)
    {
        juce::AudioProcessor::BusesLayout layout;
        layout.inputBuses.add (in);
        layout.outputBuses.add (out);
        return layout;
    }

    /** The plug-in's own parameters as the host lists them, without the host's bypass switch. An
        LV2 host lists them in an order of its own, the same for every instance.
    */
    inline juce::Array<juce::AudioProcessorParameter*> ownParameters (juce::AudioProcessor& plugin)
    {
        juce::Array<juce::AudioProcessorParameter*> own;

        for (auto* parameter : plugin.getParameters())
            if (parameter != plugin.getBypassParameter())
                own.add (parameter);

        return own;
    }

    inline std::vector<float> valuesOf (juce::AudioProcessor& plugin)
    {
        std::vector<float> values;

        for (auto* parameter : ownParameters (plugin))
            values.push_back (parameter->getValue());

        return values;
    }

    inline void setAll (juce::AudioProcessor& plugin, const std::vector<float>& values)
    {
        const auto own = ownParameters (plugin);

        for (int i = 0; i < own.size(); ++i)
            own[i]->setValueNotifyingHost (values[(size_t) i]);
    }

    inline void expectNear (const std::vector<float>& actual, const std::vector<float>& expected, const juce::String& context = {})
    {
        ASSERT_EQ (actual.size(), expected.size());

        for (size_t i = 0; i < actual.size(); ++i)
            EXPECT_NEAR (actual[i], expected[i], 1.0e-6f) << context << ", parameter " << i;
    }

    /** Sixteen values unlike the defaults, for state to carry. */
    inline const std::vector<float> chosen { 0.25f, 0.8f, 0.5f, 0.3f, 0.9f, 0.1f, 0.1f, 0.2f,
                                             0.6f, 0.0f, 1.0f, 0.45f, 0.55f, 0.7f, 0.35f, 0.15f };

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

    /** Shows a hosted plug-in's editor in a window of the host's own at a known place, waits until
        the deck's plate shows on the screen, and hands it back as a host does when the window goes.
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
                shown = waitForScreen ([] (auto& shot) { return shot.getPixelAt (2, 290) == juce::Colour (0xffd9d9c4); });
            }
        }

        ~HostWindow()
        {
            if (editor != nullptr)
                plugin.editorBeingDeleted (editor.get());
        }

        juce::Point<int> onScreen (juce::Point<int> p) const   { return editor->getScreenPosition() + p; }

        /** Runs the message loop until the window's picture on the screen passes the check, and
            keeps the last picture taken. The plug-in draws in a copy of the framework of its own.
        */
        bool waitForScreen (const std::function<bool (const juce::Image&)>& check)
        {
            return TestSupport::runMessagesUntil ([&] { return check (picture = X11Desktop::grabScreen (editor->getScreenBounds())); });
        }

        juce::AudioProcessor& plugin;
        std::unique_ptr<juce::AudioProcessorEditor> editor;
        juce::Image picture;
        bool shown = false;
    };
}
