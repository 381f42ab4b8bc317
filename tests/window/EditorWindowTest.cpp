// The editor as a window: its layouts at any size, its life with other editors and hosts, what
// its timer shows, and pictures of both panels.

#include "EditorTestSupport.h"

#include "editor/Palette.h"
#include "tests/support/MessagePump.h"
#include "processor/ParameterTable.h"

#include <cmath>
#include <limits>

using namespace EditorTest;

TEST (EditorWindow, OpensAt667By300WithTheFrontControlsBoundToTheirParameters)
{
    OpenEditor e;
    ASSERT_NE (e.editor, nullptr);
    EXPECT_EQ (e->getWidth(), 667);
    EXPECT_EQ (e->getHeight(), 300);
    EXPECT_TRUE (e->isTimerRunning());
    EXPECT_EQ (e->getTimerInterval(), 33);

    const std::vector<std::pair<EComponent*, int>> bound {
        { &e->tapeQualityKnob, 5 }, { &e->headQualityKnob, 4 }, { &e->motorQualityKnob, 3 }, { &e->noiseSwitch, 6 },
        { &e->tapeSwitch, 7 }, { &e->mixKnob, 2 }, { &e->inputGainKnob, 0 }, { &e->outputGainKnob, 1 } };

    ASSERT_EQ (e->controls.size(), bound.size());
    for (size_t i = 0; i < bound.size(); ++i)
    {
        EXPECT_EQ (e->controls[i], bound[i].first) << i;
        EXPECT_EQ (bound[i].first->getParameterIndex(), bound[i].second);
        EXPECT_EQ (bound[i].first->getValue(), e.hostValue (bound[i].second));
    }

    // Bottom to top: the pop-up above every front control, the back panel not yet there.
    EXPECT_EQ (e->getIndexOfChildComponent (&e->tapeQualityKnob), 0);
    EXPECT_EQ (e->getIndexOfChildComponent (&e->flipButton), e->getIndexOfChildComponent (&e->meterRight) + 1);
    EXPECT_EQ (e->getChildComponent (e->getNumChildComponents() - 1), &e->valuePopup);
    EXPECT_EQ (e->settingsView.getParentComponent(), nullptr);

    EXPECT_EQ (e->settingsView.versionLabel.getText(), "v1.2.2");
    EXPECT_EQ (e->getParameterName (ParameterIndex::noiseType), "WHITE / PINK");
    EXPECT_EQ (e->getParameterName (ParameterIndex::noiseLevel), "GAIN");
    EXPECT_EQ (e->getParameterName (ParameterIndex::tapeQuality), "TAPE QUALITY");
}

TEST (EditorWindow, PicksTheFullOrCompactLayoutForAnySize)
{
    OpenEditor e;
    ASSERT_NE (e.editor, nullptr);

    struct Case { int w, h; bool full; juce::Rectangle<int> tapeView, inputGain, noiseSwitch, flip; };
    const Case cases[] = {
        { 667, 300, true,  { 44, 25, 224, 132 },  { 370, 211, 84, 84 }, { 510, 135, 126, 57 }, { 636, 5, 20, 12 } },
        { 1000, 300, true, { 210, 25, 224, 132 }, { 536, 211, 84, 84 }, { 676, 135, 126, 57 }, { 802, 5, 20, 12 } },
        { 666, 300, false, {},                    { 352, 145, 84, 84 }, { 345, 73, 126, 57 },  { 593, 69, 20, 12 } },
        { 667, 299, false, {},                    { 352, 144, 84, 84 }, { 345, 72, 126, 57 },  { 593, 68, 20, 12 } },
    };

    for (const auto& c : cases)
    {
        e->setSize (c.w, c.h);
        const auto where = juce::String (c.w) + " x " + juce::String (c.h);

        EXPECT_EQ (e->tapeView.isVisible(), c.full) << where;
        EXPECT_EQ (e->meterLeft.isVisible(), c.full) << where;
        EXPECT_EQ (e->meterRight.isVisible(), c.full) << where;

        if (c.full)
        {
            EXPECT_EQ (e->tapeView.getBounds(), c.tapeView) << where;
        }

        EXPECT_EQ (e->inputGainKnob.getBounds(), c.inputGain) << where;
        EXPECT_EQ (e->noiseSwitch.getBounds(), c.noiseSwitch) << where;
        EXPECT_EQ (e->flipButton.getBounds(), c.flip) << where;
        EXPECT_EQ (e->settingsView.getBounds(), e->getLocalBounds()) << where;
    }

    // Nothing a host can ask for upsets it (a window keeps at least one pixel); the back panel
    // keeps its controls where they were.
    for (auto [w, h] : { std::pair { 0, 0 }, { 1, 1 }, { 100, 40 }, { 5000, 20 }, { 20, 5000 } })
    {
        e->setSize (w, h);
        EXPECT_FALSE (e->tapeView.isVisible());
        e->showSettingsView();
        EXPECT_EQ (e->settingsView.tapeHeadSlider.getBounds(), juce::Rectangle<int> (450, 52, 150, 92));
        EXPECT_EQ (e->settingsView.versionLabel.getBounds(),
                   juce::Rectangle<int> (e->getWidth() - 50, e->getHeight() - 14, 50, 14));
        e->createComponentSnapshot (e->getLocalBounds());   // painted at that size, for the sanitizers
        e->hideSettingsView();
    }
}

