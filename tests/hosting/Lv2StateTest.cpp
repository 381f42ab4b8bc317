// Saved state through the hosted LV2, as a host stores it in a session and restores it.
#include "HostedPlugin.h"

using namespace HostedPlugin;

namespace
{
    // An LV2 host lists the plug-in's parameters in an order of its own, with the bypass switch
    // among them; the order is the same for every instance.
    juce::Array<juce::AudioProcessorParameter*> ownParameters (juce::AudioProcessor& plugin)
    {
        juce::Array<juce::AudioProcessorParameter*> own;

        for (auto* parameter : plugin.getParameters())
            if (parameter != plugin.getBypassParameter())
                own.add (parameter);

        return own;
    }

    std::vector<float> valuesOf (juce::AudioProcessor& plugin)
    {
        std::vector<float> values;

        for (auto* parameter : ownParameters (plugin))
            values.push_back (parameter->getValue());

        return values;
    }

    void setAll (juce::AudioProcessor& plugin, const std::vector<float>& values)
    {
        const auto own = ownParameters (plugin);

        for (int i = 0; i < own.size(); ++i)
            own[i]->setValueNotifyingHost (values[(size_t) i]);
    }

    void expectNear (const std::vector<float>& actual, const std::vector<float>& expected, const juce::String& context)
    {
        ASSERT_EQ (actual.size(), expected.size());

        for (size_t i = 0; i < actual.size(); ++i)
            EXPECT_NEAR (actual[i], expected[i], 1.0e-6f) << context << ", parameter " << i;
    }

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

    const std::vector<float> chosen { 0.25f, 0.8f, 0.5f, 0.3f, 0.9f, 0.1f, 0.1f, 0.2f,
                                      0.6f, 0.0f, 1.0f, 0.45f, 0.55f, 0.7f, 0.35f, 0.15f };

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
