// Saved state through the hosted VST3, as a host stores and restores it with a project.
#include <juce_audio_processors/juce_audio_processors.h>

#include <gtest/gtest.h>

#include <cstdlib>

namespace
{
    /** Every instance this program loads looks for its preset folders below HOME, so HOME points at
        a temporary folder for the whole run, before any test loads the plug-in.
    */
    class TemporaryHome  : public ::testing::Environment
    {
    public:
        TemporaryHome()
        {
            char pattern[] = "/tmp/ondrella-hosting-home-XXXXXX";

            if (const auto* made = ::mkdtemp (pattern))
            {
                folder = made;
                ::setenv ("HOME", folder.c_str(), 1);
            }
        }

        void TearDown() override
        {
            if (! folder.empty())
                juce::File (folder).deleteRecursively();
        }

        std::string folder;
    };

    auto* const temporaryHome = static_cast<TemporaryHome*> (::testing::AddGlobalTestEnvironment (new TemporaryHome));

    std::unique_ptr<juce::AudioPluginInstance> loadPlugin()
    {
        juce::VST3PluginFormat format;
        juce::OwnedArray<juce::PluginDescription> descriptions;
        format.findAllTypesForFile (descriptions, ONDRELLA_VST3_BUNDLE);

        if (descriptions.isEmpty())
            return {};

        juce::String error;
        auto instance = format.createInstanceFromDescription (*descriptions[0], 48000.0, 512, error);
        EXPECT_TRUE (error.isEmpty()) << error;
        return instance;
    }

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
    ASSERT_FALSE (temporaryHome->folder.empty());

    auto plugin = loadPlugin();
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
    auto reopened = loadPlugin();
    ASSERT_NE (reopened, nullptr);
    reopened->setStateInformation (saved.getData(), (int) saved.getSize());
    expectNear (firstSixteen (*reopened), chosen);
}

TEST (Vst3State, PluginKeepsItsFoldersBelowTheHomeItIsGiven)
{
    auto plugin = loadPlugin();
    ASSERT_NE (plugin, nullptr);

    const auto userFolder = juce::File (temporaryHome->folder).getChildFile (".config/Application Support/Morvellan/Ondrella");
    EXPECT_TRUE (userFolder.isDirectory()) << userFolder.getFullPathName();
}
