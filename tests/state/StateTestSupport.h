#pragma once

#include "processor/AppDataFolders.h"
#include "processor/OndrellaAudioProcessor.h"
#include "processor/ParameterTable.h"
#include "processor/PresetFile.h"
#include "tests/support/StateBytes.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

/** Every test of this folder runs in a sandbox: HOME and the machine-wide data root point at fresh
    temporary folders, so nothing here reads or writes the real user or machine folders.
*/
class SandboxedTest  : public ::testing::Test
{
protected:
    void SetUp() override
    {
        sandbox = juce::File::createTempFile ("ondrella-state-test");
        ASSERT_TRUE (sandbox.createDirectory().wasOk());

        home = sandbox.getChildFile ("home");
        machineRoot = sandbox.getChildFile ("machine");
        ASSERT_TRUE (home.createDirectory().wasOk());
        ASSERT_TRUE (machineRoot.createDirectory().wasOk());

        if (const auto* old = std::getenv ("HOME"))
            previousHome = old;

        ::setenv ("HOME", home.getFullPathName().toRawUTF8(), 1);
        AppDataFolders::setMachineDataRootForTesting (machineRoot);
    }

    void TearDown() override
    {
        AppDataFolders::setMachineDataRootForTesting ({});

        if (previousHome.isNotEmpty())
            ::setenv ("HOME", previousHome.toRawUTF8(), 1);

        // Permission bits a test took away must not stop the clean-up.
        chmodAll (sandbox);
        sandbox.deleteRecursively();
    }

    //==============================================================================
    juce::File userDataFolder() const
    {
        return home.getChildFile (".config/Application Support/Morvellan/Ondrella");
    }

    juce::File userPresetsFolder() const    { return userDataFolder().getChildFile ("User Presets"); }

    juce::File factoryRoot() const
    {
        return machineRoot.getChildFile ("Application Support/Morvellan/Ondrella/Factory Presets");
    }

    /** A state blob holding the given normalised values (the rest are padded with 0.5). */
    static juce::MemoryBlock makeBlob (std::vector<float> values)
    {
        values.resize ((size_t) numParameters, 0.5f);
        return TestSupport::stateBytes (values);
    }

    static juce::File writeFile (const juce::File& file, const juce::MemoryBlock& bytes)
    {
        EXPECT_TRUE (file.getParentDirectory().createDirectory().wasOk());
        // Written in place: the framework's replaceWithData needs a longer temporary name than some tests allow.
        file.deleteFile();
        juce::FileOutputStream out (file);
        EXPECT_TRUE (out.openedOk()) << file.getFullPathName();
        out.write (bytes.getData(), bytes.getSize());
        out.flush();
        return file;
    }

    static juce::MemoryBlock contentOf (const juce::File& file)
    {
        juce::MemoryBlock content;
        file.loadFileAsData (content);
        return content;
    }

    /** Writes a header-form preset file holding the given values. */
    static juce::File writePreset (const juce::File& file, std::vector<float> values)
    {
        return writeFile (file, PresetFileHeader::makePresetFile (makeBlob (std::move (values))));
    }

    static std::vector<float> parameterValues (juce::AudioProcessor& processor)
    {
        std::vector<float> values;

        for (int i = 0; i < numParameters; ++i)
            values.push_back (processor.getParameters()[i]->getValue());

        return values;
    }

    static std::vector<float> tableDefaults()
    {
        std::vector<float> values;

        for (const auto& row : parameterDefinitions)
            values.push_back (row.normalisedDefault());

        return values;
    }

    juce::File sandbox, home, machineRoot;
    juce::String previousHome;

private:
    static void chmodAll (const juce::File& folder)
    {
        folder.setReadOnly (false, true);
    }
};
