// A user loading a factory preset from the browser of the built VST3, clicking on the real
// screen. The bundle (built with the tests) finds the build's factory presets in a machine folder
// of the test's own; the real machine folder is never read.

#include "HostedPlugin.h"
#include "X11Desktop.h"
#include "support/Artefacts.h"

#include <cstdlib>

using namespace HostedPlugin;

namespace
{
    // Where things are on the deck at 667 x 300: the preset bar on the cassette's label, and the
    // rows of the open browser (24 pixels each, the first centred 86 pixels down).
    const juce::Point<int> presetBar { 155, 57 };
    juce::Point<int> folderRow (int row)   { return { 149, 86 + 24 * row }; }
    juce::Point<int> presetRow (int row)   { return { 301, 86 + 24 * row }; }

    juce::Array<juce::File> sortedChildren (const juce::File& folder, int kind, const juce::String& pattern)
    {
        auto children = folder.findChildFiles (kind, false, pattern);
        children.sort();
        return children;
    }

    /** The sixteen values of a preset file: a 16-byte header, then little-endian floats. */
    std::vector<float> valuesOf (const juce::File& presetFile)
    {
        juce::MemoryBlock content;
        presetFile.loadFileAsData (content);
        std::vector<float> values;

        juce::MemoryInputStream in (content, false);
        in.skipNextBytes (16);

        for (int i = 0; i < 16 && in.getNumBytesRemaining() >= 4; ++i)
            values.push_back (in.readFloat());

        return values;
    }
}

TEST (HostedPresets, ClicksOnTheBarAFactoryFolderAndAPresetLoadThatPreset)
{
    const juce::File machineRoot (ONDRELLA_TEST_MACHINE_ROOT);
    const auto factory = machineRoot.getChildFile ("Application Support/Morvellan/Ondrella/Factory Presets");
    const auto categories = sortedChildren (factory, juce::File::findDirectories, "*");
    ASSERT_GE (categories.size(), 2) << "no factory presets at " << factory.getFullPathName();

    // Folder row 1 is the first category after "Factory Presets"; its second preset is the one loaded.
    const auto presets = sortedChildren (categories[1], juce::File::findFiles, "*.ondpreset");
    ASSERT_GE (presets.size(), 2);
    const auto expected = valuesOf (presets[1]);
    ASSERT_EQ (expected.size(), 16u);

    // Read when the plug-in's preset store is made, with the instance.
    struct MachineRoot
    {
        explicit MachineRoot (const juce::File& root)
        {
            setenv (name, root.getFullPathName().toRawUTF8(), 1);
        }

        ~MachineRoot()    { setenv (name, previous.toRawUTF8(), 1); }

        const char* const name = "ONDRELLA_TEST_MACHINE_DATA_ROOT";
        const juce::String previous = juce::SystemStats::getEnvironmentVariable (name, {});
    } pointedAt (machineRoot);

    auto plugin = loadBuiltPlugin();
    ASSERT_NE (plugin, nullptr);
    HostWindow window (*plugin);
    ASSERT_NE (window.editor, nullptr);
    ASSERT_TRUE (window.shown);

    // A user's clicks: the bar opens the browser over the deck, then a folder, then a preset.
    for (auto point : { presetBar, folderRow (1), presetRow (1) })
        X11Desktop::clickAt (window.onScreen (point));

    const auto firstDifference = [&] {   // the first parameter that is not as the file has it, or 16
        int i = 0;
        while (i < 16 && std::abs (plugin->getParameters()[i]->getValue() - expected[(size_t) i]) <= 1.0e-6f)
            ++i;
        return i;
    };

    EXPECT_TRUE (TestSupport::runMessagesUntil ([&] { return firstDifference() == 16; }))
        << "parameter " << firstDifference() << " is not as in " << presets[1].getFileName();

    const auto picked = [] (auto& shot) { return shot.getPixelAt (presetRow (1).x + 130, presetRow (1).y) == juce::Colour (0xff555555); };
    EXPECT_TRUE (window.waitForScreen (picked)) << "the list does not show the preset as picked";
    TestSupport::saveArtefact (window.picture, "vst3-preset-browser.png");
}
