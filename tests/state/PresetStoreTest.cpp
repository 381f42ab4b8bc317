// The preset store and its folders: locations, names, listings, scans, the default preset, and saving.
#include "StateTestSupport.h"

#include "processor/PresetStore.h"

#include <sys/stat.h>

class PresetStoreTest  : public SandboxedTest
{
protected:
    static juce::StringArray names (const PresetFolder& folder)
    {
        juce::StringArray result;

        for (const auto& entry : folder.entries)
            result.add (entry.name);

        return result;
    }

    static std::vector<float> valuesIn (const juce::File& file)
    {
        auto content = contentOf (file);
        EXPECT_TRUE (PresetFileHeader::extractStateBlob (content));
        std::vector<float> values;
        juce::MemoryInputStream in (content, false);

        while (in.getNumBytesRemaining() >= 4)
            values.push_back (in.readFloat());

        return values;
    }

    static int userFolderIndex (const PresetStore& store)    { return store.folders.size() - 1; }
};

//==============================================================================
TEST_F (PresetStoreTest, FoldersSitBelowTheFrameworksDataRoots)
{
    PresetStore store;

    EXPECT_EQ (store.appDataFolders.userFolder, userDataFolder());
    EXPECT_TRUE (userDataFolder().isDirectory());
    EXPECT_FALSE (userPresetsFolder().exists());   // made by the first save

    // Without the maker's folder the machine side stays at the maker level and is never created.
    EXPECT_EQ (store.appDataFolders.commonFolder, machineRoot.getChildFile ("Application Support/Morvellan"));
    EXPECT_FALSE (store.appDataFolders.commonFolder.exists());

    ASSERT_TRUE (machineRoot.getChildFile ("Application Support/Morvellan").createDirectory().wasOk());
    AppDataFolders folders ("Ondrella");
    EXPECT_EQ (folders.commonFolder, machineRoot.getChildFile ("Application Support/Morvellan/Ondrella"));
}

TEST_F (PresetStoreTest, DisplayNames)
{
    EXPECT_EQ (PresetStore::presetDisplayName ("01_Warm_Tape.ondpreset", false), "Warm_Tape");
    EXPECT_EQ (PresetStore::presetDisplayName ("Warm.ondpreset", false), "Unknown name");
    EXPECT_EQ (PresetStore::presetDisplayName ("My Tape.ondpreset", true), "My Tape");
    EXPECT_EQ (PresetStore::presetDisplayName ("** Imported **", true), "** Imported **");
    EXPECT_EQ (PresetStore::presetDisplayName ("No extension", true), "No extension");
    EXPECT_EQ (PresetStore::presetDisplayName ("02_Vol.2.ondpreset", false), "Vol2");
    EXPECT_EQ (PresetStore::presetDisplayName ("01_Vintage", false), "Vintage");
    EXPECT_EQ (PresetStore::presetDisplayName ("00_Factory Presets", false), "Factory Presets");
    EXPECT_EQ (PresetStore::presetDisplayName ("01_ONDRELLA.ondpreset", false), "ONDRELLA");
}

TEST_F (PresetStoreTest, ListingsAreSortedIgnoringCaseAndNeverDependOnTheFileSystem)
{
    for (auto name : { "gamma", "Alpha", "beta", "Beta" })
        writePreset (sandbox.getChildFile (juce::String (name) + ".ondpreset"), {});

    juce::StringArray fileNames;

    for (const auto& path : AppDataFolders::listSorted (sandbox, juce::File::findFiles, "*.ondpreset"))
        fileNames.add (juce::File (path).getFileName());

    EXPECT_EQ (fileNames, juce::StringArray ("Alpha.ondpreset", "Beta.ondpreset", "beta.ondpreset", "gamma.ondpreset"));

    EXPECT_TRUE (AppDataFolders::listSorted (sandbox.getChildFile ("Alpha.ondpreset"), juce::File::findFiles, "*").isEmpty());
    EXPECT_TRUE (AppDataFolders::listSorted ({}, juce::File::findFiles, "*").isEmpty());
}

