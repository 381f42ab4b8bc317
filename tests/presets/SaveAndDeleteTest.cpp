// Saving over the current preset, saving under a new name (and over an existing one), and
// deleting a user preset after confirmation.
#include "PresetManagerTestSupport.h"

using namespace PresetManagerTest;

class SaveAndDelete  : public Fixture
{
protected:
    /** Opens the browser on the user folder with Mine loaded. */
    void openOnMine()
    {
        openEditor();
        click (view().presetBar);
        clickRow (view().folderList, userFolder);
        clickRow (view().presetList, 0);
        ASSERT_EQ (store().currentPreset.name, "Mine");
    }

    PMSaveAs& saveAs()     { return view().saveAsDialogue; }

    void key (const juce::KeyPress& k)      { pressKey (saveAs().nameField, k); }
    void key (int keyCode)                  { key (juce::KeyPress (keyCode)); }
    void type (const juce::String& text)    { Fixture::type (saveAs().nameField, text); }

    /** Opens Save As and replaces the proposed name with one typed key by key. */
    void saveAsTyping (const juce::String& name)
    {
        click (view().panel.saveAsButton);
        ASSERT_EQ (saveAs().getParentComponent(), &view());
        click (saveAs().nameField);
        key (juce::KeyPress ('a', juce::ModifierKeys::commandModifier, 0));
        key (juce::KeyPress::backspaceKey);
        type (name);
    }

    void setName (const juce::String& name)
    {
        saveAs().nameField.setText (name, true);
        deliverMessages();
    }

    bool showsSave (bool enabled)
    {
        return saveAs().saveButton.isVisible() && ! saveAs().overwriteButton.isVisible()
                && saveAs().saveButton.isButtonEnabled() == enabled;
    }

    bool showsOverwrite()    { return saveAs().overwriteButton.isVisible() && ! saveAs().saveButton.isVisible(); }

    int userFileCount()      { return userPresetsFolder().getNumberOfChildFiles (juce::File::findFiles); }
};

//==============================================================================
TEST_F (SaveAndDelete, SaveWritesTheStateOverTheCurrentPresetsOwnFile)
{
    // "Take.2" shows as "Take2"; saving must still go to its own file.
    const auto take = writePreset (userPresetsFolder().getChildFile ("Take.2.ondpreset"), { 0.6f });
    openEditor();
    click (view().presetBar);
    clickRow (view().folderList, userFolder);
    clickRow (view().presetList, 2);
    turn (3, 0.9f);

    // A file added behind the browser's back: after the save the rows match the files again.
    writePreset (userPresetsFolder().getChildFile ("Aaa.ondpreset"), { 0.7f });
    click (view().panel.saveButton);

    EXPECT_EQ (contentOf (take), presetFileOfCurrentState());
    EXPECT_EQ (rowTexts (view().presetList), juce::StringArray ("Aaa", "Mine", "Other", "Take2"));
    EXPECT_TRUE (view().presetList.getItem (3)->isSelected());
    EXPECT_EQ (store().currentPreset.path, take.getFullPathName());

    // Nor may a file copied in by hand whose name no new preset could have, or whose extension is
    // in capitals, gain a second file beside it.
    const auto draft = writePreset (juce::File (userPresetsFolder().getFullPathName() + "/~Draft.ONDPRESET"), { 0.2f });
    manager().presetMessageReceived (nullptr, "r");
    clickRow (view().presetList, 4);
    ASSERT_EQ (store().currentPreset.path, draft.getFullPathName());
    EXPECT_TRUE (view().panel.saveButton.isButtonEnabled());
    turn (3, 0.4f);
    click (view().panel.saveButton);
    EXPECT_EQ (contentOf (draft), presetFileOfCurrentState());
    EXPECT_EQ (rowTexts (view().presetList), juce::StringArray ("Aaa", "Mine", "Other", "Take2", "~Draft"));
    EXPECT_TRUE (view().getFailure().isEmpty());

    // A factory preset cannot be saved over: the button is disabled and its click writes nothing.
    clickRow (view().folderList, factoryFolder);
    clickRow (view().presetList, 1);
    EXPECT_FALSE (view().panel.saveButton.isButtonEnabled());
    click (view().panel.saveButton);
    EXPECT_EQ (userFileCount(), 5);
}

