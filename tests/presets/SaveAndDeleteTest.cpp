// Saving over the current preset, saving under a new name (and over an existing one), and
// deleting a user preset after confirmation.
#include "PresetManagerTestSupport.h"

using namespace PresetManagerTest;

class SaveAndDelete  : public Fixture
{
protected:
    /** Opens the browser on the user folder with Mine loaded and current. */
    void openOnMine()
    {
        openEditor();
        click (view().presetBar);
        clickRow (view().folderList, userFolder);
        clickRow (view().presetList, 0);
        pump();
        ASSERT_EQ (store().currentPreset.name, "Mine");
    }

    PMSaveAs& saveAs()     { return view().saveAsDialogue; }

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

    void key (const juce::KeyPress& k)      { pressKey (saveAs().nameField, k); }
    void key (int keyCode)                  { key (juce::KeyPress (keyCode)); }
    void type (const juce::String& text)    { Fixture::type (saveAs().nameField, text); }

    bool showsSave (bool enabled)
    {
        return saveAs().saveButton.isVisible() && ! saveAs().overwriteButton.isVisible()
                && saveAs().saveButton.isButtonEnabled() == enabled;
    }

    bool showsOverwrite()
    {
        return saveAs().overwriteButton.isVisible() && ! saveAs().saveButton.isVisible();
    }

    juce::StringArray userFiles()
    {
        juce::StringArray names;

        for (const auto& file : userPresetsFolder().findChildFiles (juce::File::findFiles, false, "*"))
            names.add (file.getFileName());

        names.sort (false);
        return names;
    }
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
    ASSERT_EQ (store().currentPreset.name, "Take2");
    turn (3, 0.9f);

    // A file added behind the browser's back: after the save the rows match the files again.
    writePreset (userPresetsFolder().getChildFile ("Aaa.ondpreset"), { 0.7f });
    click (view().panel.saveButton);

    EXPECT_EQ (contentOf (take), presetFileOfCurrentState());
    EXPECT_EQ (rowTexts (view().presetList), juce::StringArray ("Aaa", "Mine", "Other", "Take2"));
    EXPECT_TRUE (view().presetList.getItem (3)->isSelected());
    EXPECT_EQ (store().currentPreset.path, take.getFullPathName());

    // A factory preset cannot be saved over: the button is disabled and its click writes nothing.
    clickRow (view().folderList, factoryFolder);
    clickRow (view().presetList, 1);
    EXPECT_FALSE (view().panel.saveButton.isButtonEnabled());
    click (view().panel.saveButton);
    EXPECT_EQ (userFiles(), juce::StringArray ("Aaa.ondpreset", "Mine.ondpreset", "Other.ondpreset", "Take.2.ondpreset"));
}

TEST_F (SaveAndDelete, SaveAsWritesANewPresetAndMakesItCurrent)
{
    openOnMine();
    turn (5, 0.25f);

    click (view().panel.saveAsButton);
    EXPECT_EQ (saveAs().nameField.getText(), "Mine");
    EXPECT_TRUE (showsOverwrite());
    click (saveAs().cancelButton);

    saveAsTyping ("M");
    EXPECT_TRUE (showsSave (false));
    type ("y");
    EXPECT_TRUE (showsSave (true));
    type (" Tape");
    EXPECT_TRUE (saveAs().hasPendingData());

    click (saveAs().saveButton);
    const auto written = userPresetsFolder().getChildFile ("My Tape.ondpreset");
    EXPECT_EQ (contentOf (written), presetFileOfCurrentState());
    EXPECT_FALSE (saveAs().hasPendingData());
    EXPECT_EQ (saveAs().getParentComponent(), nullptr);

    EXPECT_EQ (rowTexts (view().presetList), juce::StringArray ("Mine", "My Tape", "Other"));
    EXPECT_TRUE (view().presetList.getItem (1)->isSelected());
    EXPECT_EQ (view().presetBar.getCurrentPreset().name, "My Tape");
    EXPECT_EQ (view().presetBar.getTextColour(), juce::Colour (0xcc000000));
    EXPECT_TRUE (view().panel.saveButton.isButtonEnabled());
}

TEST_F (SaveAndDelete, SaveStaysDisabledForNamesTheStoreWouldRefuse)
{
    openOnMine();
    click (view().panel.saveAsButton);

    for (auto name : { "../Escape", "a/b", "a\\b", ".hidden", "~home", "tab\there", "é" })
    {
        saveAs().nameField.setText (juce::CharPointer_UTF8 (name), true);
        pump();
        EXPECT_TRUE (showsSave (false)) << name;
        key (juce::KeyPress::returnKey);
        EXPECT_EQ (saveAs().getParentComponent(), &view()) << name;
    }

    // Two bytes but one character is still too short; two characters are enough.
    saveAs().nameField.setText (juce::CharPointer_UTF8 ("\xc3\xa9\xc3\xa9"), true);
    pump();
    EXPECT_TRUE (showsSave (true));

    EXPECT_EQ (userFiles(), juce::StringArray ("Mine.ondpreset", "Other.ondpreset"));
    EXPECT_FALSE (userDataFolder().getChildFile ("Escape.ondpreset").exists());
}

