#include "ControlTestSupport.h"

#include "editor/OndrellaView.h"
#include "editor/Palette.h"

using namespace ControlTest;

namespace
{
    struct Deck
    {
        explicit Deck (const juce::Image& wheel)
        {
            view.setImages ({}, wheel);
            view.setSize (224, 132);
        }

        OndrellaView view;
    };

    /** A round wheel picture whose halves differ, so that turning it shows. */
    juce::Image twoToneWheel (int size)
    {
        juce::Image image (juce::Image::ARGB, size, size, true);
        juce::Graphics g (image);
        const auto disc = image.getBounds().toFloat();
        g.setColour (juce::Colours::red);
        g.fillEllipse (disc);
        g.reduceClipRegion (0, 0, size / 2, size);
        g.setColour (juce::Colours::blue);
        g.fillEllipse (disc);
        return image;
    }
}

TEST (TapeWheels, TurnAnticlockwiseOnlyWhileTheTransportPlays)
{
    Deck deck (twoToneWheel (25));
    EXPECT_FALSE (deck.view.isPlaying());

    deck.view.advance (true);
    EXPECT_TRUE (deck.view.isPlaying());
    EXPECT_FLOAT_EQ (deck.view.getWheelAngle(), -0.03f);

    deck.view.advance (true);
    EXPECT_FLOAT_EQ (deck.view.getWheelAngle(), -0.06f);

    deck.view.advance (false);
    EXPECT_FALSE (deck.view.isPlaying());
    EXPECT_FLOAT_EQ (deck.view.getWheelAngle(), -0.06f);
}

TEST (TapeWheels, TheAngleWrapsWithinOneTurn)
{
    Deck deck (twoToneWheel (25));
    float previous = 0.0f;
    bool wrapped = false;

    for (int tick = 0; tick < 1000; ++tick)
    {
        deck.view.advance (true);
        const auto angle = deck.view.getWheelAngle();
        ASSERT_GT (angle, -juce::MathConstants<float>::twoPi);
        ASSERT_LE (angle, 0.0f);
        wrapped = wrapped || angle > previous;
        previous = angle;
    }

    EXPECT_TRUE (wrapped);
}

TEST (TapeWheels, BoxesCoverEachWheelWithAPixelToSpare)
{
    for (auto density : { 1, 2 })
    {
        Deck deck (twoToneWheel (25 * density));
        const auto& boxes = deck.view.getWheelBoxes();
        EXPECT_EQ (boxes[0], juce::Rectangle<int> (52, 50, 28, 28)) << density;
        EXPECT_EQ (boxes[1], juce::Rectangle<int> (147, 50, 28, 28)) << density;
    }

    Deck noWheel ({});
    EXPECT_EQ (noWheel.view.getWheelBoxes()[0], juce::Rectangle<int> (65, 63, 3, 3));
    EXPECT_EQ (noWheel.view.getWheelBoxes()[1], juce::Rectangle<int> (160, 63, 3, 3));
}

TEST (TapeWheels, ATickRepaintsOnlyTheWheelsAndNothingWhileStopped)
{
    Deck deck (twoToneWheel (50));
    auto& repaints = RepaintRecorder::attachTo (deck.view);

    deck.view.advance (false);
    EXPECT_TRUE (repaints.areas.empty());

    for (int tick = 0; tick < 12; ++tick)
    {
        const auto before = snapshot (deck.view);
        repaints.clear();
        deck.view.advance (true);
        const auto after = snapshot (deck.view);

        ASSERT_EQ (repaints.areas.size(), 2u);
        EXPECT_EQ (repaints.areas[0], deck.view.getWheelBoxes()[0]);
        EXPECT_EQ (repaints.areas[1], deck.view.getWheelBoxes()[1]);
        EXPECT_TRUE (changesLieWithin (before, after, repaints.dirtyRegion())) << tick;
    }
}