//==============================================================================
TEST_F (PresetStoreTest, ScanTakesOnlySmallRegularValidFilesAndLinksToThem)
{
    const auto folder = factoryRoot().getChildFile ("01_Set");
    const auto good = writePreset (folder.getChildFile ("01_Good.ondpreset"), { 0.1f });
    writeFile (folder.getChildFile ("02_Short.ondpreset"), juce::MemoryBlock (50, true));
    writeFile (folder.getChildFile ("03_Raw.ondpreset"), makeBlob ({}));
    writePreset (folder.getChildFile ("04_Other.txt"), {});
    const auto directory = folder.getChildFile ("05_Folder.ondpreset");
    ASSERT_TRUE (directory.createDirectory().wasOk());

    // A pipe, which would block a reader; a file too big to be a preset although its header is consistent.
    const auto pipe = folder.getChildFile ("07_Pipe.ondpreset");
    ASSERT_EQ (::mkfifo (pipe.getFullPathName().toRawUTF8(), 0644), 0);

    juce::MemoryBlock big (AppDataFolders::maximumFileSize + 1 - (juce::int64) PresetFileHeader::headerSize, true);
    const auto bigFile = writeFile (folder.getChildFile ("08_Big.ondpreset"), PresetFileHeader::makePresetFile (big));
    juce::MemoryBlock largest (AppDataFolders::maximumFileSize - (juce::int64) PresetFileHeader::headerSize, true);
    writeFile (folder.getChildFile ("09_Largest.ondpreset"), PresetFileHeader::makePresetFile (largest));

    // A link is what it points at: a preset kept elsewhere is listed; a pipe, a folder, a big file,
    // a device or nothing at all is not, and none of them blocks the scan.
    const auto elsewhere = writePreset (sandbox.getChildFile ("elsewhere.ondpreset"), { 0.6f });
    const std::pair<const char*, juce::File> links[] { { "06_Link", elsewhere }, { "10_ToPipe", pipe }, { "11_ToFolder", directory },
                                                       { "12_ToBig", bigFile }, { "13_ToDevice", juce::File ("/dev/zero") },
                                                       { "14_Dangling", sandbox.getChildFile ("gone.ondpreset") } };
    for (const auto& [name, target] : links)
        ASSERT_TRUE (target.createSymbolicLink (folder.getChildFile (juce::String (name) + ".ondpreset"), false)) << name;

    PresetStore store;
    ASSERT_EQ (store.folders.size(), 2);
    EXPECT_EQ (names (store.folders[0]), juce::StringArray ("Good", "Raw", "Link", "Largest"));
    EXPECT_EQ (store.folders[0].name, "Set");
    EXPECT_FALSE (store.folders[0].writable);
    EXPECT_EQ (store.folders[0].entries[0].path, good.getFullPathName());

    const auto linked = store.loadPresetData (0, 2);
    ASSERT_NE (linked, nullptr);
    EXPECT_EQ (*linked, contentOf (elsewhere));

    for (const auto& file : { pipe, folder.getChildFile ("10_ToPipe.ondpreset"), bigFile })
        EXPECT_EQ (store.appDataFolders.loadFile (file.getFullPathName()), nullptr) << file.getFileName();

    EXPECT_EQ (store.appDataFolders.loadFile (""), nullptr);   // the user folder itself
}

TEST_F (PresetStoreTest, RescanKeepsTheCurrentFileWhereverItMoves)
{
    const auto folder = factoryRoot().getChildFile ("01_Set");
    writePreset (folder.getChildFile ("01_Warm.ondpreset"), { 0.1f });
    const auto second = writePreset (folder.getChildFile ("02_Warm.ondpreset"), { 0.2f });

    PresetStore store;
    ASSERT_EQ (names (store.folders[0]), juce::StringArray ("Warm", "Warm"));
    ASSERT_TRUE (store.selectPreset (0, 0));
    const auto firstPath = store.currentPreset.path;

    ASSERT_TRUE (store.scanFolder (0));
    EXPECT_EQ (store.currentPreset.path, firstPath);

    // A new file ahead of it moves it down one place.
    writePreset (folder.getChildFile ("00_Cold.ondpreset"), {});
    ASSERT_TRUE (store.scanFolder (0));
    EXPECT_EQ (store.currentPreset.path, firstPath);
    EXPECT_EQ (store.currentPreset.index, 1);

    // A missing directory keeps the old entries.
    ASSERT_TRUE (folder.deleteRecursively());
    EXPECT_FALSE (store.scanFolder (0));
    EXPECT_EQ (store.folders[0].entries.size(), 3);
    EXPECT_FALSE (store.scanFolder (5));
    EXPECT_FALSE (store.scanFolder (-1));
    juce::ignoreUnused (second);
}

