// The editor at the edges of what it is given: sizes a host forces below the full layout, and
// values out of range handed on by a control.

#include "EditorTestSupport.h"

#include "editor/ValueText.h"
#include "processor/ParameterTable.h"

#include <limits>
#include <tuple>

using namespace EditorTest;

TEST (EditorEdges, TheBackCanBeTurnedRoundAtAnySize)
{
    OpenEditor e;
    ASSERT_NE (e.editor, nullptr);
    auto& flip = e->settingsView.flipButton;

    for (auto [w, h, x] : { std::tuple { 667, 300, 636 }, { 1000, 400, 636 }, { 600, 240, 569 }, { 700, 200, 669 } })
    {
        e->setSize (w, h);
        e->showSettingsView();
        EXPECT_EQ (flip.getBounds(), juce::Rectangle<int> (x, 5, 20, 12)) << w << " x " << h;

        e.click (e.centreOf (flip));
        EXPECT_FALSE (e->isSettingsOpen()) << w << " x " << h;
    }
}

TEST (EditorEdges, AFadedOutPopupIsHiddenAndLeavesWhatLiesBelowItPainted)
{
    OpenEditor e;
    ASSERT_NE (e.editor, nullptr);
    auto& popup = e->valuePopup;

    // At this size the HEAD QUALITY pop-up lies over the preset bar's name.
    e->setSize (600, 240);
    const auto before = e->createComponentSnapshot (e->getLocalBounds());
    const auto knob = e.centreOf (e->headQualityKnob);

    e.press (knob);
    e->timerCallback();
    EXPECT_TRUE (popup.isVisible());
    ASSERT_TRUE (popup.getBounds().intersects (e->presetManager.view.presetBar.getBounds()));

    e.release (knob);
    while (popup.getFadeAlpha() > 0.0f)
        e->timerCallback();

    EXPECT_FALSE (popup.isVisible());
    const auto after = e->createComponentSnapshot (e->getLocalBounds());

    for (int y = popup.getY(); y < popup.getBottom(); ++y)
        for (int x = popup.getX(); x < popup.getRight(); ++x)
            ASSERT_EQ (after.getPixelAt (x, y), before.getPixelAt (x, y)) << x << ", " << y;
}

TEST (EditorEdges, TheHostHearsTheValueTheProcessorKept)
{
    OpenEditor e;
    ASSERT_NE (e.editor, nullptr);
    const auto& row = parameterDefinitions[ParameterIndex::dryWetMix];

    for (auto [given, kept] : { std::pair { 1.7f, 1.0f }, { std::numeric_limits<float>::quiet_NaN(), row.normalisedDefault() } })
    {
        e->parameterChanged (&e->mixKnob, ParameterIndex::dryWetMix, given);
        ASSERT_FALSE (e.host.events.empty());
        EXPECT_EQ (e.host.events.back().value, kept) << given;
        EXPECT_EQ (e->valuePopup.getText(), formatValueText (row, row.toReal (kept))) << given;
    }
}
