#include "HostedPlugin.h"

using namespace HostedPlugin;

TEST (Vst3Hosting, BundleDescribesTheEffect)
{
    juce::VST3PluginFormat format;
    juce::OwnedArray<juce::PluginDescription> descriptions;
    format.findAllTypesForFile (descriptions, ONDRELLA_VST3_BUNDLE);

    ASSERT_EQ (descriptions.size(), 1);
    const auto& description = *descriptions[0];
    EXPECT_EQ (description.name, "Ondrella");
    EXPECT_EQ (description.manufacturerName, "Morvellan");
    EXPECT_EQ (description.version, "1.2.2");
    EXPECT_FALSE (description.isInstrument);
}

TEST (Vst3Hosting, InstanceExposesSixteenParametersAndItsLayouts)
{
    auto plugin = loadBuiltPlugin();
    ASSERT_NE (plugin, nullptr);

    EXPECT_EQ (plugin->getName(), "Ondrella");

    const auto& parameters = plugin->getParameters();
    const char* const names[] = { "INPUT GAIN", "OUTPUT GAIN", "DRY/WET MIX", "MOTOR QUALITY", "HEAD QUALITY",
                                  "TAPE QUALITY", "NOISE", "TAPE", "CROSSBLEED", "EQ B1 GAIN", "EQ B2 GAIN",
                                  "EQ B3 GAIN", "EQ B4 GAIN", "NOISE TYPE", "NOISE LEVEL", "HEAD TILT" };

    // The wrapper may add its own bypass parameter after ours.
    ASSERT_GE (parameters.size(), 16);
    int automatable = 0;
    for (int i = 0; i < 16; ++i)
    {
        EXPECT_EQ (parameters[i]->getName (100), juce::String (names[i]));
        automatable += parameters[i]->isAutomatable() ? 1 : 0;
    }
    EXPECT_EQ (automatable, 16);
    EXPECT_NEAR (parameters[0]->getDefaultValue(), 48.0f / 72.0f, 1.0e-6f);
    EXPECT_NEAR (parameters[15]->getDefaultValue(), 0.5f, 1.0e-6f);

    EXPECT_TRUE (plugin->checkBusesLayoutSupported (makeLayout (juce::AudioChannelSet::stereo(), juce::AudioChannelSet::stereo())));
    EXPECT_TRUE (plugin->checkBusesLayoutSupported (makeLayout (juce::AudioChannelSet::mono(), juce::AudioChannelSet::mono())));
    EXPECT_FALSE (plugin->checkBusesLayoutSupported (makeLayout (juce::AudioChannelSet::mono(), juce::AudioChannelSet::stereo())));
    EXPECT_FALSE (plugin->checkBusesLayoutSupported (makeLayout (juce::AudioChannelSet::stereo(), juce::AudioChannelSet::mono())));
}

TEST (Vst3Hosting, ReportsLatencyForTheHostRate)
{
    auto plugin = loadBuiltPlugin();
    ASSERT_NE (plugin, nullptr);

    for (const auto& [rate, expected] : { std::pair { 44100.0, 92 }, { 48000.0, 100 }, { 96000.0, 196 }, { 32000.0, 92 } })
    {
        plugin->releaseResources();
        plugin->prepareToPlay (rate, 512);
        EXPECT_TRUE (reportsLatency (*plugin, expected)) << rate << ": " << plugin->getLatencySamples();
    }

    plugin->releaseResources();
}
