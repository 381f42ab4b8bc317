// Importing and exporting preset files through the file dialogs (scripted, and once through the
// platform's own dialog), and preset messages from outside.
#include "PresetManagerTestSupport.h"

using namespace PresetManagerTest;

class ImportExport  : public Fixture
{
protected:
    void SetUp() override
    {
        Fixture::SetUp();
        outside = sandbox.getChildFile ("outside");
        bright = writePreset (outside.getChildFile ("01_Bright.ondpreset"), { 0.7f });
    }

    void expectUntouchedDefault()
    {
        expectParameters ({ 0.1f });
        EXPECT_TRUE (store().currentPreset.valid);
        EXPECT_EQ (view().presetBar.getCurrentPreset().name, "ONDRELLA");
    }

    void expectImported (float value, const juce::String& name)
    {
        expectParameters ({ value });
        EXPECT_FALSE (store().currentPreset.valid);
        EXPECT_EQ (view().presetBar.getCurrentPreset().name, name);
        EXPECT_EQ (view().presetBar.getTextColour(), juce::Colour (0x80000000));
    }

    void importThroughDialog (const juce::File& chosen)
    {
        if (! browserIsOpen())
            click (view().presetBar);

        click (view().panel.importButton);
        dialogs.choose (chosen);
        deliverMessages();
    }

    void exportThroughDialog (const juce::File& chosen)
    {
        click (view().panel.exportButton);
        dialogs.choose (chosen);
    }

    juce::File outside, bright;
};

/** The platform's own dialogs, counting the files they have answered with, so a test can wait for one. */
struct CountedNativeDialogs  : public NativePresetFileDialogs
{
    CountedNativeDialogs (juce::Component* owner, int& count)  : NativePresetFileDialogs (owner), answers (count) {}

    void chooseFile (const juce::String& title, const juce::String& pattern, int flags,
                     std::function<void (const juce::File&)> onChosen) override
    {
        NativePresetFileDialogs::chooseFile (title, pattern, flags, [this, onChosen] (const juce::File& f) { ++answers; onChosen (f); });
    }

    int& answers;
};

//==============================================================================
TEST_F (ImportExport, ImportAppliesAnAcceptedFileAndClosesTheBrowserOrSaysWhyItCouldNot)
{
    openEditor();
    click (view().presetBar);
    click (view().panel.importButton);

    ASSERT_EQ (dialogs.asked.size(), 1u);   // what it asks is checked through the platform's own dialog below
    click (view(), { 5, 100 });   // the plate does not close the browser the pending dialog answers into
    EXPECT_TRUE (browserIsOpen());
    dialogs.choose ({});   // cancelled
    EXPECT_TRUE (browserIsOpen());
    expectUntouchedDefault();

    // Too short, too big for a preset though its header is right, a header that lies about the
    // size, and no file at all: nothing is applied, and the open browser says why.
    auto bigBlob = makeBlob ({ 0.9f });
    bigBlob.setSize (70000 - PresetFileHeader::headerSize, true);
    auto lying = PresetFileHeader::makePresetFile (makeBlob ({ 0.9f }));
    lying[12] = 81;

    const std::pair<juce::File, const char*> rejected[] {
        { writeFile (outside.getChildFile ("Short.ondpreset"), juce::MemoryBlock (50, true)), "not a preset file" },
        { writeFile (outside.getChildFile ("Big.ondpreset"), PresetFileHeader::makePresetFile (bigBlob)), "not a preset file" },
        { writeFile (outside.getChildFile ("Lying.ondpreset"), lying), "not a preset file" },
        { outside.getChildFile ("Missing.ondpreset"), "file not found" } };

    for (const auto& [file, why] : rejected)
    {
        importThroughDialog (file);
        expectUntouchedDefault();
        EXPECT_TRUE (browserIsOpen()) << file.getFileName();
        EXPECT_EQ (view().getFailure(), juce::String ("Could not import: ") + why);
    }

    importThroughDialog (bright);
    expectImported (0.7f, "01_Bright");
    EXPECT_FALSE (browserIsOpen());
    EXPECT_FALSE (view().panel.saveButton.isButtonEnabled());
    EXPECT_FALSE (view().presetList.getItem (0)->isSelected());

    // A link is followed to the preset it names.
    const auto link = outside.getChildFile ("Link.ondpreset");
    ASSERT_TRUE (bright.createSymbolicLink (link, true));
    turn (0, 0.0f);
    importThroughDialog (link);
    expectImported (0.7f, "Link");
}

