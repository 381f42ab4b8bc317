// Saved state through the hosted VST3, as a host stores and restores it with a project.
#include "HostedPlugin.h"

#include <cstdlib>

// Every instance looks for its preset folders below HOME, which the test main points at a
// fresh temporary folder before any test loads the plug-in.

using namespace HostedPlugin;

TEST (Vst3State, HostRestoresTheParametersItSaved)
{
    auto plugin = loadBuiltPlugin();
    ASSERT_NE (plugin, nullptr);
    ASSERT_EQ (ownParameters (*plugin).size(), 16);

    setAll (*plugin, chosen);
    expectNear (valuesOf (*plugin), chosen);

    juce::MemoryBlock saved;
    plugin->getStateInformation (saved);
    ASSERT_GT (saved.getSize(), 0u);

    setAll (*plugin, std::vector<float> (16, 0.0f));
    expectNear (valuesOf (*plugin), std::vector<float> (16, 0.0f));

    plugin->setStateInformation (saved.getData(), (int) saved.getSize());
    expectNear (valuesOf (*plugin), chosen);

    // A new instance, as when a project is reopened.
    auto reopened = loadBuiltPlugin();
    ASSERT_NE (reopened, nullptr);
    reopened->setStateInformation (saved.getData(), (int) saved.getSize());
    expectNear (valuesOf (*reopened), chosen);
}

TEST (Vst3State, PluginKeepsItsFoldersBelowTheHomeItIsGiven)
{
    auto plugin = loadBuiltPlugin();
    ASSERT_NE (plugin, nullptr);

    const auto* home = std::getenv ("HOME");
    ASSERT_NE (home, nullptr);
    EXPECT_TRUE (juce::String (home).contains ("ondrella-")) << home;

    const auto userFolder = juce::File (home).getChildFile (".config/Application Support/Morvellan/Ondrella");
    EXPECT_TRUE (userFolder.isDirectory()) << userFolder.getFullPathName();
}
