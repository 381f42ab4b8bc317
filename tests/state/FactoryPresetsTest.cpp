// The factory presets the build generates from tools/factory-presets.txt, read back as the plug-in reads them.
#include "StateTestSupport.h"

#include "tools/FactoryPresetTable.h"

class FactoryPresets  : public SandboxedTest
{
protected:
    void SetUp() override
    {
        SandboxedTest::SetUp();

        const juce::File generated (ONDRELLA_FACTORY_PRESET_DIR);
        ASSERT_TRUE (generated.isDirectory()) << generated.getFullPathName();
        ASSERT_TRUE (factoryRoot().getParentDirectory().createDirectory().wasOk());
        ASSERT_TRUE (generated.copyDirectoryTo (factoryRoot()));

        juce::String error;
        ASSERT_TRUE (parseFactoryPresetTable (juce::File (ONDRELLA_FACTORY_PRESET_TABLE).loadFileAsString(), table, error)) << error;
    }

    juce::Array<FactoryPreset> table;
};

TEST_F (FactoryPresets, NewInstanceStartsOnOndrellaWithTheTableDefaults)
{
    OndrellaAudioProcessor processor;
    const auto& store = processor.presetStore;
    const auto& current = store.currentPreset;

    ASSERT_TRUE (current.valid);
    EXPECT_EQ (current.name, "ONDRELLA");
    EXPECT_EQ (store.folders[current.folder].name, "Factory Presets");
    EXPECT_EQ (current.folder, 0);
    EXPECT_EQ (parameterValues (processor), tableDefaults());
}

TEST_F (FactoryPresets, EveryGeneratedFileIsAcceptedAndHoldsItsTableValues)
{
    OndrellaAudioProcessor processor;
    const auto& store = processor.presetStore;

    int listed = 0;

    for (const auto& preset : table)
    {
        const auto folderName = PresetStore::presetDisplayName (preset.folderName, false);
        const auto presetName = PresetStore::presetDisplayName (preset.fileName + ".ondpreset", false);
        bool found = false;

        for (const auto& folder : store.folders)
        {
            for (const auto& entry : folder.entries)
            {
                if (folder.name != folderName || entry.name != presetName)
                    continue;

                found = true;
                ++listed;

                auto data = store.loadPresetData (entry.folder, entry.index);
                ASSERT_NE (data, nullptr);
                EXPECT_EQ (data->getSize(), 80u);
                ASSERT_TRUE (PresetFileHeader::extractStateBlob (*data));
                processor.readState (data->getData(), (int) data->getSize(), true);

                for (int i = 0; i < numParameters; ++i)
                    EXPECT_EQ (parameterValues (processor)[(size_t) i], preset.values[(size_t) i]) << presetName << " " << i;
            }
        }

        EXPECT_TRUE (found) << folderName << " / " << presetName;
    }

    // Nothing listed that the table does not hold, and no two presets alike.
    int entries = 0;
    for (const auto& folder : store.folders)
        entries += folder.entries.size();

    EXPECT_EQ (listed, table.size());
    EXPECT_EQ (entries, table.size());

    for (int a = 0; a < table.size(); ++a)
        for (int b = a + 1; b < table.size(); ++b)
            EXPECT_NE (table[a].values, table[b].values) << table[a].fileName << " / " << table[b].fileName;
}

TEST_F (FactoryPresets, TableReaderRefusesMistakes)
{
    juce::Array<FactoryPreset> presets;
    juce::String error;

    EXPECT_FALSE (parseFactoryPresetTable ("INPUT GAIN = 1 dB\n", presets, error));
    EXPECT_FALSE (parseFactoryPresetTable ("[01_A/01_B]\nINPUT GAIN = 1 %\n", presets, error));
    EXPECT_FALSE (parseFactoryPresetTable ("[01_A/01_B]\nINPUT GAIN = 30 dB\n", presets, error));
    EXPECT_FALSE (parseFactoryPresetTable ("[01_A/01_B]\nTAPE = GOLD\n", presets, error));
    EXPECT_FALSE (parseFactoryPresetTable ("[01_A/01_B]\nNO SUCH = 1 dB\n", presets, error));
    EXPECT_FALSE (parseFactoryPresetTable ("[01_A/01_B]\nNOISE = OFF\nNOISE = LOW\n", presets, error));
    EXPECT_FALSE (parseFactoryPresetTable ("[A/01_B]\n", presets, error));
    EXPECT_TRUE (error.startsWith ("line 1")) << error;

    presets.clear();
    ASSERT_TRUE (parseFactoryPresetTable ("# c\n[01_A/01_B]\nINPUT GAIN = -12 dB # trim\nHEAD TILT = -50 %\nTAPE = METAL\n", presets, error)) << error;
    ASSERT_EQ (presets.size(), 1);
    EXPECT_FLOAT_EQ (presets[0].values[ParameterIndex::inputGain], 0.5f);
    EXPECT_FLOAT_EQ (presets[0].values[ParameterIndex::headTilt], 0.25f);
    EXPECT_EQ (presets[0].values[ParameterIndex::tape], 0.2f);
    EXPECT_EQ (presets[0].values[ParameterIndex::outputGain], parameterDefinitions[1].normalisedDefault());
}