TEST_F (PresetStoreTest, SelectAndLoadCheckTheirIndices)
{
    const auto file = writePreset (factoryRoot().getChildFile ("01_Set/01_Warm.ondpreset"), { 0.1f });
    PresetStore store;
    const auto before = store.currentPreset;

    EXPECT_FALSE (store.selectPreset (0, -1));
    EXPECT_FALSE (store.selectPreset (store.folders.size(), 0));
    EXPECT_FALSE (store.selectPreset (0, 1));
    EXPECT_EQ (store.currentPreset.name, before.name);
    EXPECT_EQ (store.currentPreset.valid, before.valid);

    EXPECT_EQ (store.loadPresetData (0, 1), nullptr);
    EXPECT_EQ (store.loadPresetData (-1, 0), nullptr);
    const auto data = store.loadPresetData (0, 0);
    ASSERT_NE (data, nullptr);
    EXPECT_EQ (*data, contentOf (file));

    ASSERT_TRUE (file.deleteFile());
    EXPECT_EQ (store.loadPresetData (0, 0), nullptr);
}

TEST_F (PresetStoreTest, HasNextPresetLooksAtTheLastTwoFolders)
{
    writePreset (factoryRoot().getChildFile ("01_A/01_One.ondpreset"), {});
    writePreset (factoryRoot().getChildFile ("02_B/01_Two.ondpreset"), {});
    writePreset (factoryRoot().getChildFile ("02_B/02_Three.ondpreset"), {});

    PresetStore store;
    EXPECT_FALSE (store.hasNextPreset());   // nothing current

    ASSERT_TRUE (store.selectPreset (1, 0));
    EXPECT_TRUE (store.hasNextPreset());
    ASSERT_TRUE (store.selectPreset (1, 1));
    EXPECT_FALSE (store.hasNextPreset());   // last factory preset, empty user folder
    ASSERT_TRUE (store.selectPreset (0, 0));
    EXPECT_TRUE (store.hasNextPreset());

    ASSERT_TRUE (store.savePresetToFolder (makeBlob ({}), "Mine", userFolderIndex (store)));
    ASSERT_TRUE (store.selectPreset (1, 1));
    EXPECT_TRUE (store.hasNextPreset());
    ASSERT_TRUE (store.selectPreset (2, 0));
    EXPECT_FALSE (store.hasNextPreset());
}

//==============================================================================
TEST_F (PresetStoreTest, DefaultPresetIsOndrellaInTheFirstFactoryPresetsFolderHoldingIt)
{
    {
        OndrellaAudioProcessor processor;
        EXPECT_EQ (processor.presetStore.folders.size(), 1);
        EXPECT_EQ (processor.presetStore.folders[0].name, "User Presets");
        EXPECT_FALSE (processor.presetStore.currentPreset.valid);
        EXPECT_EQ (processor.presetStore.currentPreset.name, "ONDRELLA");
        EXPECT_EQ (parameterValues (processor), tableDefaults());
    }

    // The first "Factory Presets" folder has no ONDRELLA; the search goes on to the next one.
    writePreset (factoryRoot().getChildFile ("00_Factory Presets/01_Other.ondpreset"), { 0.9f });
    writePreset (factoryRoot().getChildFile ("05_Factory Presets/01_ONDRELLA.ondpreset"), { 0.25f, 0.75f });
    writePreset (factoryRoot().getChildFile ("01_Elsewhere/01_ONDRELLA.ondpreset"), { 0.1f });

    OndrellaAudioProcessor processor;
    const auto& current = processor.presetStore.currentPreset;
    ASSERT_TRUE (current.valid);
    EXPECT_EQ (current.folder, 2);
    EXPECT_EQ (current.name, "ONDRELLA");
    EXPECT_EQ (parameterValues (processor)[0], 0.25f);
    EXPECT_EQ (parameterValues (processor)[1], 0.75f);
}

