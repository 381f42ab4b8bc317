// Saves and exports that cannot be written say why and change nothing; names too long for the
// file system cannot be saved at all.
#include "PresetManagerTestSupport.h"

#include <sys/stat.h>

using namespace PresetManagerTest;

class SaveFailure  : public Fixture
{
protected:
    /** The browser open with Mine loaded, and a plain file where the user presets folder was:
        nothing can be written there, even by root.
    */
    void openOnMineWithoutUserFolder()
    {
        openEditor();
        click (view().presetBar);
        clickRow (view().folderList, userFolder);
        clickRow (view().presetList, 0);
        ASSERT_TRUE (userPresetsFolder().deleteRecursively());
        writeFile (userPresetsFolder(), juce::MemoryBlock ("not a folder", 12));
    }

    PMSaveAs& saveAs()    { return view().saveAsDialogue; }

    /** Names the save-as field; the overlay hears of it by a message. */
    void setName (const juce::String& name)
    {
        saveAs().nameField.setText (name, true);
        deliverMessages();
    }

    void pressReturn()    { pressKey (saveAs().nameField, juce::KeyPress (juce::KeyPress::returnKey)); }

    void expectNothingChanged()
    {
        EXPECT_EQ (rowTexts (view().presetList), juce::StringArray ("Mine", "Other"));
        EXPECT_EQ (store().currentPreset.path, mine.getFullPathName());
        EXPECT_EQ (view().presetBar.getCurrentPreset().name, "Mine");
    }
};

//==============================================================================
TEST_F (SaveFailure, SaveAsThatCannotWriteStaysOpenWithTheNameAndTheStateAndSaysWhy)
{
    openOnMineWithoutUserFolder();
    click (view().panel.saveAsButton);
    setName ("Tape");
    click (saveAs().saveButton);

    EXPECT_EQ (saveAs().getParentComponent(), &view());
    EXPECT_EQ (saveAs().nameField.getText(), "Tape");
    EXPECT_EQ (saveAs().getFailure(), "Could not save: folder cannot be created");
    expectNothingChanged();
    TestSupport::saveArtefact (view().createComponentSnapshot (view().getLocalBounds(), true, 2.0f), "save-as-failed.png");

    // A name whose file name would be too long (124 characters, 246 bytes) cannot even be tried.
    const auto longest = juce::String::repeatedString (juce::CharPointer_UTF8 ("\xc3\xa9"), 122) + "x";
    setName (longest + "y");
    EXPECT_FALSE (saveAs().saveButton.isButtonEnabled());
    pressReturn();
    EXPECT_EQ (saveAs().getParentComponent(), &view());

    // Cancel closes the overlay and frees the state; opened again, it has no failure line.
    click (saveAs().cancelButton);
    EXPECT_EQ (saveAs().getParentComponent(), nullptr);
    EXPECT_FALSE (saveAs().hasPendingData());
    click (view().panel.saveAsButton);
    EXPECT_TRUE (saveAs().getFailure().isEmpty());

    // A retry after a failure, once the file is out of the way, still has the state to save; 245 bytes fit.
    click (saveAs().saveButton);
    ASSERT_TRUE (saveAs().getFailure().isNotEmpty());
    ASSERT_TRUE (userPresetsFolder().deleteFile());
    setName (longest);
    pressReturn();
    EXPECT_EQ (saveAs().getParentComponent(), nullptr);
    EXPECT_EQ (store().currentPreset.name, longest);
}

TEST_F (SaveFailure, SaveAndExportThatCannotWriteSayWhyInTheBrowserAndChangeNothing)
{
    openOnMineWithoutUserFolder();
    click (view().panel.saveButton);
    EXPECT_EQ (view().getFailure(), "Could not save: folder cannot be created");
    EXPECT_EQ (userPresetsFolder().getSize(), 12);
    expectNothingChanged();
    TestSupport::saveArtefact (view().createComponentSnapshot (view().getLocalBounds(), true, 2.0f), "browser-save-failed.png");

    // The next click takes the line away.
    click (view().panel.exportButton);
    EXPECT_TRUE (view().getFailure().isEmpty());
    dialogs.choose (userPresetsFolder().getChildFile ("Out.ondpreset"));
    EXPECT_EQ (view().getFailure(), "Could not export: folder not found");
    expectNothingChanged();

    // An extension in capitals is the preset's own: the name the user gave is kept as it is.
    click (view().panel.exportButton);
    dialogs.choose (sandbox.getChildFile ("Tape.ONDPRESET"));
    EXPECT_TRUE (sandbox.getChildFile ("Tape.ONDPRESET").existsAsFile());
    EXPECT_FALSE (sandbox.getChildFile ("Tape.ONDPRESET.ondpreset").exists());
}

TEST_F (SaveFailure, AReadOnlyPresetIsNeitherSavedNorOverwrittenAndTheBrowserSaysSo)
{
    openEditor();
    click (view().presetBar);
    clickRow (view().folderList, userFolder);
    clickRow (view().presetList, 0);
    ASSERT_EQ (::chmod (mine.getFullPathName().toRawUTF8(), 0444), 0);
    const auto protectedBytes = contentOf (mine);
    turn (0, 0.9f);

    click (view().panel.saveButton);
    EXPECT_EQ (view().getFailure(), "Could not save: file is read-only");

    click (view().panel.saveAsButton);
    setName ("Mine");
    click (saveAs().overwriteButton);
    EXPECT_EQ (saveAs().getParentComponent(), &view());
    EXPECT_EQ (saveAs().getFailure(), "Could not save: file is read-only");
    EXPECT_EQ (contentOf (mine), protectedBytes);
    expectNothingChanged();
}