TEST_F (SaveAndDelete, SaveAsWritesANewPresetAndMakesItCurrent)
{
    openOnMine();
    turn (5, 0.25f);

    saveAsTyping ("M");
    EXPECT_TRUE (showsSave (false));
    type ("y");
    EXPECT_TRUE (showsSave (true));
    type (" Tape");
    saveArtefact ("save-as");
    click (saveAs().saveButton);

    EXPECT_EQ (contentOf (userPresetsFolder().getChildFile ("My Tape.ondpreset")), presetFileOfCurrentState());
    EXPECT_FALSE (saveAs().hasPendingData());
    EXPECT_EQ (saveAs().getParentComponent(), nullptr);
    EXPECT_EQ (rowTexts (view().presetList), juce::StringArray ("Mine", "My Tape", "Other"));
    EXPECT_TRUE (view().presetList.getItem (1)->isSelected());
    EXPECT_EQ (view().presetBar.getCurrentPreset().name, "My Tape");
    EXPECT_TRUE (view().panel.saveButton.isButtonEnabled());

    // Keys typed at once, without a click into the field, replace the name it proposes; Return saves.
    // So too where a window manager takes the window's focus away while the list holds the keyboard
    // and gives it back only after the click has given the keyboard to the field.
    clickRow (view().presetList, 1);
    ASSERT_TRUE (view().presetScroller.hasKeyboardFocus (true));
    editor->getPeer()->handleFocusLoss();
    click (view().panel.saveAsButton);
    editor->getPeer()->handleFocusGain();
    typeIntoWindow ("My Glue\n");
    EXPECT_EQ (store().currentPreset.path, userPresetsFolder().getChildFile ("My Glue.ondpreset").getFullPathName());
    EXPECT_EQ (saveAs().getParentComponent(), nullptr);

    // Escape, or closing the browser, frees the state that was waiting to be saved.
    saveAsTyping ("Never");
    key (juce::KeyPress::escapeKey);
    EXPECT_EQ (saveAs().getParentComponent(), nullptr);
    EXPECT_FALSE (saveAs().hasPendingData());

    click (view().panel.saveAsButton);
    EXPECT_TRUE (saveAs().hasPendingData());
    click (*editor, { 20, 290 });
    EXPECT_FALSE (browserIsOpen());
    EXPECT_FALSE (saveAs().hasPendingData());
    EXPECT_EQ (saveAs().getParentComponent(), nullptr);
    EXPECT_EQ (userFileCount(), 4);

    // No button of the deck takes Return as a click: after a click on a switch the deck stays on its front.
    click (editor->tapeSwitch, editor->tapeSwitch.getSlotBounds (1).getCentre().toInt());
    typeIntoWindow ("\n");
    EXPECT_FALSE (editor->isSettingsOpen());
}

TEST_F (SaveAndDelete, SaveAsOffersSaveForNamesTheStoreTakesAndOverwriteExactlyWhenTheFileExists)
{
    openOnMine();
    const auto oldMine = contentOf (mine);
    turn (7, 0.1f);
    click (view().panel.saveAsButton);

    for (auto name : { "../Escape", "a/b", "a\\b", ".hidden", "~home", "tab\there", "\xc3\xa9" })
    {
        setName (juce::CharPointer_UTF8 (name));
        EXPECT_TRUE (showsSave (false)) << name;
        key (juce::KeyPress::returnKey);
        EXPECT_EQ (saveAs().getParentComponent(), &view()) << name;
    }

    setName (juce::CharPointer_UTF8 ("\xc3\xa9\xc3\xa9"));   // two characters, four bytes
    EXPECT_TRUE (showsSave (true));
    EXPECT_EQ (userFileCount(), 2);
    EXPECT_FALSE (userDataFolder().getChildFile ("Escape.ondpreset").exists());

    setName ("Mine");
    EXPECT_TRUE (showsOverwrite());
    key (juce::KeyPress::returnKey);   // Return never overwrites
    EXPECT_EQ (contentOf (mine), oldMine);

    // File names tell letter cases apart here, so "mine" is a new file beside "Mine".
    setName ("mine");
    ASSERT_TRUE (showsSave (true));
    key (juce::KeyPress::returnKey);
    EXPECT_EQ (contentOf (userPresetsFolder().getChildFile ("mine.ondpreset")), presetFileOfCurrentState());
    EXPECT_EQ (contentOf (mine), oldMine);

    // The file a name is saved as counts, not the names shown: "Take.2" shows as "Take2".
    writePreset (userPresetsFolder().getChildFile ("Take.2.ondpreset"), {});
    saveAsTyping ("Take.2");
    EXPECT_TRUE (showsOverwrite());
    setName ("Take2");
    EXPECT_TRUE (showsSave (true));

    // "Loud.ONDPRESET" is listed as "Loud", and Overwrite replaces that very file.
    const auto loud = writePreset (userPresetsFolder().getChildFile ("Loud.ONDPRESET"), {});
    setName ("Loud");
    ASSERT_TRUE (showsOverwrite());
    click (saveAs().overwriteButton);
    EXPECT_EQ (contentOf (loud), presetFileOfCurrentState());
    EXPECT_FALSE (userPresetsFolder().getChildFile ("Loud.ondpreset").exists());
    click (view().panel.saveAsButton);

    // A file that appears after Save was shown is not replaced: Overwrite is shown instead.
    setName ("Fresh");
    const auto fresh = writePreset (userPresetsFolder().getChildFile ("Fresh.ondpreset"), { 0.8f });
    const auto freshBytes = contentOf (fresh);
    click (saveAs().saveButton);
    EXPECT_EQ (contentOf (fresh), freshBytes);
    EXPECT_TRUE (showsOverwrite());

    click (saveAs().overwriteButton);
    EXPECT_EQ (contentOf (fresh), presetFileOfCurrentState());
    EXPECT_EQ (store().currentPreset.path, fresh.getFullPathName());
}