//==============================================================================
TEST_F (PresetStoreTest, SaveWritesIntoTheUserFolderAndMakesTheFileCurrent)
{
    PresetStore store;
    const auto user = userFolderIndex (store);

    ASSERT_TRUE (store.savePresetToFolder (makeBlob ({ 0.1f }), "My Tape", user));
    const auto file = userPresetsFolder().getChildFile ("My Tape.ondpreset");
    EXPECT_EQ (contentOf (file).getSize(), 80u);
    EXPECT_EQ (valuesIn (file)[0], 0.1f);
    EXPECT_TRUE (store.currentPreset.valid);
    EXPECT_TRUE (store.currentPreset.writable);
    EXPECT_EQ (store.currentPreset.name, "My Tape");
    EXPECT_EQ (store.currentPreset.path, file.getFullPathName());

    // Saving again replaces it.
    ASSERT_TRUE (store.savePresetToFolder (makeBlob ({ 0.7f }), "My Tape", user));
    EXPECT_EQ (valuesIn (file)[0], 0.7f);
    EXPECT_EQ (store.folders[user].entries.size(), 1);
    EXPECT_EQ (userPresetsFolder().findChildFiles (juce::File::findFiles, false, "*").size(), 1);

    ASSERT_TRUE (store.deletePresetFile (user, 0));
    EXPECT_FALSE (file.exists());
    EXPECT_EQ (store.folders[user].entries.size(), 0);
}

TEST_F (PresetStoreTest, SaveRefusesFactoryFoldersAndBadIndices)
{
    writePreset (factoryRoot().getChildFile ("01_Set/01_Warm.ondpreset"), {});
    PresetStore store;

    EXPECT_FALSE (store.savePresetToFolder (makeBlob ({}), "X", 0));
    EXPECT_FALSE (store.savePresetToFolder (makeBlob ({}), "X", -1));
    EXPECT_FALSE (store.savePresetToFolder (makeBlob ({}), "X", store.folders.size()));
    EXPECT_FALSE (store.deletePresetFile (0, 0));
    EXPECT_EQ (factoryRoot().getChildFile ("01_Set").findChildFiles (juce::File::findFiles, false, "*").size(), 1);
    EXPECT_FALSE (userPresetsFolder().exists());
}

TEST_F (PresetStoreTest, NamesThatCouldLeaveTheUserFolderOrNotFitTheFileSystemAreRefused)
{
    PresetStore store;
    const auto user = userFolderIndex (store);

    // Counted in bytes of UTF-8, where e acute takes two: with ".ondpreset" the longest file name there can be.
    const auto longest = juce::String::repeatedString (juce::CharPointer_UTF8 ("\xc3\xa9"), 122) + "x";
    ASSERT_EQ (longest.getNumBytesAsUTF8(), 245u);
    ASSERT_TRUE (store.savePresetToFolder (makeBlob ({}), longest, user));
    ASSERT_TRUE (store.savePresetToFolder (makeBlob ({}), "Keep", user));

    // Files a path-like name would reach, each holding something to lose.
    const auto victim = PresetFileHeader::makePresetFile (makeBlob ({ 0.3f }));
    for (auto target : { userDataFolder().getChildFile ("x.ondpreset"), home.getChildFile ("y.ondpreset"),
                         sandbox.getChildFile ("abs.ondpreset"), userPresetsFolder().getChildFile ("a/b.ondpreset") })
        writeFile (target, victim);

    const auto absolute = sandbox.getChildFile ("abs").getFullPathName();

    for (auto name : { juce::String(), juce::String ("../x"), absolute, juce::String ("~/y"), juce::String ("a/b"),
                       juce::String ("a\\b"), juce::String ("."), juce::String (".."), juce::String (".hidden"),
                       juce::String ("tab\there"), juce::String ("line\nbreak"), juce::String ("del\x7f"), longest + "x" })
    {
        EXPECT_FALSE (PresetStore::isAcceptablePresetName (name)) << name;
        EXPECT_FALSE (store.savePresetToFolder (makeBlob ({ 0.9f }), name, user)) << name;
        EXPECT_EQ (store.currentPreset.name, "Keep") << name;
    }

    for (auto target : { userDataFolder().getChildFile ("x.ondpreset"), home.getChildFile ("y.ondpreset"),
                         sandbox.getChildFile ("abs.ondpreset"), userPresetsFolder().getChildFile ("a/b.ondpreset") })
        EXPECT_EQ (contentOf (target), victim) << target.getFullPathName();

    EXPECT_EQ (userPresetsFolder().findChildFiles (juce::File::findFiles, false, "*").size(), 2);

    for (auto name : { "Tape", "My Tape 2", "Kassette (alt)", "x~y", "Ünïcode ✓", "a.b" })
        EXPECT_TRUE (PresetStore::isAcceptablePresetName (juce::String (juce::CharPointer_UTF8 (name)))) << name;
}