TEST (EditorWindow, ControlsAskingAboutUnknownParametersGetNothingAndChangeNothing)
{
    OpenEditor e;
    ASSERT_NE (e.editor, nullptr);

    std::vector<float> before;
    for (auto* parameter : e.processor.getParameters())
        before.push_back (parameter->getValue());

    for (int index : { -1, numParameters, numParameters + 7, std::numeric_limits<int>::max() })
    {
        EXPECT_EQ (e->getParameterName (index), juce::String()) << index;
        EXPECT_EQ (e->getDefaultValue (index), 0.0f);
        EXPECT_EQ (e->getParameterValue (index), 0.0f);

        e->beginParameterGesture (nullptr, index);
        e->parameterChanged (&e->mixKnob, index, 0.3f);
        e->controlPressed (&e->mixKnob, index, 0.0f, 0.0f);
        e->controlReleased (&e->mixKnob, index);
        e->endParameterGesture (nullptr, index);
    }

    for (int i = 0; i < numParameters; ++i)
        EXPECT_EQ (e.hostValue (i), before[(size_t) i]) << i;

    EXPECT_TRUE (e.host.events.empty());
    EXPECT_FALSE (e->valuePopup.getShowing());
}

TEST (EditorWindow, AHostClosingTheWindowMidDragEndsTheGesture)
{
    OpenEditor e;
    ASSERT_NE (e.editor, nullptr);
    const auto centre = e->getLocalPoint (&e->outputGainKnob, e->outputGainKnob.getKnobCentre());

    e.press (centre);
    e.press (centre - juce::Point<float> (0.0f, 10.0f));
    ASSERT_EQ (e.host.count ("begin", ParameterIndex::outputGain), 1);
    EXPECT_TRUE (e->valuePopup.getShowing());

    e.close();
    EXPECT_EQ (e.host.count ("end", ParameterIndex::outputGain), 1);
    EXPECT_TRUE (e.host.gesturesBalanced (ParameterIndex::outputGain));

    // A stray release after the window went reaches nobody.
    juce::ModifierKeys::currentModifiers = {};
    EXPECT_TRUE (TestSupport::deliverPendingMessages());
}

TEST (EditorWindow, EditorsOfTwoInstancesShareOneFontThatTheLastOneFrees)
{
    juce::Typeface* shared = nullptr;
    {
        OpenEditor first;
        ASSERT_NE (first.editor, nullptr);
        shared = widgetFont (10.0f).getTypefacePtr().get();

        for (int i = 0; i < 20; ++i)   // another instance's editor, opened and closed again and again
        {
            OpenEditor second;
            second->showSettingsView();
            second->timerCallback();
            EXPECT_EQ (SharedWidgetFont::getLiveEditorCount(), 2);
            EXPECT_EQ (widgetFont (9.0f).getTypefacePtr().get(), shared);
        }

        // The first editor goes on working with the same font.
        EXPECT_EQ (SharedWidgetFont::getLiveEditorCount(), 1);
        EXPECT_EQ (widgetFont (11.0f).getTypefacePtr().get(), shared);
        first.click (first->getLocalPoint (&first->tapeSwitch, first->tapeSwitch.getSlotBounds (2).getCentre()));
        EXPECT_FLOAT_EQ (first.hostValue (ParameterIndex::tape), 0.2f);
        first->createComponentSnapshot (first->getLocalBounds());   // painted with it, for the sanitizers
    }

    // The last one leaves nothing behind.
    EXPECT_EQ (SharedWidgetFont::getLiveEditorCount(), 0);
    EXPECT_FALSE (SharedWidgetFont::isAlive());
}

