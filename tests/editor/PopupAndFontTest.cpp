#include "ControlTestSupport.h"

#include <BinaryData.h>

#include "editor/MVChangeView.h"
#include "editor/MVKnob.h"
#include "editor/Palette.h"
#include "editor/WidgetFont.h"

using namespace ControlTest;

TEST (ValuePopup, StartsInvisibleAndNeverTakesAClick)
{
    MVChangeView popup;
    EXPECT_EQ (popup.getAlpha(), 0.0f);
    EXPECT_FALSE (popup.getShowing());
    EXPECT_FALSE (popup.isOpaque());

    bool takesClicks = true, childrenTakeClicks = true;
    popup.getInterceptsMouseClicks (takesClicks, childrenTakeClicks);
    EXPECT_FALSE (takesClicks);
    EXPECT_FALSE (childrenTakeClicks);

    // Lying over a control, it lets the click through even while fully shown.
    juce::Component panel;
    MVKnob knob;
    panel.setSize (100, 100);
    panel.setVisible (true);
    knob.setBounds (0, 0, 84, 84);
    popup.setBounds (20, 20, 30, 14);
    panel.addAndMakeVisible (knob);
    panel.addAndMakeVisible (popup);
    knob.setSize (84, 84);
    snapshot (knob);
    popup.setShowing (true);
    for (int i = 0; i < 20; ++i)
        popup.stepFade();

    EXPECT_EQ (panel.getComponentAt (30, 25), &knob);
}

TEST (ValuePopup, FadesInAndOutByPoint08PerStep)
{
    MVChangeView popup;
    popup.setShowing (true);

    int steps = 0;
    while (popup.getFadeAlpha() < 1.0f && steps < 100)
    {
        popup.stepFade();
        ++steps;
        EXPECT_NEAR (popup.getAlpha(), popup.getFadeAlpha(), 1.0f / 255.0f);
        EXPECT_EQ (popup.isOpaque(), popup.getFadeAlpha() == 1.0f) << popup.getFadeAlpha();   // what lies under shows through
    }

    EXPECT_EQ (steps, 13);
    popup.stepFade();
    EXPECT_EQ (popup.getFadeAlpha(), 1.0f);

    popup.setShowing (false);
    popup.stepFade();
    EXPECT_NEAR (popup.getFadeAlpha(), 0.92f, 1.0e-6f);
    EXPECT_FALSE (popup.isOpaque());

    for (int i = 0; i < 20; ++i)
        popup.stepFade();

    EXPECT_EQ (popup.getFadeAlpha(), 0.0f);
}

TEST (ValuePopup, APlateWithAnOutlineAndCentredText)
{
    MVChangeView popup;
    popup.setSize (42, 14);
    popup.setText ("70%");
    const auto image = snapshot (popup);

    EXPECT_TRUE (hasColour (image, 2, 2, Palette::panel));
    EXPECT_TRUE (isNearColour (image, 0, 7, Palette::panel.overlaidWith (Palette::caption)));
    EXPECT_TRUE (isNearColour (image, 41, 7, Palette::panel.overlaidWith (Palette::caption)));

    int inkedLeft = 0, inkedMiddle = 0;
    for (int y = 2; y < 12; ++y)
    {
        for (int x = 2; x < 9; ++x)    inkedLeft += image.getPixelAt (x, y) != Palette::panel ? 1 : 0;
        for (int x = 14; x < 28; ++x)  inkedMiddle += image.getPixelAt (x, y) != Palette::panel ? 1 : 0;
    }

    EXPECT_EQ (inkedLeft, 0);
    EXPECT_GT (inkedMiddle, 10);
}

//==============================================================================
TEST (WidgetFont, TheFirstEditorMakesItAndTheLastOneFreesIt)
{
    const auto before = SharedWidgetFont::getLiveEditorCount();
    {
        SharedWidgetFont first;
        const auto typeface = widgetFont (9.0f).getTypefacePtr();
        {
            SharedWidgetFont second;
            EXPECT_EQ (SharedWidgetFont::getLiveEditorCount(), before + 2);
        }

        EXPECT_EQ (SharedWidgetFont::getLiveEditorCount(), before + 1);
        EXPECT_EQ (widgetFont (11.0f).getTypefacePtr(), typeface);   // the same font survives one holder going
    }

    EXPECT_EQ (SharedWidgetFont::getLiveEditorCount(), before);
}

TEST (WidgetFont, HasTheAskedHeightWithOrWithoutAHolder)
{
    EXPECT_EQ (widgetFont (9.0f).getHeight(), 9.0f);
    EXPECT_GT (widgetFont (10.0f).getStringWidthFloat ("OUTPUT LEFT"), 0.0f);

    SharedWidgetFont holder;
    EXPECT_EQ (widgetFont (11.0f).getHeight(), 11.0f);
    EXPECT_GT (widgetFont (10.0f).getStringWidthFloat ("OUTPUT LEFT"), 0.0f);
}

TEST (WidgetFont, ComesFromTheEmbeddedDataWhenItIsThere)
{
    int size = 0;
    const auto* data = BinaryData::getNamedResource ("LiberationSansRegular_ttf", size);

    if (data == nullptr)
        GTEST_SKIP() << "the embedded font is not in this build";

    SharedWidgetFont holder;
    const auto embedded = juce::Typeface::createSystemTypefaceFor (data, (size_t) size);
    ASSERT_NE (embedded, nullptr);
    EXPECT_EQ (widgetFont (10.0f).getTypefaceName(), embedded->getName());
}