TEST_F (PresetStoreTest, FailedSaveSaysWhyAndChangesNothing)
{
    PresetStore store;
    const auto user = userFolderIndex (store);
    ASSERT_TRUE (store.savePresetToFolder (makeBlob ({ 0.1f }), "Tape", user));

    // A plain file where the user presets folder should be: nothing can be written below it, even by root.
    ASSERT_TRUE (userPresetsFolder().deleteRecursively());
    writeFile (userPresetsFolder(), juce::MemoryBlock ("not a folder", 12));

    testing::internal::CaptureStdout();
    const auto result = store.savePresetToFolder (makeBlob ({ 0.9f }), "New", user);
    EXPECT_EQ (testing::internal::GetCapturedStdout(), "Invalid path (pathname is file)\n");
    EXPECT_EQ (result.getErrorMessage(), "folder cannot be created");
    EXPECT_EQ (contentOf (userPresetsFolder()), juce::MemoryBlock ("not a folder", 12));
    EXPECT_EQ (store.currentPreset.name, "Tape");
    EXPECT_EQ (names (store.folders[user]), juce::StringArray ("Tape"));
}

TEST_F (PresetStoreTest, TheFileJustSavedIsCurrentWhateverItsName)
{
    PresetStore store;
    const auto user = userFolderIndex (store);

    // "Take.2" shows as "Take2"; it is still the file just written that becomes current.
    ASSERT_TRUE (store.savePresetToFolder (makeBlob ({ 0.2f }), "Take2", user));
    ASSERT_TRUE (store.savePresetToFolder (makeBlob ({ 0.3f }), "Take.2", user));
    EXPECT_EQ (store.currentPreset.path, userPresetsFolder().getChildFile ("Take.2.ondpreset").getFullPathName());

    // File names differ by case here: saving "tape" must not leave "Tape" current.
    ASSERT_TRUE (store.savePresetToFolder (makeBlob ({ 0.4f }), "Tape", user));
    ASSERT_TRUE (store.savePresetToFolder (makeBlob ({ 0.5f }), "tape", user));
    const auto lower = userPresetsFolder().getChildFile ("tape.ondpreset");
    EXPECT_EQ (store.currentPreset.path, lower.getFullPathName());
    EXPECT_EQ (store.currentPreset.name, "tape");

    // So the next save of the current preset writes that file and leaves the other alone.
    ASSERT_TRUE (store.savePresetToFolder (makeBlob ({ 0.6f }), store.currentPreset.name, user));
    EXPECT_EQ (valuesIn (lower)[0], 0.6f);
    EXPECT_EQ (valuesIn (userPresetsFolder().getChildFile ("Tape.ondpreset"))[0], 0.4f);
    EXPECT_EQ (valuesIn (userPresetsFolder().getChildFile ("Take2.ondpreset"))[0], 0.2f);
}
