// Saved state through the hosted VST3, as a host stores and restores it with a project.
#include "HostedPlugin.h"

#include <cstdlib>

// Every instance looks for its preset folders below HOME, which the test main points at a
// fresh temporary folder before any test loads the plug-in.

namespace
{
    std::vector<float> firstSixteen (juce::AudioProcessor& plugin)
    {
        std::vector<float> values;

        for (int i = 0; i < 16; ++i)
            values.push_back (plugin.getParameters()[i]->getValue());

        return values;
    }

    void setAll (juce::AudioProcessor& plugin, const std::vector<float>& values)
    {
        for (int i = 0; i < 16; ++i)
            plugin.getParameters()[i]->setValueNotifyingHost (values[(size_t) i]);
    }

    void expectNear (const std::vector<float>& actual, const std::vector<float>& expected)
    {
        ASSERT_EQ (actual.size(), expected.size());

        for (size_t i = 0; i < actual.size(); ++i)
            EXPECT_NEAR (actual[i], expected[i], 1.0e-6f) << "parameter " << i;
    }

    const std::vector<float> chosen { 0.25f, 0.8f, 0.5f, 0.3f, 0.9f, 0.1f, 0.1f, 0.2f,
                                      0.6f, 0.0f, 1.0f, 0.45f, 0.55f, 0.7f, 0.35f, 0.15f };
}

TEST (Vst3State, HostRestoresTheParametersItSaved)
{
    auto plugin = HostedPlugin::loadBuiltPlugin();
    ASSERT_NE (plugin, nullptr);
    ASSERT_GE (plugin->getParameters().size(), 16);

    setAll (*plugin, chosen);
    expectNear (firstSixteen (*plugin), chosen);

    juce::MemoryBlock saved;
    plugin->getStateInformation (saved);
    ASSERT_GT (saved.getSize(), 0u);

    setAll (*plugin, std::vector<float> (16, 0.0f));
    expectNear (firstSixteen (*plugin), std::vector<float> (16, 0.0f));

    plugin->setStateInformation (saved.getData(), (int) saved.getSize());
    expectNear (firstSixteen (*plugin), chosen);

    // A new instance, as when a project is reopened.
    auto reopened = HostedPlugin::loadBuiltPlugin();
    ASSERT_NE (reopened, nullptr);
    reopened->setStateInformation (saved.getData(), (int) saved.getSize());
    expectNear (firstSixteen (*reopened), chosen);
}

TEST (Vst3State, PluginKeepsItsFoldersBelowTheHomeItIsGiven)
{
    auto plugin = HostedPlugin::loadBuiltPlugin();
    ASSERT_NE (plugin, nullptr);

    const auto* home = std::getenv ("HOME");
    ASSERT_NE (home, nullptr);
    EXPECT_TRUE (juce::String (home).contains ("ondrella-")) << home;

    const auto userFolder = juce::File (home).getChildFile (".config/Application Support/Morvellan/Ondrella");
    EXPECT_TRUE (userFolder.isDirectory()) << userFolder.getFullPathName();
}
