// Saved state through the hosted LV2, as a host stores it in a session and restores it.
#include "HostedPlugin.h"

using namespace HostedPlugin;

namespace
{
    // Parameter changes travel between an LV2 and its host with the audio blocks.
    void exchangeParameters (juce::AudioProcessor& plugin)
    {
        juce::AudioBuffer<float> buffer (2, 512);
        juce::MidiBuffer midi;

        for (int block = 0; block < 2; ++block)
        {
            buffer.clear();
            plugin.processBlock (buffer, midi);
        }
    }

    // The host keeps the plug-in's own state as one quoted string in the saved session.
    struct SavedSession
    {
        juce::String before, stateString, after;

        static SavedSession from (juce::AudioProcessor& plugin)
        {
            juce::MemoryBlock saved;
            plugin.getStateInformation (saved);
            const auto text = saved.toString();

            const auto key = text.indexOf (":StateString> \"");
            const auto start = text.indexOfChar (key, '"') + 1;
            const auto end = text.indexOfChar (start, '"');

            if (key < 0 || end < 0)
                return {};

            return { text.substring (0, start), text.substring (start, end), text.substring (end) };
        }

        juce::MemoryBlock withStateString (const juce::String& replacement) const
        {
            const auto text = before + replacement + after;
            return { text.toRawUTF8(), text.getNumBytesAsUTF8() };
        }
    };
}

TEST (Lv2State, HostRestoresTheParametersItSaved)
{
    auto plugin = loadBuiltLv2Plugin();
    ASSERT_NE (plugin, nullptr);
    ASSERT_NE (plugin->getBypassParameter(), nullptr);
    ASSERT_EQ (ownParameters (*plugin).size(), 16);

    plugin->prepareToPlay (48000.0, 512);
    setAll (*plugin, chosen);
    exchangeParameters (*plugin);
    juce::MemoryBlock saved;
    plugin->getStateInformation (saved);

    auto reopened = loadBuiltLv2Plugin();
    ASSERT_NE (reopened, nullptr);
    reopened->prepareToPlay (48000.0, 512);
    reopened->setStateInformation (saved.getData(), (int) saved.getSize());
    exchangeParameters (*reopened);
    expectNear (valuesOf (*reopened), chosen, "reopened");
}

TEST (Lv2State, StateStringsWithSizesTheirTextCannotHoldAreRefused)
{
    auto plugin = loadBuiltLv2Plugin();
    ASSERT_NE (plugin, nullptr);
    plugin->prepareToPlay (48000.0, 512);
    setAll (*plugin, chosen);
    exchangeParameters (*plugin);

    const auto session = SavedSession::from (*plugin);
    ASSERT_TRUE (session.stateString.startsWith ("64.")) << session.stateString;
    const auto base64 = session.stateString.fromFirstOccurrenceOf (".", false, false);

    for (const auto& damaged : { "-1." + base64, "3000000000." + base64, "2147483648." + base64,
                                 "4294967295." + base64, "65." + base64, "1000000." + base64,
                                 juce::String ("-1."), juce::String ("3000000000."), juce::String ("garbage") })
    {
        const auto state = session.withStateString (damaged);
        plugin->setStateInformation (state.getData(), (int) state.getSize());
        exchangeParameters (*plugin);

        expectNear (valuesOf (*plugin), chosen, damaged.substring (0, 16));
        expectParametersFiniteAndInRange (*plugin, damaged.substring (0, 16));
        expectFiniteAudio (*plugin, damaged.substring (0, 16));
    }

    plugin->releaseResources();
}
