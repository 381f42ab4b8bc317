// Opening and closing the browser over the plug-in's editor, listing folders and presets, loading
// by click and by arrow, and the preset bar following the current preset and the editor's layouts.
#include "PresetManagerTestSupport.h"

#include <thread>

using namespace PresetManagerTest;

class Browser  : public Fixture {};

TEST_F (Browser, TheBarOpensItThePlateClosesItAndBothFollowEveryHostResize)
{
    for (int i = 0; i < 14; ++i)
        writePreset (userPresetsFolder().getChildFile ("Take " + juce::String (i + 1) + ".ondpreset"), {});

    openEditor();
    auto& bar = view().presetBar;
    EXPECT_EQ (bar.getCurrentPreset().name, "ONDRELLA");
    EXPECT_EQ (bar.getTextColour(), juce::Colour (0xcc000000));

    click (bar, { 1, 8 });          // the editor's style has no arrows: the bar's very end opens it too
    ASSERT_TRUE (browserIsOpen());
    EXPECT_EQ (view().background.getParentComponent(), editor.get());

    click (view(), { 200, 62 });    // the panel's own background
    EXPECT_TRUE (browserIsOpen());
    click (view(), { 5, 100 });     // the margin lets the click through to the plate
    EXPECT_FALSE (browserIsOpen());
    EXPECT_EQ (view().background.getParentComponent(), nullptr);

    click (bar);
    click (*editor, { 80, 55 });    // the bar lies under the plate now
    EXPECT_FALSE (browserIsOpen());

    // Sixteen presets are more than the list shows: it is as tall as its rows and scrolls.
    click (bar);
    clickRow (view().folderList, userFolder);
    clickRow (view().presetList, 2);
    saveArtefact ("browser-open");
    EXPECT_EQ (view().presetList.getHeight(), 16 * 24);
    EXPECT_TRUE (view().presetScroller.getVerticalScrollBar().isVisible());
    EXPECT_FALSE (view().folderScroller.getVerticalScrollBar().isVisible());
    EXPECT_NEAR (editor->createComponentSnapshot ({ 0, 0, 4, 4 }).getPixelAt (2, 2).getPerceivedBrightness(),
                 juce::Colour (0xffd9d9c4).overlaidWith (juce::Colour (0x99000000)).getPerceivedBrightness(), 0.01f);   // the deck, dimmed

    // The bar lies on the tape's label in the full layout, on a line of its own in the compact one.
    const std::tuple<int, int, juce::Rectangle<int>, float> layouts[] { { 900, 420, { 194, 109, 154, 16 }, 18.0f },
                                                                        { 600, 250, { 66, 64, 200, 25 }, 30.0f },
                                                                        { 1000, 300, { 244, 49, 154, 16 }, 18.0f } };
    for (const auto& [width, height, bounds, fontHeight] : layouts)
    {
        editor->setSize (width, height);
        EXPECT_EQ (view().background.getBounds(), editor->getLocalBounds());
        EXPECT_EQ (bar.getBounds(), bounds);
        EXPECT_EQ (bar.getFont().getHeight(), fontHeight);
    }

    // A point the plate did not reach at first is the plate's now: no control under it takes the click.
    click (*editor, { 990, 290 });
    EXPECT_FALSE (browserIsOpen());
    click (bar);
    EXPECT_TRUE (browserIsOpen());
}

TEST_F (Browser, FoldersAndPresetsAreListedAndAClickLoadsAPreset)
{
    openEditor();
    click (view().presetBar);
    auto& folders = view().folderList;
    auto& presets = view().presetList;

    EXPECT_EQ (rowTexts (folders), juce::StringArray ("Factory Presets", "Vintage", "User Presets"));
    EXPECT_TRUE (folders.getItem (factoryFolder)->isSelected());
    EXPECT_EQ (rowTexts (presets), juce::StringArray ("ONDRELLA", "Warm"));
    EXPECT_TRUE (presets.getItem (0)->isSelected());
    EXPECT_FALSE (presets.getItem (0)->hasDelete());

    clickRow (folders, userFolder);
    EXPECT_EQ (rowTexts (presets), juce::StringArray ("Mine", "Other"));
    EXPECT_TRUE (presets.getItem (1)->hasDelete());
    EXPECT_FALSE (view().panel.saveButton.isButtonEnabled());   // ONDRELLA is still current

    clickRow (presets, 1);
    expectParameters ({ 0.5f });
    EXPECT_EQ (view().presetBar.getCurrentPreset().name, "Other");
    EXPECT_TRUE (presets.getItem (1)->isSelected());
    EXPECT_FALSE (presets.getItem (0)->isSelected());
    EXPECT_TRUE (view().panel.saveButton.isButtonEnabled());
    EXPECT_TRUE (browserIsOpen());

    clickRow (folders, vintageFolder);
    clickRow (presets, 0);
    expectParameters ({ 0.3f });
    EXPECT_FALSE (view().panel.saveButton.isButtonEnabled());   // a factory preset

    // A file gone since the last scan loads nothing and changes nothing; the browser says so and
    // lists the folder again without it, highlighting no row but the current preset's.
    ASSERT_TRUE (factoryRoot().getChildFile ("00_Factory Presets/02_Warm.ondpreset").deleteFile());
    clickRow (folders, factoryFolder);
    clickRow (presets, 1);
    expectParameters ({ 0.3f });
    EXPECT_EQ (view().presetBar.getCurrentPreset().name, "Dusty");
    EXPECT_EQ (view().getFailure(), "Could not load: file not found");
    EXPECT_EQ (rowTexts (presets), juce::StringArray ("ONDRELLA"));
    EXPECT_FALSE (presets.getItem (0)->isSelected());
}

