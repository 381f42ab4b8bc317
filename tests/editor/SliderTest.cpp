#include "ControlTestSupport.h"

#include "editor/EQSlider.h"
#include "editor/Palette.h"
#include "editor/TapeHeadSlider.h"

using namespace ControlTest;

namespace
{
    template <typename Slider>
    void bind (Slider& slider, RecordingCallback& callback, int w, int h, int index)
    {
        slider.setup (index, &callback);
        slider.setSize (w, h);
        callback.calls.clear();
    }

    const juce::Colour tapeColour { 0xff353525 };
}

// Dragging the thumb's travel up raises the value by 0.65, less with Alt; a press is reported
// at the slider's origin.
TEST (EQSliderDrag, DraggingTheThumbsTravelUpRaisesTheValueByPoint65)
{
    RecordingCallback callback;
    EQSlider slider;
    bind (slider, callback, 13, 79, 9);

    dragVertically (slider, 6.0f, 75.0f, 75.0f - 71.0f);
    EXPECT_NEAR (slider.getValue(), 0.65f, 1.0e-6f);

    slider.setValue (0.0f);
    dragVertically (slider, 6.0f, 75.0f, 75.0f - 71.0f, altDrag());
    EXPECT_NEAR (slider.getValue(), 0.05f, 1.0e-6f);

    EXPECT_EQ (reportedPress (slider, callback, { 7.0f, 40.0f }), juce::Point<float>());
}

TEST (TapeHeadSliderDrag, DraggingTheFullHeightUpRaisesTheValueByPoint45)
{
    RecordingCallback callback;
    TapeHeadSlider slider;
    bind (slider, callback, 150, 92, 15);
    slider.setValue (0.5f);

    dragVertically (slider, 75.0f, 92.0f, 0.0f);
    EXPECT_NEAR (slider.getValue(), 0.95f, 1.0e-6f);

    slider.setValue (0.5f);
    dragVertically (slider, 75.0f, 92.0f, 0.0f, altDrag());
    EXPECT_NEAR (slider.getValue(), 0.545f, 1.0e-6f);
}

TEST (TapeHeadSliderSetup, TheHeadStartsAtItsDefaultWithoutARepaintAndUnboundKeepsItsValue)
{
    RecordingCallback callback;
    callback.defaultValue = 0.5f;
    TapeHeadSlider slider, unbound;
    slider.setSize (150, 92);
    auto& repaints = RepaintRecorder::attachTo (slider);

    slider.setup (15, &callback);
    EXPECT_EQ (slider.getValue(), 0.5f);
    EXPECT_TRUE (repaints.areas.empty());
    EXPECT_TRUE (callback.calls.empty());

    unbound.setValue (0.3f);
    unbound.setup (15, nullptr);
    EXPECT_EQ (unbound.getValue(), 0.3f);
}

//==============================================================================
TEST (EQSliderPicture, TheThumbRunsDownTheGrooveAsTheValueFalls)
{
    EQSlider slider;
    slider.setSize (13, 79);

    slider.setValue (0.0f);
    auto image = snapshot (slider);
    EXPECT_TRUE (hasColour (image, 6, 75, Palette::ink));       // thumb at the bottom, 71..79
    EXPECT_TRUE (hasColour (image, 0, 75, Palette::ink));       // it spans the full width
    EXPECT_TRUE (hasColour (image, 6, 4, Palette::groove));
    EXPECT_TRUE (hasColour (image, 3, 40, Palette::ink));       // groove outline
    EXPECT_EQ (image.getPixelAt (1, 40).getAlpha(), 0);         // no background

    slider.setValue (1.0f);
    image = snapshot (slider);
    EXPECT_TRUE (hasColour (image, 6, 4, Palette::ink));
    EXPECT_TRUE (hasColour (image, 6, 75, Palette::groove));
}

TEST (TapeHeadSliderPicture, OnlyTheHeadTurnsWithTheValue)
{
    TapeHeadSlider slider;
    slider.setSize (150, 92);

    // How much of the head's face shows above the tape, left and right of the centre line.
    const auto faceAbove = [] (const juce::Image& image, int fromX)
    {
        int n = 0;
        for (int y = 15; y < 38; ++y)
            for (int x = fromX; x < fromX + 30; ++x)
                n += image.getPixelAt (x, y) == Palette::face ? 1 : 0;
        return n;
    };

    for (auto value : { 0.0f, 0.5f, 1.0f })
    {
        slider.setValue (value);
        const auto image = snapshot (slider);

        EXPECT_TRUE (hasColour (image, 10, 46, tapeColour)) << value;
        EXPECT_TRUE (hasColour (image, 140, 46, tapeColour)) << value;
        EXPECT_TRUE (hasColour (image, 2, 41, tapeColour)) << value;    // a tooth at the left end
        EXPECT_TRUE (hasColour (image, 147, 51, tapeColour)) << value;  // and one at the right end
        EXPECT_EQ (image.getPixelAt (75, 10).getAlpha(), 0) << value;   // no background

        const auto left = faceAbove (image, 45), right = faceAbove (image, 75);

        if (value < 0.5f)       EXPECT_GT (left, right + 50) << "turned left at 0";
        else if (value > 0.5f)  EXPECT_GT (right, left + 50) << "turned right at 1";
        else                    EXPECT_NEAR (left, right, 10) << "upright at 0.5";
    }
}