TEST_F (ImportExport, ExportWritesAFileImportCanListAndAsksBeforeReplacingOne)
{
    const auto kept = writePreset (outside.getChildFile ("Kept.ondpreset"), { 0.9f });
    const auto old = contentOf (kept);
    openEditor();
    turn (4, 0.33f);
    click (view().presetBar);
    click (view().panel.exportButton);

    ASSERT_EQ (dialogs.asked.size(), 1u);

    // The state is the one of the moment Export was pressed, and the extension is added.
    const auto exported = presetFileOfCurrentState();
    turn (4, 0.9f);
    dialogs.choose (outside.getChildFile ("Exported"));
    EXPECT_EQ (contentOf (outside.getChildFile ("Exported.ondpreset")), exported);
    EXPECT_EQ (outside.findChildFiles (juce::File::findFiles, false, "*").size(), 3);   // no temporary left
    EXPECT_TRUE (browserIsOpen());

    // The name with the extension added is one the dialog did not ask about, so the export asks.
    exportThroughDialog (outside.getChildFile ("Kept"));
    ASSERT_EQ (dialogs.asked.size(), 3u);
    EXPECT_EQ (dialogs.asked[2].file, kept);
    dialogs.answer (false);
    EXPECT_EQ (contentOf (kept), old);

    exportThroughDialog (outside.getChildFile ("Kept"));
    dialogs.answer (true);
    EXPECT_EQ (contentOf (kept), presetFileOfCurrentState());

    // Chosen with its extension, the file is one the dialog itself asked about.
    turn (2, 0.2f);
    exportThroughDialog (kept);
    EXPECT_EQ (dialogs.asked.size(), 6u);
    EXPECT_EQ (contentOf (kept), presetFileOfCurrentState());

    // A name beginning with "~" is a name in the chosen folder, not a home folder.
    exportThroughDialog (juce::File (outside.getFullPathName() + "/~Draft"));
    EXPECT_EQ (contentOf (juce::File (outside.getFullPathName() + "/~Draft.ondpreset")), presetFileOfCurrentState());
    EXPECT_TRUE (view().getFailure().isEmpty()) << view().getFailure();

    // A failure shows at once in the browser the export started from, which the plate does not
    // close while the dialog is pending; opened again, the browser has no failure line.
    click (view().panel.exportButton);
    click (view(), { 5, 100 });
    ASSERT_TRUE (browserIsOpen());
    dialogs.choose (mine.getChildFile ("Out"));
    EXPECT_TRUE (view().getFailure().startsWith ("Could not export: ")) << view().getFailure();
    click (view(), { 5, 100 });
    EXPECT_FALSE (browserIsOpen());
    view().showFailure ("Could not export: long past");
    click (view().presetBar);
    EXPECT_TRUE (view().getFailure().isEmpty());
}

TEST_F (ImportExport, ADialogAnsweredAfterTheEditorHasClosedDoesNothing)
{
    openEditor();
    click (view().presetBar);
    click (view().panel.importButton);
    editor.reset();
    dialogs.choose (bright);
    expectParameters ({ 0.1f });

    openEditor();
    click (view().presetBar);
    click (view().panel.exportButton);
    editor.reset();
    dialogs.choose (outside.getChildFile ("Late"));
    EXPECT_FALSE (outside.getChildFile ("Late.ondpreset").exists());

    openEditor();
    click (view().presetBar);
    exportThroughDialog (outside.getChildFile ("01_Bright"));   // asks before replacing
    editor.reset();
    const auto before = contentOf (bright);
    dialogs.answer (true);
    EXPECT_EQ (contentOf (bright), before);
}

