// Writes the factory presets from the readable table, each through the plug-in's own state and
// preset file code, into a folder laid out as the machine's "Factory Presets" folder:
//
//     ondrella_factory_presets <table> <output folder> <scratch home>
//
// The output folder is replaced whole on every run; it must be new or one this program made.
// The processor it builds looks for preset folders, so HOME points at a scratch folder first and
// the machine's folder at an empty one: the build never touches the user's or the machine's files.

#include <cstdlib>
#include <iostream>

#include "processor/OndrellaAudioProcessor.h"
#include "processor/PresetFile.h"
#include "FactoryPresetTable.h"

namespace
{
    const char* const stampName = ".ondrella-factory-presets";

    int failWith (const juce::String& message)
    {
        std::cerr << "ondrella_factory_presets: " << message << std::endl;
        return 1;
    }

    bool prepareOutputFolder (const juce::File& output)
    {
        if (output.exists())
        {
            if (! output.getChildFile (stampName).existsAsFile() || ! output.deleteRecursively())
                return false;
        }

        return output.createDirectory().wasOk() && output.getChildFile (stampName).create().wasOk();
    }
}

int main (int argc, char** argv)
{
    if (argc != 4)
        return failWith ("usage: ondrella_factory_presets <table> <output folder> <scratch home>");

    const juce::File tableFile (juce::File::getCurrentWorkingDirectory().getChildFile (argv[1]));
    const juce::File output (juce::File::getCurrentWorkingDirectory().getChildFile (argv[2]));
    const juce::File scratchHome (juce::File::getCurrentWorkingDirectory().getChildFile (argv[3]));

    if (! scratchHome.createDirectory().wasOk()
         || ::setenv ("HOME", scratchHome.getFullPathName().toRawUTF8(), 1) != 0)
        return failWith ("cannot use the scratch home " + scratchHome.getFullPathName());

    juce::ScopedJuceInitialiser_GUI juceInitialiser;
    AppDataFolders::setMachineDataRootForTesting (scratchHome.getChildFile ("machine"));

    juce::Array<FactoryPreset> presets;
    juce::String error;

    if (! tableFile.existsAsFile() || ! parseFactoryPresetTable (tableFile.loadFileAsString(), presets, error))
        return failWith (tableFile.getFullPathName() + ": " + (error.isEmpty() ? juce::String ("cannot read") : error));

    if (! prepareOutputFolder (output))
        return failWith ("cannot replace " + output.getFullPathName());

    OndrellaAudioProcessor processor;

    for (const auto& preset : presets)
    {
        for (int i = 0; i < numParameters; ++i)
            processor.setParameter (i, preset.values[(size_t) i]);

        juce::MemoryBlock stateBlob;
        processor.writeState (stateBlob, true);

        const auto folder = output.getChildFile (preset.folderName);
        const auto target = folder.getChildFile (preset.fileName + ".ondpreset");

        if (! folder.createDirectory().wasOk() || ! PresetFileHeader::writePresetFile (target, stateBlob))
            return failWith ("cannot write " + target.getFullPathName());
    }

    std::cout << "ondrella_factory_presets: wrote " << presets.size() << " presets to "
              << output.getFullPathName() << std::endl;
    return 0;
}
