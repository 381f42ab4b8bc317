#include "ControlTestSupport.h"

#include "editor/MVImageKnob.h"
#include "editor/MVKnob.h"
#include "editor/Palette.h"

using namespace ControlTest;

namespace
{
    template <typename Knob>
    void bind (Knob& knob, RecordingCallback& callback, int size, int index = 5)
    {
        knob.setup (index, &callback);
        knob.setSize (size, size);
        snapshot (knob);
        callback.calls.clear();
    }
}

TEST (KnobLayout, TheFrontKnobSizesPutTheCentreWhereThePanelExpectsIt)
{
    RecordingCallback callback;
    MVImageKnob imageKnob;
    MVKnob knob;
    bind (imageKnob, callback, 112);
    bind (knob, callback, 84);

    EXPECT_EQ (imageKnob.getKnobCentre(), juce::Point<float> (56.0f, 45.0f));
    EXPECT_EQ (imageKnob.getKnobRadius(), 39.0f);
    EXPECT_EQ (knob.getKnobCentre(), juce::Point<float> (42.0f, 31.0f));
    EXPECT_EQ (knob.getKnobRadius(), 25.0f);
}

// A knob too small for its caption keeps a minimum radius and asks for no name; a caption names
// the parameter unless it is hidden.
TEST (KnobLayout, ACaptionNamesTheParameterUnlessHiddenOrTooSmall)
{
    RecordingCallback callback;
    MVKnob small;
    small.setup (0, &callback);
    small.setSize (30, 40);
    snapshot (small);
    EXPECT_EQ (small.getKnobRadius(), 8.0f);
    EXPECT_EQ (callback.nameRequests, 0);

    MVImageKnob knob;
    bind (knob, callback, 112, 8);
    EXPECT_GT (callback.nameRequests, 0);

    callback.nameRequests = 0;
    knob.setCaptionHidden (true);
    snapshot (knob);
    EXPECT_EQ (callback.nameRequests, 0);
}

TEST (KnobHitTest, OnlyPointsWithinTenPixelsOfTheKnobEdgeHit)
{
    RecordingCallback callback;
    MVImageKnob knob;
    knob.setup (5, &callback);
    knob.setSize (112, 112);

    // Before any paint the knob is a point at the top-left corner.
    EXPECT_TRUE (knob.hitTest (5, 5));
    EXPECT_FALSE (knob.hitTest (10, 0));

    snapshot (knob);
    EXPECT_TRUE (knob.hitTest (56, 45 + 48));
    EXPECT_FALSE (knob.hitTest (56, 45 + 49));
    EXPECT_FALSE (knob.hitTest (0, 0));
    EXPECT_FALSE (knob.hitTest (111, 111));
}

// A press reports the knob's centre; a full-height drag up moves by 0.45, with Alt by 0.045.
TEST (KnobMouse, APressReportsTheCentreAndAFullHeightDragMovesByPoint45)
{
    RecordingCallback callback;
    MVImageKnob imageKnob;
    MVKnob knob;
    bind (imageKnob, callback, 112);
    bind (knob, callback, 84);
    imageKnob.setValue (0.2f);
    knob.setValue (0.2f);
    dragVertically (imageKnob, 56.0f, 100.0f, 100.0f - 112.0f);
    dragVertically (knob, 42.0f, 80.0f, 80.0f - 84.0f);
    EXPECT_NEAR (imageKnob.getValue(), 0.65f, 1.0e-6f);
    EXPECT_NEAR (knob.getValue(), 0.65f, 1.0e-6f);

    knob.setValue (0.5f);
    dragVertically (knob, 42.0f, 84.0f, 0.0f, altDrag());
    EXPECT_NEAR (knob.getValue(), 0.545f, 1.0e-6f);

    EXPECT_EQ (reportedPress (knob, callback, { 10.0f, 70.0f }), juce::Point<float> (42.0f, 31.0f));
}

TEST (KnobMouse, DragStepsFollowTheLastPositionNotThePress)
{
    RecordingCallback callback;
    MVKnob knob;
    bind (knob, callback, 84);
    knob.setValue (0.5f);

    const juce::Point<float> down (42.0f, 50.0f);
    knob.mouseDown (mouseEvent (knob, down));
    knob.mouseDrag (mouseEvent (knob, { 42.0f, 29.0f }, {}, down));
    knob.mouseDrag (mouseEvent (knob, { 42.0f, 8.0f }, {}, down));
    knob.mouseUp (mouseEvent (knob, { 42.0f, 8.0f }, {}, down));

    const auto values = callback.changedValues();
    ASSERT_EQ (values.size(), 2u);
    EXPECT_NEAR (values[0], 0.5f + 0.45f * 21.0f / 84.0f, 1.0e-6f);
    EXPECT_NEAR (values[1], 0.5f + 0.45f * 42.0f / 84.0f, 1.0e-6f);
}

