#include "ControlTestSupport.h"

#include "editor/Palette.h"
#include "editor/ThreeSwitch.h"

using namespace ControlTest;

namespace
{
    struct FrontSwitch
    {
        FrontSwitch()
        {
            sw.setLabels ("TAPE", "NORMAL", "CHROME", "METAL", 7, &callback);
            sw.setSize (126, 57);
            sw.setValue (0.1f);
            snapshot (sw);   // lays out the slots
        }

        void press (int slot)     { sw.mouseDown (mouseEvent (sw, centreOf (slot))); }
        void release (int slot)   { sw.mouseUp (mouseEvent (sw, centreOf (slot))); }

        juce::Point<float> centreOf (int slot) const
        {
            return slot < 0 ? juce::Point<float> (3.0f, 3.0f) : sw.getSlotBounds (slot).getCentre().toInt().toFloat();
        }

        RecordingCallback callback;
        ThreeSwitch sw;
    };
}

TEST (ThreeSwitchPosition, ValuesShowTheNearestPositionAtMostTwo)
{
    EXPECT_EQ (ThreeSwitch::positionForValue (0.0f), 0);
    EXPECT_EQ (ThreeSwitch::positionForValue (0.1f), 1);
    EXPECT_EQ (ThreeSwitch::positionForValue (0.2f), 2);
    EXPECT_EQ (ThreeSwitch::positionForValue (0.05f), 1);     // halves away from zero
    EXPECT_EQ (ThreeSwitch::positionForValue (0.149f), 1);
    EXPECT_EQ (ThreeSwitch::positionForValue (0.15f), 2);
    EXPECT_EQ (ThreeSwitch::positionForValue (1.0f), 2);
    EXPECT_EQ (ThreeSwitch::positionForValue (-0.3f), 0);
    EXPECT_EQ (ThreeSwitch::positionForValue (std::numeric_limits<float>::quiet_NaN()), 0);
    EXPECT_EQ (ThreeSwitch::positionForValue (1.0e30f), 2);
}

TEST (ThreeSwitchLayout, TheFrontSizeGivesThreeSlotsInsideA74PixelBody)
{
    FrontSwitch f;
    EXPECT_NEAR (f.sw.getSlotBounds (0).getX(), 28.0f, 1.0e-4f);
    EXPECT_NEAR (f.sw.getSlotBounds (1).getX(), 52.333f, 1.0e-3f);
    EXPECT_NEAR (f.sw.getSlotBounds (2).getX(), 76.667f, 1.0e-3f);

    for (int i = 0; i < 3; ++i)
    {
        EXPECT_NEAR (f.sw.getSlotBounds (i).getWidth(), 21.333f, 1.0e-3f);
        EXPECT_EQ (f.sw.getSlotBounds (i).getY(), 13.0f);
        EXPECT_EQ (f.sw.getSlotBounds (i).getHeight(), 17.0f);
    }
}

TEST (ThreeSwitchClicks, ClickingAnotherSlotWritesItsPositionOverTen)
{
    FrontSwitch f;
    f.press (2);
    f.release (2);

    EXPECT_EQ (f.sw.getPosition(), 2);
    const std::vector<juce::String> expected { "begin", "changed", "end" };
    EXPECT_EQ (f.callback.kinds(), expected);
    EXPECT_FLOAT_EQ (f.callback.changedValues()[0], 0.2f);
    EXPECT_EQ (f.callback.calls[0].paramIndex, 7);

    // The value waits for the host to confirm it.
    EXPECT_EQ (f.sw.getValue(), 0.1f);

    f.press (0);
    f.release (0);
    EXPECT_EQ (f.callback.changedValues().back(), 0.0f);
    EXPECT_EQ (f.sw.getPosition(), 0);
}

// A press released over another slot, a click on the selected slot and a press outside the
// slots change nothing, but each still begins and ends a gesture.
TEST (ThreeSwitchClicks, ClicksThatChangeNothingStillBracketAGesture)
{
    for (auto [pressed, released] : { std::pair { 0, 2 }, { 1, 1 }, { -1, -1 } })
    {
        FrontSwitch f;
        f.press (pressed);

        EXPECT_EQ (f.sw.getPressedSlot() == -1, pressed == -1);
        f.release (released);
        EXPECT_EQ (f.sw.getPosition(), 1);
        EXPECT_EQ (f.callback.kinds(), (std::vector<juce::String> { "begin", "end" })) << pressed << ", " << released;
    }
}