TEST_F (SaveAndDelete, SaveSaveAsAndDeleteFirstTakeARestoreStillOnItsWay)
{
    openOnMine();
    const auto oldMine = contentOf (mine);
    juce::MemoryBlock namingOther;
    turn (3, 0.9f);
    ASSERT_TRUE (store().selectPreset (userFolder, 1));
    processor->getStateInformation (namingOther);
    ASSERT_TRUE (store().selectPreset (userFolder, 0));

    // A host restores a state naming Other on a thread of its own; the next click comes before its hand-over.
    const auto restoreOnHostThread = [&] { std::thread ([&] { processor->setStateInformation (namingOther.getData(), (int) namingOther.getSize()); }).join(); };

    restoreOnHostThread();
    click (view().panel.saveButton);
    EXPECT_EQ (contentOf (mine), oldMine);
    EXPECT_EQ (contentOf (other), presetFileOfCurrentState());
    EXPECT_EQ (view().presetBar.getCurrentPreset().name, "Other");

    clickRow (view().presetList, 0);
    restoreOnHostThread();
    click (view().panel.saveAsButton);
    EXPECT_EQ (saveAs().nameField.getText(), "Other");
    EXPECT_TRUE (showsOverwrite());
    key (juce::KeyPress::escapeKey);

    clickRow (view().presetList, 0);
    click (view().presetList.getItem (1)->deleteButton);
    restoreOnHostThread();
    click (view().deleteDialogue.confirmButton);
    EXPECT_EQ (view().presetBar.getCurrentPreset().name, "Other");

    // Two files show as Other now, and the state may mean either: Save, clicked for Mine before the
    // restore arrives, writes none of them and is no longer offered.
    const auto otherDot = writePreset (userPresetsFolder().getChildFile ("Oth.er.ondpreset"), { 0.5f });
    writePreset (other, { 0.5f });
    manager().presetMessageReceived (nullptr, "r");
    clickRow (view().presetList, 0);
    restoreOnHostThread();
    click (view().panel.saveButton);
    EXPECT_EQ (contentOf (mine), oldMine);
    EXPECT_EQ (contentOf (otherDot), contentOf (other));
    EXPECT_FALSE (view().panel.saveButton.isButtonEnabled());
}

TEST_F (SaveAndDelete, DeleteAsksFirstAndDeletesTheFileTheDialogueNamedOnlyAfterConfirmation)
{
    openOnMine();
    auto& dialogue = view().deleteDialogue;
    const auto askToDelete = [&] (int row) { click (view().presetList.getItem (row)->deleteButton); };

    askToDelete (1);
    ASSERT_EQ (dialogue.getParentComponent(), &view());
    EXPECT_EQ (dialogue.nameLabel.getText(), "Other");
    EXPECT_EQ (dialogue.questionLabel.getText(), "Delete preset?");
    EXPECT_TRUE (view().presetList.getItem (0)->isSelected());   // the selection is not touched
    saveArtefact ("delete");

    click (dialogue.cancelButton);
    EXPECT_EQ (dialogue.getParentComponent(), nullptr);

    askToDelete (1);
    click (view(), { 5, 5 });   // closing the browser while asking deletes nothing either
    EXPECT_EQ (dialogue.getParentComponent(), nullptr);
    EXPECT_TRUE (other.existsAsFile());

    // A rescan while the question is open moves Other to row 2 and puts Mine at row 1.
    click (view().presetBar);
    askToDelete (1);
    writePreset (userPresetsFolder().getChildFile ("Aaa.ondpreset"), { 0.7f });
    manager().presetMessageReceived (nullptr, "r");
    ASSERT_EQ (rowTexts (view().presetList), juce::StringArray ("Aaa", "Mine", "Other"));
    click (dialogue.confirmButton);
    EXPECT_FALSE (other.exists());
    EXPECT_EQ (dialogue.getParentComponent(), nullptr);
    EXPECT_EQ (rowTexts (view().presetList), juce::StringArray ("Aaa", "Mine"));

    // Deleting the current preset leaves its name on the bar as a preset no longer stored.
    askToDelete (1);
    click (dialogue.confirmButton);
    EXPECT_FALSE (mine.exists());
    EXPECT_EQ (view().presetBar.getCurrentPreset().name, "Mine");
    EXPECT_EQ (view().presetBar.getTextColour(), juce::Colour (0x80000000));
    EXPECT_FALSE (view().panel.saveButton.isButtonEnabled());

    // A delete that fails (Aaa became a folder with something in it) shows the lists again all the same.
    askToDelete (0);
    const auto aaa = userPresetsFolder().getChildFile ("Aaa.ondpreset");
    ASSERT_TRUE (aaa.deleteFile() && aaa.getChildFile ("inside").create().wasOk());
    writePreset (userPresetsFolder().getChildFile ("Zed.ondpreset"), {});
    click (dialogue.confirmButton);
    EXPECT_TRUE (aaa.getChildFile ("inside").existsAsFile());
    EXPECT_EQ (rowTexts (view().presetList), juce::StringArray ("Zed"));
    EXPECT_EQ (view().getFailure(), "Could not delete: file cannot be deleted");
}
