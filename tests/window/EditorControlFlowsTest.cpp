// A user working the controls of the open editor: every change must reach the processor and the
// host, drags must be bracketed by gestures, and the value pop-ups must follow.

#include "EditorTestSupport.h"

#include "editor/ValueText.h"
#include "processor/ParameterTable.h"

using namespace EditorTest;

namespace
{
    juce::Point<float> knobCentre (OpenEditor& e, MVKnobBase& knob)
    {
        return e->getLocalPoint (&knob, knob.getKnobCentre());
    }

    /** Drag, Alt-drag, wheel and double-click one control; checks what the processor and the host saw. */
    void workControl (OpenEditor& e, juce::Point<float> centre, int index)
    {
        const auto start = e.hostValue (index);
        e.host.events.clear();

        e.drag (centre, centre - juce::Point<float> (0.0f, 20.0f));
        const auto afterDrag = e.hostValue (index);
        EXPECT_GT (afterDrag, start + 0.05f) << index;
        EXPECT_EQ (e.host.count ("begin", index), 1);
        EXPECT_EQ (e.host.count ("end", index), 1);
        EXPECT_GT (e.host.count ("changed", index), 0);
        ASSERT_FALSE (e.host.events.empty());
        EXPECT_EQ (e.host.events.front().what, "begin");
        EXPECT_EQ (e.host.events.back().what, "end");
        EXPECT_FLOAT_EQ (e.host.events[e.host.events.size() - 2].value, afterDrag);

        // Alt makes the same movement a tenth as big.
        e.drag (centre, centre - juce::Point<float> (0.0f, 20.0f), alt());
        EXPECT_NEAR (e.hostValue (index) - afterDrag, (afterDrag - start) * 0.1f, 0.01f) << index;

        // The wheel moves the value without a gesture.
        e.host.events.clear();
        const auto beforeWheel = e.hostValue (index);
        e.wheel (centre, -0.1f);
        EXPECT_LT (e.hostValue (index), beforeWheel);
        EXPECT_EQ (e.host.count ("begin", index), 0);
        EXPECT_EQ (e.host.count ("changed", index), 1);

        // One click leaves the value; a double-click goes back to the default, inside a gesture
        // of its own.
        const auto afterWheel = e.hostValue (index);
        e.click (centre);
        EXPECT_EQ (e.hostValue (index), afterWheel);
        e.host.events.clear();
        e.click (centre, {}, 2);
        EXPECT_FLOAT_EQ (e.hostValue (index), parameterDefinitions[index].normalisedDefault());
        EXPECT_TRUE (e.host.gesturesBalanced (index));
        EXPECT_GE (e.host.count ("begin", index), 1);
    }
}

//==============================================================================
TEST (EditorControls, AFrontKnobDrivesItsParameterAndShowsItsValueAbove)
{
    OpenEditor e;
    ASSERT_NE (e.editor, nullptr);
    const auto centre = knobCentre (e, e->inputGainKnob);

    workControl (e, centre, ParameterIndex::inputGain);

    // Held down, the pop-up sits over the knob, wide for decibels, and names the host's value.
    e.press (centre);
    EXPECT_EQ (e->valuePopup.getBounds(), juce::Rectangle<int> (391, 197, 42, 14));
    EXPECT_TRUE (e->valuePopup.getShowing());
    EXPECT_EQ (e->valuePopup.getText(), formatValueText (parameterDefinitions[0], 0.0f));

    for (int tick = 0; tick < 13; ++tick)
        e->timerCallback();

    EXPECT_FLOAT_EQ (e->valuePopup.getAlpha(), 1.0f);

    e.release (centre);
    EXPECT_FALSE (e->valuePopup.getShowing());
    e->timerCallback();
    EXPECT_LT (e->valuePopup.getAlpha(), 1.0f);

    // The narrow pop-up for a percentage.
    e.press (knobCentre (e, e->mixKnob));
    EXPECT_EQ (e->valuePopup.getBounds(), juce::Rectangle<int> (577, 197, 30, 14));
    e.release (knobCentre (e, e->mixKnob));
}

TEST (EditorControls, ABackPanelSliderDrivesItsParameterWithTheBackPopup)
{
    OpenEditor e;
    ASSERT_NE (e.editor, nullptr);

    e.click (e.centreOf (e->flipButton));
    ASSERT_TRUE (e->isSettingsOpen());
    ASSERT_EQ (e->settingsView.getParentComponent(), e.editor.get());

    auto& slider = e->settingsView.eqSliders[1];
    workControl (e, e.centreOf (slider), ParameterIndex::eqB2Gain);

    e.press (e.centreOf (slider));
    EXPECT_TRUE (e->settingsView.valuePopup.getShowing());
    EXPECT_FALSE (e->valuePopup.getShowing());
    EXPECT_EQ (e->settingsView.valuePopup.getWidth(), 42);
    e.release (e.centreOf (slider));

    // The head tilt takes the wide pop-up although it is a percentage.
    e.press (e.centreOf (e->settingsView.tapeHeadSlider));
    EXPECT_EQ (e->settingsView.valuePopup.getWidth(), 42);
    e.release (e.centreOf (e->settingsView.tapeHeadSlider));
}