TEST_F (Browser, TheBarFollowsThePresetsArrowsStepThroughAndTheStatesTheHostRestores)
{
    openEditor();

    // The editor's bar has no arrows. A bar with arrows over the same editor and store steps
    // through the presets, and the editor's own bar and browser follow the processor's broadcasts.
    auto style = OndrellaAudioProcessorEditor::makePresetBarStyle();
    style.showArrows = true;
    PresetManagerController arrowed (editor.get(), &store(), style);
    auto& bar = arrowed.view.presetBar;
    editor->addAndMakeVisible (bar);
    bar.setBounds (view().presetBar.getBounds());

    const std::pair<const char*, float> presets[] { { "ONDRELLA", 0.1f }, { "Warm", 0.2f }, { "Dusty", 0.3f }, { "Mine", 0.4f }, { "Other", 0.5f } };
    const auto expectShown = [&] (size_t i)
    {
        EXPECT_EQ (view().presetBar.getCurrentPreset().name, presets[i].first);
        expectParameters ({ presets[i].second });
        EXPECT_EQ (view().getDisplayedFolder(), store().currentPreset.folder);
        EXPECT_EQ (bar.leftArrow.isButtonEnabled(), i > 0);
        EXPECT_EQ (bar.rightArrow.isButtonEnabled(), i < 4);
    };

    expectShown (0);

    for (size_t i = 1; i < 5; ++i)
    {
        click (bar.rightArrow);
        expectShown (i);
    }

    click (bar.rightArrow);   // disabled: nothing
    expectShown (4);
    EXPECT_FALSE (browserIsOpen());
    EXPECT_FALSE (arrowed.view.isBrowserOpen());

    for (size_t i = 4; i-- > 0;)
    {
        click (bar.leftArrow);
        expectShown (i);
    }

    // A host restores a state, naming its preset by hash codes, from a thread of its own and reads it
    // back at once there; one no longer stored keeps the old name, drawn as not stored.
    juce::MemoryBlock state, readBack;
    const auto restore = [&] (const juce::String& folder, const juce::String& preset)
    {
        state = makeBlob ({ 0.6f });
        juce::MemoryOutputStream (state, true).writeInt (folder.hashCode());
        juce::MemoryOutputStream (state, true).writeInt (preset.hashCode());
        readBack.reset();
        std::thread ([&]
        {
            processor->setStateInformation (state.getData(), (int) state.getSize());
            processor->getStateInformation (readBack);
        }).join();
    };

    restore ("User Presets", "Mine");
    EXPECT_EQ (readBack, state);
    deliverMessages();
    EXPECT_EQ (store().currentPreset.name, "Mine");
    EXPECT_EQ (view().presetBar.getCurrentPreset().name, "Mine");
    EXPECT_EQ (view().presetBar.getTextColour(), juce::Colour (0xcc000000));
    EXPECT_EQ (view().getDisplayedFolder(), userFolder);

    restore ("User Presets", "Gone");
    EXPECT_EQ (readBack, juce::MemoryBlock (state.getData(), 64));
    deliverMessages();
    EXPECT_EQ (view().presetBar.getCurrentPreset().name, "Mine");
    EXPECT_EQ (view().presetBar.getTextColour(), juce::Colour (0x80000000));
    EXPECT_FALSE (view().panel.saveButton.isButtonEnabled());

    // A preset loaded before the message thread has taken a restore stays current, with its values.
    restore ("Vintage", "Dusty");
    view().listItemClicked (1, 1);
    deliverMessages();
    EXPECT_EQ (view().presetBar.getCurrentPreset().name, "Other");
    expectParameters ({ 0.5f });
}