TEST_F (ImportExport, ThePlatformsOwnDialogIsAskedThroughZenity)
{
    // A stand-in for zenity on PATH logs its arguments and answers what the test wrote for it.
    const auto bin = sandbox.getChildFile ("bin");
    const auto zenity = bin.getChildFile ("zenity");
    ASSERT_TRUE (bin.createDirectory().wasOk());
    ASSERT_TRUE (zenity.replaceWithText ("#!/bin/sh\n"
                                         "printf '%s\\n' \"$@\" >> '" + bin.getFullPathName() + "/args'\n"
                                         "cat '" + bin.getFullPathName() + "/answer'\n", false, false, "\n"));
    ASSERT_TRUE (zenity.setExecutePermission (true));

    const auto answer = [&] (const juce::String& path) { bin.getChildFile ("args").deleteFile(); bin.getChildFile ("answer").replaceWithText (path); };
    const auto arguments = [&] { juce::StringArray lines; lines.addLines (bin.getChildFile ("args").loadFileAsString()); return lines; };

    const auto previousPath = juce::SystemStats::getEnvironmentVariable ("PATH", {});
    const auto previousDirectory = juce::File::getCurrentWorkingDirectory();
    const juce::ScopeGuard restore { [&] { ::setenv ("PATH", previousPath.toRawUTF8(), 1); previousDirectory.setAsCurrentWorkingDirectory(); } };
    ::setenv ("PATH", (bin.getFullPathName() + ":" + previousPath).toRawUTF8(), 1);

    openEditor();
    int answers = 0;
    manager().setFileDialogsForTesting (std::make_unique<CountedNativeDialogs> (editor.get(), answers));
    click (view().presetBar);

    answer ({});   // cancelled
    click (view().panel.importButton);
    EXPECT_TRUE (TestSupport::runMessagesUntil ([&] { return answers == 1; }));
    EXPECT_TRUE (arguments().contains ("--file-selection"));
    EXPECT_TRUE (browserIsOpen());

    answer (bright.getFullPathName());
    click (view().panel.importButton);
    EXPECT_TRUE (TestSupport::runMessagesUntil ([&] { return answers == 2; }));
    EXPECT_FALSE (browserIsOpen());
    expectParameters ({ 0.7f });
    EXPECT_TRUE (arguments().contains ("--title=Import Preset"));
    EXPECT_TRUE (arguments().contains ("--file-filter=*.ondpreset"));
    EXPECT_FALSE (arguments().contains ("--save"));

    const auto exported = outside.getChildFile ("ViaZenity.ondpreset");
    answer (outside.getChildFile ("ViaZenity").getFullPathName());
    click (view().presetBar);
    click (view().panel.exportButton);
    EXPECT_TRUE (TestSupport::runMessagesUntil ([&] { return answers == 3; }));
    EXPECT_EQ (contentOf (exported), presetFileOfCurrentState());
    EXPECT_TRUE (arguments().contains ("--title=Export Preset"));
    EXPECT_TRUE (arguments().contains ("--file-filter=*.ondpreset"));
    EXPECT_TRUE (arguments().contains ("--save"));
    EXPECT_TRUE (arguments().contains ("--confirm-overwrite"));

    // The same name again: the file with the extension added exists, and an alert asks first.
    turn (3, 0.9f);
    click (view().panel.exportButton);
    ASSERT_TRUE (TestSupport::runMessagesUntil ([&] { return answers == 4; }));
    auto* alert = dynamic_cast<juce::AlertWindow*> (juce::Component::getCurrentlyModalComponent());
    ASSERT_NE (alert, nullptr);

    for (auto* child : alert->getChildren())
        if (auto* button = dynamic_cast<juce::Button*> (child); button != nullptr && button->getButtonText() == "Replace")
            button->triggerClick();

    EXPECT_TRUE (TestSupport::runMessagesUntil ([&] { return contentOf (exported) == presetFileOfCurrentState(); }));
}

TEST_F (ImportExport, PresetMessagesRescanTheUserFolderOrApplyAPreset)
{
    openEditor();
    click (view().presetBar);
    clickRow (view().folderList, userFolder);
    clickRow (view().presetList, 1);

    // The current preset's file went meanwhile: no row stands for it, and every row loads.
    ASSERT_TRUE (other.deleteFile());
    writePreset (userPresetsFolder().getChildFile ("Aaa.ondpreset"), { 0.7f });
    manager().presetMessageReceived (nullptr, "r");
    EXPECT_EQ (view().getDisplayedFolder(), userFolder);
    EXPECT_EQ (rowTexts (view().presetList), juce::StringArray ("Aaa", "Mine"));
    EXPECT_FALSE (view().presetList.getItem (1)->isSelected());
    clickRow (view().presetList, 1);
    expectParameters ({ 0.4f });

    const auto message = [] (const juce::MemoryBlock& bytes) { return juce::Base64::toBase64 (bytes.getData(), bytes.getSize()); };
    manager().presetMessageReceived (nullptr, message (PresetFileHeader::makePresetFile (makeBlob ({ 0.65f }))).toRawUTF8());
    deliverMessages();
    expectImported (0.65f, "** Imported **");
    EXPECT_TRUE (browserIsOpen());

    // Nothing, empty, not Base64, or not a preset: ignored.
    const auto notAPreset = message (juce::MemoryBlock (50, true));
    const auto tooBig = message (juce::MemoryBlock ((size_t) AppDataFolders::maximumFileSize + 1, true));

    for (const char* ignored : { (const char*) nullptr, "", "%%% not base64 %%%", notAPreset.toRawUTF8(), tooBig.toRawUTF8() })
    {
        manager().presetMessageReceived (nullptr, ignored);
        deliverMessages();
        expectImported (0.65f, "** Imported **");
    }
}