TEST (ThreeSwitchClicks, BeforeItsFirstPaintTheSwitchHasNoTargets)
{
    RecordingCallback callback;
    ThreeSwitch sw;
    sw.setLabels ("NOISE", "  HIGH  ", "LOW", "OFF", 6, &callback);
    sw.setSize (126, 57);

    sw.mouseDown (mouseEvent (sw, { 40.0f, 20.0f }));
    sw.mouseUp (mouseEvent (sw, { 40.0f, 20.0f }));
    EXPECT_EQ (sw.getPosition(), 0);
    EXPECT_TRUE (callback.changedValues().empty());
}

TEST (ThreeSwitchClicks, SlotEdgesCountOnTheirLeftAndTopOnly)
{
    FrontSwitch f;
    const auto slot = f.sw.getSlotBounds (0);   // x 28 .. 49.33, y 13 .. 30

    f.sw.mouseDown (mouseEvent (f.sw, { 28.0f, 13.0f }));
    EXPECT_EQ (f.sw.getPressedSlot(), 0);
    f.sw.mouseUp (mouseEvent (f.sw, { 28.0f, 13.0f }));

    f.sw.mouseDown (mouseEvent (f.sw, { 28.0f, slot.getBottom() }));
    EXPECT_EQ (f.sw.getPressedSlot(), -1);
    f.sw.mouseUp (mouseEvent (f.sw, { 28.0f, slot.getBottom() }));
}

TEST (ThreeSwitchClicks, AnUnboundSwitchSelectsWithoutCrashing)
{
    ThreeSwitch sw;
    sw.setSize (126, 57);
    sw.resized();
    snapshot (sw);

    const auto target = sw.getSlotBounds (2).getCentre().toInt().toFloat();
    sw.mouseDown (mouseEvent (sw, target));
    sw.mouseUp (mouseEvent (sw, target));
    EXPECT_EQ (sw.getPosition(), 2);
}

TEST (ThreeSwitchClicks, ADisabledSwitchStillTakesClicks)
{
    FrontSwitch f;
    f.sw.setEnabled (false);
    f.press (2);
    f.release (2);
    EXPECT_EQ (f.sw.getPosition(), 2);
}

//==============================================================================
TEST (ThreeSwitchPicture, TheSelectedSlotIsSolidAndAHeldSlotIsShaded)
{
    FrontSwitch f;
    auto image = snapshot (f.sw);
    EXPECT_TRUE (hasColour (image, 38, 21, Palette::face));
    EXPECT_TRUE (hasColour (image, 62, 21, Palette::ink));
    EXPECT_TRUE (hasColour (image, 86, 21, Palette::face));
    EXPECT_TRUE (hasColour (image, 2, 28, Palette::panel));

    f.press (2);
    image = snapshot (f.sw);
    EXPECT_TRUE (isNearColour (image, 86, 21, Palette::face.overlaidWith (Palette::shade)));
    EXPECT_TRUE (hasColour (image, 62, 21, Palette::ink));

    // Holding the selected slot changes nothing.
    f.release (2);
    f.press (2);
    EXPECT_TRUE (hasColour (snapshot (f.sw), 86, 21, Palette::ink));
}

TEST (ThreeSwitchPicture, TheBodyOutlineSurroundsTheSlots)
{
    FrontSwitch f;
    const auto image = snapshot (f.sw);
    EXPECT_TRUE (hasColour (image, 60, 11, Palette::ink));   // top edge of the body
    EXPECT_TRUE (hasColour (image, 26, 20, Palette::ink));   // left edge
    EXPECT_TRUE (hasColour (image, 60, 12, Palette::panel));

    // The middle slot's leader runs straight down to its label.
    EXPECT_NE (image.getPixelAt (63, 38), Palette::panel);
    EXPECT_TRUE (hasColour (image, 58, 38, Palette::panel));
}
