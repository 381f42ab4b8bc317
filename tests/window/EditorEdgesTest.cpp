// The editor at the edges of what it is given: sizes a host forces below the full layout, and
// values out of range handed on by a control.

#include "EditorTestSupport.h"

#include "editor/Palette.h"
#include "editor/ValueText.h"
#include "processor/ParameterTable.h"

#include <cstdlib>
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

TEST (EditorEdges, AFadingPopupShowsWhatLiesBelowItAndOnceFadedOutIsHidden)
{
    OpenEditor e;
    ASSERT_NE (e.editor, nullptr);
    auto& popup = e->valuePopup;

    // At this size the HEAD QUALITY pop-up lies over the preset bar's name.
    e->setSize (600, 250);
    const auto before = e->createComponentSnapshot (e->getLocalBounds());
    const auto knob = e.centreOf (e->headQualityKnob);

    e.press (knob);
    e->timerCallback();
    EXPECT_TRUE (popup.isVisible());
    const auto under = popup.getBounds().getIntersection (e->presetManager.view.presetBar.getBounds());
    ASSERT_FALSE (under.isEmpty());

    // Half-way in, the bar under the plain plate is blended with it, not left out.
    while (popup.getFadeAlpha() < 0.5f)
        e->timerCallback();

    const auto plate = popup.createComponentSnapshot (popup.getLocalBounds());
    const auto during = e->createComponentSnapshot (e->getLocalBounds());
    int plain = 0, unblended = 0;

    for (int y = under.getY(); y < under.getBottom(); ++y)
        for (int x = under.getX(); x < under.getRight(); ++x)
            if (plate.getPixelAt (x - popup.getX(), y - popup.getY()) == Palette::panel)
            {
                const auto blended = before.getPixelAt (x, y).interpolatedWith (Palette::panel, popup.getAlpha());
                const auto actual = during.getPixelAt (x, y);
                ++plain;
                unblended += std::abs (actual.getRed() - blended.getRed()) + std::abs (actual.getGreen() - blended.getGreen())
                               + std::abs (actual.getBlue() - blended.getBlue()) > 6 ? 1 : 0;
            }

    EXPECT_GT (plain, 100);
    EXPECT_EQ (unblended, 0) << "of " << plain;

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