TEST (EditorControls, EachSwitchSlotSelectsItsPositionWithoutAPopup)
{
    OpenEditor e;
    ASSERT_NE (e.editor, nullptr);

    for (auto [threeSwitch, index] : { std::pair { &e->tapeSwitch, (int) ParameterIndex::tape },
                                       std::pair { &e->noiseSwitch, (int) ParameterIndex::noise } })
    {
        for (int slot : { 0, 2, 1 })   // each one a change from the defaults 0.1 and 0.2
        {
            e.host.events.clear();
            e.click (e->getLocalPoint (threeSwitch, threeSwitch->getSlotBounds (slot).getCentre()));

            EXPECT_FLOAT_EQ (e.hostValue (index), (float) slot / 10.0f) << index << " slot " << slot;
            EXPECT_EQ (e.host.count ("changed", index), 1);
            EXPECT_TRUE (e.host.gesturesBalanced (index));
            EXPECT_FALSE (e->valuePopup.getShowing());

            e->timerCallback();
            EXPECT_EQ (threeSwitch->getPosition(), slot);
        }
    }
}

TEST (EditorControls, TheDeckFlipsOverAndBack)
{
    OpenEditor e;
    ASSERT_NE (e.editor, nullptr);
    EXPECT_EQ (e->settingsView.getParentComponent(), nullptr);

    e.click (e.centreOf (e->flipButton));
    EXPECT_TRUE (e->isSettingsOpen());
    EXPECT_EQ (e->getChildComponent (e->getNumChildComponents() - 1), &e->settingsView);

    // The back panel takes every click over it: the front controls underneath get nothing.
    const auto before = e.hostValue (ParameterIndex::inputGain);
    e.drag (knobCentre (e, e->inputGainKnob), knobCentre (e, e->inputGainKnob) - juce::Point<float> (0.0f, 30.0f));
    EXPECT_EQ (e.hostValue (ParameterIndex::inputGain), before);

    e.click (e->getLocalPoint (&e->settingsView, e->settingsView.flipButton.getBounds().getCentre()).toFloat());
    EXPECT_FALSE (e->isSettingsOpen());
    EXPECT_EQ (e->settingsView.getParentComponent(), nullptr);

    // A click that reaches the editor itself closes the panel too.
    e->showSettingsView();
    e->mouseDown (juce::MouseEvent (juce::Desktop::getInstance().getMainMouseSource(), {}, {}, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f,
                                    e.editor.get(), e.editor.get(), juce::Time::getCurrentTime(), {}, juce::Time::getCurrentTime(), 1, false));
    EXPECT_FALSE (e->isSettingsOpen());
}

TEST (EditorControls, OpeningTheBackWithTheHissOffDimsTheHissKnobs)
{
    OpenEditor e;
    ASSERT_NE (e.editor, nullptr);

    for (auto [slot, alpha] : { std::pair { 2, 0.6f }, { 1, 1.0f }, { 0, 1.0f } })
    {
        // Opened before the timer's next tick: the switch's new position already counts.
        e.click (e->getLocalPoint (&e->noiseSwitch, e->noiseSwitch.getSlotBounds (slot).getCentre()));
        e->showSettingsView();
        EXPECT_FLOAT_EQ (e->settingsView.noiseGainKnob.getAlpha(), alpha) << slot;
        EXPECT_FLOAT_EQ (e->settingsView.noiseTypeKnob.getAlpha(), alpha) << slot;
        EXPECT_FLOAT_EQ (e->settingsView.crossbleedKnob.getAlpha(), 1.0f);
        e->hideSettingsView();
    }
}

TEST (EditorControls, HostAutomationShowsOnFrontAndBackControlsWithoutReports)
{
    OpenEditor e;
    ASSERT_NE (e.editor, nullptr);
    const auto& parameters = e.processor.getParameters();   // written as a host's automation does

    // What the host changed while the back was closed shows as it opens, before any tick:
    // a press at once must start from it.
    parameters[ParameterIndex::crossbleed]->setValue (0.75f);
    parameters[ParameterIndex::headTilt]->setValue (0.1f);
    e->showSettingsView();
    EXPECT_EQ (e->settingsView.crossbleedKnob.getValue(), 0.75f);
    EXPECT_EQ (e->settingsView.tapeHeadSlider.getValue(), 0.1f);

    parameters[ParameterIndex::outputGain]->setValue (0.25f);
    parameters[ParameterIndex::tape]->setValue (0.2f);
    parameters[ParameterIndex::eqB3Gain]->setValue (0.3f);
    e->timerCallback();

    EXPECT_EQ (e->outputGainKnob.getValue(), 0.25f);
    EXPECT_EQ (e->tapeSwitch.getPosition(), 2);
    EXPECT_EQ (e->settingsView.eqSliders[2].getValue(), 0.3f);
    EXPECT_TRUE (e.host.events.empty());   // showing a host value is no change of ours

    // A value no host should send still shows as a number.
    parameters[ParameterIndex::eqB1Gain]->setValue (std::numeric_limits<float>::quiet_NaN());
    e->timerCallback();
    EXPECT_TRUE (std::isfinite (e->settingsView.eqSliders[0].getValue()));
}