TEST_F (SaveAndDelete, OverwriteIsOfferedExactlyWhenTheFileExists)
{
    openOnMine();
    const auto oldMine = contentOf (mine);
    turn (7, 0.1f);

    saveAsTyping ("Mine");
    EXPECT_TRUE (showsOverwrite());
    key (juce::KeyPress::returnKey);   // Return never overwrites
    EXPECT_EQ (contentOf (mine), oldMine);

    // File names tell letter cases apart here, so "mine" is a new file beside "Mine".
    saveAs().nameField.setText ("mine", true);
    pump();
    ASSERT_TRUE (showsSave (true));
    key (juce::KeyPress::returnKey);
    EXPECT_EQ (contentOf (userPresetsFolder().getChildFile ("mine.ondpreset")), presetFileOfCurrentState());
    EXPECT_EQ (contentOf (mine), oldMine);

    // What counts is the file the name is saved as, not the names shown: "Take.2" shows as "Take2".
    writePreset (userPresetsFolder().getChildFile ("Take.2.ondpreset"), { 0.6f });
    saveAsTyping ("Take.2");
    EXPECT_TRUE (showsOverwrite());
    saveAs().nameField.setText ("Take2", true);
    pump();
    EXPECT_TRUE (showsSave (true));
    click (saveAs().cancelButton);

    // A file that appears after Save was shown is not replaced: Overwrite is shown instead.
    saveAsTyping ("Fresh");
    ASSERT_TRUE (showsSave (true));
    const auto fresh = writePreset (userPresetsFolder().getChildFile ("Fresh.ondpreset"), { 0.8f });
    const auto freshBytes = contentOf (fresh);
    click (saveAs().saveButton);
    EXPECT_EQ (contentOf (fresh), freshBytes);
    EXPECT_TRUE (showsOverwrite());

    click (saveAs().overwriteButton);
    EXPECT_EQ (contentOf (fresh), presetFileOfCurrentState());
    EXPECT_EQ (store().currentPreset.path, fresh.getFullPathName());
}

TEST_F (SaveAndDelete, CancellingOrClosingTheBrowserFreesTheStateWaitingToBeSaved)
{
    openOnMine();

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
    EXPECT_EQ (userFiles(), juce::StringArray ("Mine.ondpreset", "Other.ondpreset"));
}

TEST_F (SaveAndDelete, DeleteAsksFirstAndDeletesOnlyAfterConfirmation)
{
    openOnMine();
    auto& dialogue = view().deleteDialogue;

    click (view().presetList.getItem (1)->deleteButton);
    ASSERT_EQ (dialogue.getParentComponent(), &view());
    EXPECT_EQ (dialogue.nameLabel.getText(), "Other");
    EXPECT_EQ (dialogue.questionLabel.getText(), "Delete preset?");
    EXPECT_TRUE (view().presetList.getItem (0)->isSelected());   // the selection is not touched

    click (dialogue.cancelButton);
    EXPECT_EQ (dialogue.getParentComponent(), nullptr);
    EXPECT_TRUE (other.existsAsFile());

    // Closing the browser while asking deletes nothing either.
    click (view().presetList.getItem (1)->deleteButton);
    click (view(), { 5, 5 });
    EXPECT_EQ (dialogue.getParentComponent(), nullptr);
    EXPECT_TRUE (other.existsAsFile());

    // Deleting the current preset leaves its name on the bar as a preset no longer stored.
    click (view().presetBar);
    click (view().presetList.getItem (0)->deleteButton);
    click (dialogue.confirmButton);
    EXPECT_FALSE (mine.exists());
    EXPECT_EQ (dialogue.getParentComponent(), nullptr);
    EXPECT_EQ (rowTexts (view().presetList), juce::StringArray ("Other"));
    EXPECT_EQ (view().presetBar.getCurrentPreset().name, "Mine");
    EXPECT_EQ (view().presetBar.getTextColour(), juce::Colour (0x80000000));
    EXPECT_FALSE (view().panel.saveButton.isButtonEnabled());
}

TEST_F (SaveAndDelete, TheFileDeletedIsTheOneTheDialogueNamedEvenAfterARescan)
{
    openOnMine();
    click (view().presetList.getItem (1)->deleteButton);   // Other, row 1

    // A rescan while the question is open moves Other to row 2 and puts Mine at row 1.
    writePreset (userPresetsFolder().getChildFile ("Aaa.ondpreset"), { 0.7f });
    manager().presetMessageReceived (nullptr, "r");
    ASSERT_EQ (rowTexts (view().presetList), juce::StringArray ("Aaa", "Mine", "Other"));

    click (view().deleteDialogue.confirmButton);
    EXPECT_FALSE (other.exists());
    EXPECT_TRUE (mine.existsAsFile());
    EXPECT_EQ (rowTexts (view().presetList), juce::StringArray ("Aaa", "Mine"));
}

TEST_F (SaveAndDelete, AFailedDeleteShowsTheListsAgain)
{
    openOnMine();
    click (view().presetList.getItem (1)->deleteButton);

    // Other turns into a folder with something in it, which no delete of a file removes.
    ASSERT_TRUE (other.deleteFile());
    ASSERT_TRUE (other.getChildFile ("inside").create().wasOk());
    writePreset (userPresetsFolder().getChildFile ("Aaa.ondpreset"), { 0.7f });

    click (view().deleteDialogue.confirmButton);
    EXPECT_TRUE (other.getChildFile ("inside").existsAsFile());
    EXPECT_EQ (view().deleteDialogue.getParentComponent(), nullptr);
    EXPECT_EQ (rowTexts (view().presetList), juce::StringArray ("Aaa", "Mine"));
}

TEST_F (SaveAndDelete, RendersTheDialogues)
{
    openOnMine();
    saveAsTyping ("My Tape");
    saveArtefact ("save-as");

    // The field's dark text on its light box, inside the dark box on the dimmed browser.
    const auto image = editor->createComponentSnapshot (editor->getLocalBounds());
    const auto field = editor->getLocalArea (&saveAs(), saveAs().nameField.getBounds());
    EXPECT_EQ (image.getPixelAt (field.getRight() - 4, field.getCentreY()), juce::Colour (0xffeeeeee));

    click (saveAs().cancelButton);
    click (view().presetList.getItem (1)->deleteButton);
    saveArtefact ("delete");
}