TEST (TapeWheels, BoxesAreClippedToTheViewAndEmptyOnesSkipped)
{
    Deck narrow (twoToneWheel (25));
    narrow.view.setSize (10, 132);   // both boxes stick out on the left
    auto& repaints = RepaintRecorder::attachTo (narrow.view);

    narrow.view.advance (true);
    ASSERT_EQ (repaints.areas.size(), 2u);

    for (auto& area : repaints.areas)
        EXPECT_TRUE (narrow.view.getLocalBounds().contains (area));

    Deck flat (twoToneWheel (25));
    flat.view.setSize (224, 0);
    auto& flatRepaints = RepaintRecorder::attachTo (flat.view);
    flat.view.advance (true);
    EXPECT_TRUE (flatRepaints.areas.empty());
}

//==============================================================================
TEST (TapePicture, AWheelAtRestAndNormalSizeSitsOnWholePixels)
{
    Deck deck (plainImage (25, 25, juce::Colours::red));
    const auto image = snapshot (deck.view);

    EXPECT_TRUE (hasColour (image, 53, 51, juce::Colours::red));
    EXPECT_TRUE (hasColour (image, 77, 75, juce::Colours::red));
    EXPECT_FALSE (hasColour (image, 52, 51, juce::Colours::red));
    EXPECT_FALSE (hasColour (image, 78, 75, juce::Colours::red));
    EXPECT_TRUE (hasColour (image, 148, 51, juce::Colours::red));
}

TEST (TapePicture, ADoubleDensityWheelIsDrawnAtNormalSize)
{
    Deck deck (plainImage (50, 50, juce::Colours::red));
    const auto image = snapshot (deck.view);

    EXPECT_TRUE (hasColour (image, 66, 64, juce::Colours::red));
    EXPECT_TRUE (hasColour (image, 55, 53, juce::Colours::red));
    EXPECT_TRUE (hasColour (image, 77, 75, juce::Colours::red));
    EXPECT_TRUE (hasColour (image, 51, 64, Palette::panel));
    EXPECT_TRUE (hasColour (image, 81, 64, Palette::panel));
    EXPECT_TRUE (hasColour (image, 66, 79, Palette::panel));
}

TEST (TapePicture, TheWheelTurnsAboutItsOwnCentre)
{
    Deck deck (twoToneWheel (25));
    auto image = snapshot (deck.view);
    EXPECT_TRUE (hasColour (image, 58, 64, juce::Colours::blue));   // left half blue

    // Half a turn later the blue half is on the right.
    deck.view.setWheelAngle (-juce::MathConstants<float>::pi);
    image = snapshot (deck.view);
    EXPECT_TRUE (hasColour (image, 58, 64, juce::Colours::red));
    EXPECT_TRUE (hasColour (image, 74, 64, juce::Colours::blue));
}

TEST (TapePicture, TheDeckIsDrawnAtItsNormalSizeWithTheLabelStripOverIt)
{
    OndrellaView view;
    view.setSize (300, 200);
    view.setImages (plainImage (448, 264, juce::Colours::green), {});
    const auto image = snapshot (view);

    EXPECT_TRUE (hasColour (image, 223, 131, juce::Colours::green));
    EXPECT_TRUE (hasColour (image, 225, 100, Palette::panel));
    EXPECT_TRUE (hasColour (image, 100, 133, Palette::panel));
    EXPECT_TRUE (hasColour (image, 40, 30, Palette::groove));
    EXPECT_TRUE (hasColour (image, 40, 22, juce::Colours::green));
}

TEST (TapePicture, WithoutPicturesThePanelAndStripRemain)
{
    OndrellaView view;
    view.setImages ({}, {});
    view.setSize (224, 132);
    view.advance (true);
    const auto image = snapshot (view);

    EXPECT_TRUE (hasColour (image, 5, 5, Palette::panel));
    EXPECT_TRUE (hasColour (image, 66, 64, Palette::panel));
    EXPECT_TRUE (hasColour (image, 34, 23, Palette::groove));
    EXPECT_TRUE (hasColour (image, 187, 38, Palette::groove));
    EXPECT_TRUE (hasColour (image, 188, 38, Palette::panel));
}