//==============================================================================
TEST (EditorTimer, TurnsTheWheelsOnlyWhileTheHostPlays)
{
    OpenEditor e;
    ASSERT_NE (e.editor, nullptr);

    e->timerCallback();
    EXPECT_EQ (e->tapeView.getWheelAngle(), 0.0f);

    e.processor.isPlaying = true;
    for (int tick = 0; tick < 3; ++tick)
        e->timerCallback();

    EXPECT_TRUE (e->tapeView.isPlaying());
    EXPECT_NEAR (e->tapeView.getWheelAngle(), -0.09f, 1.0e-6f);

    e.processor.isPlaying = false;
    e->timerCallback();
    EXPECT_NEAR (e->tapeView.getWheelAngle(), -0.09f, 1.0e-6f);
}

TEST (EditorTimer, NeedlesFollowTheOutputAndReadSilenceOrNonsenseAsTheBottom)
{
    OpenEditor e;
    ASSERT_NE (e.editor, nullptr);

    e.processor.prepareToPlay (48000.0, 512);
    juce::AudioBuffer<float> buffer (2, 512);
    for (int i = 0; i < 512; ++i)
    {
        buffer.setSample (0, i, 0.5f * std::sin ((float) i * 0.05f));
        buffer.setSample (1, i, 0.0f);
    }

    juce::MidiBuffer midi;
    for (int block = 0; block < 20; ++block)
    {
        auto copy = buffer;
        e.processor.processBlock (copy, midi);
    }

    for (int tick = 0; tick < 10; ++tick)
        e->timerCallback();

    EXPECT_GT (e->meterLeft.getSmoothedLevel(), e->meterRight.getSmoothedLevel());

    EXPECT_EQ (OndrellaAudioProcessorEditor::peakToDecibels (0.00001f), -100.0f);
    EXPECT_EQ (OndrellaAudioProcessorEditor::peakToDecibels (0.0f), -100.0f);
    EXPECT_EQ (OndrellaAudioProcessorEditor::peakToDecibels (std::numeric_limits<float>::quiet_NaN()), -100.0f);
    EXPECT_NEAR (OndrellaAudioProcessorEditor::peakToDecibels (0.1f), -20.0f, 1.0e-4f);
    EXPECT_TRUE (std::isfinite (OndrellaAudioProcessorEditor::peakToDecibels (std::numeric_limits<float>::infinity())));
}

//==============================================================================
TEST (EditorPictures, FrontAndBackPanels)
{
    OpenEditor e;
    ASSERT_NE (e.editor, nullptr);
    const auto picture = [&e] { return e->createComponentSnapshot (e->getLocalBounds(), true, 2.0f); };

    // Whether an area of picture a looks like the area of the same size at another place of b.
    const auto looksLike = [] (const juce::Image& a, juce::Rectangle<int> area, const juce::Image& b, juce::Point<int> at)
    {
        for (int y = 0; y < 2 * area.getHeight(); ++y)
            for (int x = 0; x < 2 * area.getWidth(); ++x)
                if (a.getPixelAt (2 * area.getX() + x, 2 * area.getY() + y) != b.getPixelAt (2 * at.x + x, 2 * at.y + y))
                    return false;
        return true;
    };

    const auto front = picture();
    saveArtefact (front, "editor-front.png");
    EXPECT_EQ (front.getPixelAt (2, 2).getARGB(), 0xffd9d9c4u);   // the plate, where nothing lies over it

    // The back opens on the host's values: the thumb of the band turned fully down sits at the
    // foot of its groove, that of the band turned fully up at its head.
    e.processor.getParameters()[ParameterIndex::eqB1Gain]->setValue (0.0f);
    e.processor.getParameters()[ParameterIndex::eqB4Gain]->setValue (1.0f);
    e->showSettingsView();
    const auto back = picture();
    saveArtefact (back, "editor-back.png");

    EXPECT_EQ (back.getPixelAt (2 * 464, 2 * 263), Palette::ink);
    EXPECT_EQ (back.getPixelAt (2 * 584, 2 * 192), Palette::ink);

    e->hideSettingsView();
    e.click (e.centreOf (e->presetManager.view.presetBar));
    ASSERT_TRUE (e->presetManager.view.isBrowserOpen());
    saveArtefact (picture(), "editor-browser.png");

    // The plate keeps covering the whole window when the host resizes it with the browser open.
    e->setSize (600, 240);
    EXPECT_EQ (e->presetManager.view.background.getBounds(), e->getLocalBounds());
    e->presetManager.view.closeBrowser();
    const auto compact = picture();
    saveArtefact (compact, "editor-compact.png");

    // The compact deck has bare plate where the front shows the tape, and the same knob, moved.
    const juce::Rectangle<int> tapeTop (44, 25, 224, 15);
    EXPECT_FALSE (looksLike (front, tapeTop, front, {}));
    EXPECT_TRUE (looksLike (compact, tapeTop, compact, {}));
    EXPECT_TRUE (looksLike (compact, e->inputGainKnob.getBounds(), front, { 370, 211 }));
}
