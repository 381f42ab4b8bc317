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