//==============================================================================
TEST (KnobPicture, TheVectorKnobPointsItsDotAtTheValue)
{
    RecordingCallback callback;
    MVKnob knob;
    bind (knob, callback, 84);

    knob.setValue (0.0f);
    auto atZero = snapshot (knob);
    EXPECT_TRUE (hasColour (atZero, 0, 0, Palette::panel));
    EXPECT_TRUE (hasColour (atZero, 42, 31, Palette::face));
    EXPECT_TRUE (hasColour (atZero, 27, 45, Palette::ink));    // 135 degrees left of straight up
    EXPECT_TRUE (hasColour (atZero, 56, 45, Palette::face));
    EXPECT_TRUE (hasColour (atZero, 42, 11, Palette::face));    // no value arc yet

    knob.setValue (1.0f);
    auto atOne = snapshot (knob);
    EXPECT_TRUE (hasColour (atOne, 56, 45, Palette::ink));      // 135 degrees right
    EXPECT_NE (atOne.getPixelAt (27, 45), Palette::ink);
    EXPECT_NE (atOne.getPixelAt (42, 11), Palette::face);       // the arc now passes the top
}

TEST (KnobPicture, AKnobThatIsNotOpaqueLeavesItsCornersClear)
{
    RecordingCallback callback;
    MVKnob knob;
    bind (knob, callback, 84);
    knob.setOpaque (false);

    EXPECT_EQ (snapshot (knob).getPixelAt (0, 0).getAlpha(), 0);
}

TEST (KnobPicture, TheImageKnobDrawsItsPicturesAtNormalSizeWhateverTheirDensity)
{
    RecordingCallback callback;
    const auto pointerColour = juce::Colour (0xffff0000), bodyColour = juce::Colour (0xff00ff00);

    for (auto density : { 1, 2 })
    {
        MVImageKnob knob;
        bind (knob, callback, 112);
        knob.setCaptionHidden (true);
        knob.setValue (0.5f);   // pointer upright, so its square stays square
        knob.setImages (plainImage (80 * density, 80 * density, bodyColour),
                        plainImage (80 * density, 80 * density, pointerColour));

        const auto image = snapshot (knob);
        EXPECT_TRUE (hasColour (image, 56, 44, pointerColour)) << density;
        EXPECT_TRUE (hasColour (image, 17, 10, pointerColour)) << density;
        EXPECT_TRUE (hasColour (image, 94, 82, pointerColour)) << density;
        EXPECT_TRUE (hasColour (image, 56, 2, Palette::panel)) << density;
        EXPECT_TRUE (hasColour (image, 13, 44, Palette::panel)) << density;
        EXPECT_TRUE (hasColour (image, 98, 44, Palette::panel)) << density;
        EXPECT_TRUE (hasColour (image, 56, 86, Palette::panel)) << density;
    }
}

TEST (KnobPicture, TheImageKnobTurnsItsPointerWithTheValue)
{
    RecordingCallback callback;
    MVImageKnob knob;
    bind (knob, callback, 112);
    knob.setCaptionHidden (true);

    // A pointer picture with a mark only at its top centre.
    juce::Image pointer (juce::Image::ARGB, 80, 80, true);
    { juce::Graphics g (pointer); g.setColour (juce::Colours::red); g.fillRect (36, 0, 8, 10); }
    knob.setImages ({}, pointer);

    knob.setValue (0.5f);
    EXPECT_TRUE (hasColour (snapshot (knob), 56, 8, juce::Colours::red));

    // At 1 the mark has turned 135 degrees clockwise, to the lower right.
    knob.setValue (1.0f);
    const auto turned = snapshot (knob);
    EXPECT_TRUE (hasColour (turned, 56, 8, Palette::panel));
    EXPECT_TRUE (hasColour (turned, 56 + 23, 44 + 23, juce::Colours::red));
}

TEST (KnobPicture, WithoutPicturesTheRangeMarksAreStillDrawn)
{
    RecordingCallback callback;
    MVImageKnob knob;
    bind (knob, callback, 112);
    knob.setImages ({}, {});

    const auto image = snapshot (knob);
    EXPECT_NE (image.getPixelAt (23, 76), Palette::panel);        // left mark
    EXPECT_NE (image.getPixelAt (112 - 24, 76), Palette::panel);  // right mark
    EXPECT_TRUE (hasColour (image, 56, 44, Palette::panel));
}
