#include "ControlTestSupport.h"

#include "editor/Palette.h"
#include "editor/VUMeterView.h"

#include <cmath>
#include <limits>

using namespace ControlTest;

namespace
{
    const juce::Colour lampOn { 0xffba2e26 };

    struct Meter  : public VUMeterView
    {
        Meter (int w = 138, int h = 92)   { setSize (w, h); }

        void feed (float decibels, int ticks)
        {
            for (int i = 0; i < ticks; ++i)
                setLevel (decibels);
        }

        void corruptSmoothedLevel (float v)   { smoothedLevel = v; }

        double tipAngle() const
        {
            return std::atan2 ((double) (getTip().x - getPivot().x) / 1.2, (double) (getPivot().y - getTip().y) / 0.8);
        }
    };

    const auto notANumber = std::numeric_limits<float>::quiet_NaN();
    const auto inf = std::numeric_limits<float>::infinity();
}

// Levels are on the square root of the linear scale; the needle rises 15 % of the way per tick
// and falls 5 %.
TEST (MeterBallistics, TheNeedleRisesFifteenAndFallsFivePercentOfTheWayPerTick)
{
    Meter meter;
    meter.setLevel (-20.0f);
    EXPECT_NEAR (meter.getInstantLevel(), std::sqrt (0.1), 1.0e-5);

    Meter rising;

    for (int tick = 1; tick <= 10; ++tick)
    {
        rising.setLevel (0.0f);
        EXPECT_NEAR (rising.getSmoothedLevel(), 1.0 - std::pow (0.85, tick), 1.0e-5) << tick;
    }

    rising.feed (0.0f, 200);
    ASSERT_NEAR (rising.getSmoothedLevel(), 1.0f, 1.0e-4f);
    const auto floor = std::sqrt (std::pow (10.0, -100.0 / 20.0));

    for (int tick = 1; tick <= 10; ++tick)
    {
        rising.setLevel (-100.0f);
        EXPECT_NEAR (rising.getSmoothedLevel(), floor + (1.0 - floor) * std::pow (0.95, tick), 1.0e-4) << tick;
    }
}

TEST (MeterBallistics, SilenceRestsTheNeedleAtTheLeftStop)
{
    Meter meter;
    meter.feed (-100.0f, 300);
    EXPECT_NEAR (meter.tipAngle(), -0.48 + 0.87 * 0.0031623, 1.0e-3);
    EXPECT_LT (meter.getTip().x, meter.getPivot().x);
}

TEST (MeterBallistics, HighLevelsPinTheNeedleAtTheRightStop)
{
    Meter meter;
    float furthest = 0.0f;

    for (int tick = 0; tick < 100; ++tick)
    {
        meter.setLevel (30.0f);
        furthest = juce::jmax (furthest, meter.getTip().x);
    }

    EXPECT_NEAR (meter.tipAngle(), 0.48, 1.0e-4);
    EXPECT_NEAR (furthest, meter.getTip().x, 1.0e-4f);
    EXPECT_NEAR (meter.getPivot().x, 69.0f, 1.0e-6f);
    EXPECT_NEAR (meter.getPivot().y, 92.0f * 1.02f, 1.0e-4f);
}

TEST (MeterLamp, LightsOnTheFirstTickAtFullScale)
{
    Meter meter;
    meter.setLevel (-0.1f);
    EXPECT_FALSE (meter.isLampLit());

    meter.setLevel (0.0f);
    EXPECT_LT (meter.getSmoothedLevel(), 0.87f);
    EXPECT_TRUE (meter.isLampLit());

    meter.setLevel (-100.0f);
    EXPECT_FALSE (meter.isLampLit());
}

TEST (MeterLamp, StaysLitAfterASustainedFullLevelUntilTheNeedleFallsBelowPoint87)
{
    Meter meter;
    meter.feed (0.0f, 100);

    int litTicks = 0;

    for (int tick = 0; tick < 20; ++tick)
    {
        meter.setLevel (-100.0f);
        EXPECT_EQ (meter.isLampLit(), meter.getSmoothedLevel() >= 0.87f);
        litTicks += meter.isLampLit() ? 1 : 0;
    }

    EXPECT_EQ (litTicks, 2);
}

TEST (MeterLamp, ThePictureShowsTheLamp)
{
    Meter meter;
    meter.setLevel (-100.0f);
    EXPECT_TRUE (hasColour (snapshot (meter), 106, 52, Palette::ink));

    meter.setLevel (3.0f);
    EXPECT_TRUE (hasColour (snapshot (meter), 106, 52, lampOn));
}

//==============================================================================
TEST (MeterBadLevels, NonFiniteLevelsAreIgnored)
{
    Meter meter;
    meter.feed (-6.0f, 5);
    const auto level = meter.getSmoothedLevel();
    const auto tip = meter.getTip();

    for (auto bad : { notANumber, inf, -inf })
    {
        meter.setLevel (bad);
        EXPECT_EQ (meter.getSmoothedLevel(), level);
        EXPECT_EQ (meter.getTip(), tip);
    }

    meter.setLevel (-6.0f);
    EXPECT_GT (meter.getSmoothedLevel(), level);
    EXPECT_TRUE (std::isfinite (meter.getTip().x) && std::isfinite (meter.getTip().y));
}

TEST (MeterBadLevels, HugeLevelsDoNotHoldTheNeedleForLong)
{
    Meter meter;
    meter.feed (1.0e30f, 100);
    EXPECT_TRUE (std::isfinite (meter.getSmoothedLevel()));
    EXPECT_NEAR (meter.tipAngle(), 0.48, 1.0e-4);

    int ticks = 0;
    while (meter.isLampLit() && ticks < 1000)
    {
        meter.setLevel (-100.0f);
        ++ticks;
    }

    EXPECT_LE (ticks, 20);   // under 0.7 s of the editor's timer
}

TEST (MeterBadLevels, ANonFiniteSmoothedLevelRecoversOnTheNextTick)
{
    Meter meter;
    meter.corruptSmoothedLevel (notANumber);
    meter.setLevel (-6.0f);

    EXPECT_TRUE (std::isfinite (meter.getSmoothedLevel()));
    EXPECT_TRUE (std::isfinite (meter.getTip().x) && std::isfinite (meter.getTip().y));

    meter.corruptSmoothedLevel (inf);
    meter.feed (-100.0f, 200);
    EXPECT_NEAR (meter.getSmoothedLevel(), 0.00316f, 1.0e-4f);
}

//==============================================================================
TEST (MeterRepaint, EveryChangedPixelLiesInTheRepaintedBand)
{
    // A tall meter, where one tick can move the needle's tip by more than the band's margin.
    Meter meter (400, 300);
    auto& repaints = RepaintRecorder::attachTo (meter);
    const float levels[] = { 0.0f, 0.0f, 0.0f, 0.0f, 12.0f, 12.0f, 12.0f, -100.0f, -3.0f, 6.0f, -100.0f, -100.0f, 0.0f };

    for (auto level : levels)
    {
        const auto before = snapshot (meter);
        repaints.clear();
        meter.setLevel (level);
        const auto after = snapshot (meter);

        EXPECT_TRUE (changesLieWithin (before, after, repaints.dirtyRegion())) << level;
        EXPECT_FALSE (repaints.dirtyRegion().containsPoint ({ 0, 0 })) << "only the needle's band is repainted";
    }
}

TEST (MeterRepaint, ANeedleSwingRepaintsWhereTheOldNeedleWas)
{
    Meter meter (400, 300);
    auto& repaints = RepaintRecorder::attachTo (meter);

    meter.feed (0.0f, 5);    // near upright: the tip at its highest
    meter.setLevel (12.0f);
    const auto oldTip = meter.getTip();
    repaints.clear();

    meter.setLevel (12.0f);  // the tip swings down to the right by more than the band's margin
    EXPECT_GT (meter.getTip().y - oldTip.y, 5.0f);
    EXPECT_TRUE (repaints.dirtyRegion().containsPoint (oldTip.toInt()));
}

TEST (MeterRepaint, AZeroWidthMeterRepaintsNothing)
{
    Meter meter (0, 92);
    auto& repaints = RepaintRecorder::attachTo (meter);
    meter.setLevel (0.0f);
    EXPECT_TRUE (repaints.areas.empty());
}

//==============================================================================
TEST (MeterPicture, ThePanelColourFillsWhatTheFaceDoesNotCover)
{
    Meter meter (200, 100);
    meter.setImage ({});
    auto image = snapshot (meter);
    EXPECT_TRUE (hasColour (image, 1, 50, Palette::panel));
    EXPECT_TRUE (hasColour (image, 190, 95, Palette::panel));

    // The face is drawn at its normal size, whatever its density.
    const juce::Colour faceColour (0xff203040);
    meter.setImage (plainImage (276, 184, faceColour));
    image = snapshot (meter);
    EXPECT_TRUE (hasColour (image, 137, 91, faceColour));
    EXPECT_TRUE (hasColour (image, 139, 50, Palette::panel));
    EXPECT_TRUE (hasColour (image, 150, 95, Palette::panel));
}

TEST (MeterPicture, BeforeTheFirstTickThereIsNoNeedle)
{
    Meter meter;
    meter.setImage ({});
    meter.setCaption ({});
    const auto image = snapshot (meter);

    for (int y = 0; y < 92; ++y)
        for (int x = 0; x < 138; ++x)
        {
            if (juce::Rectangle<int> (104, 50, 6, 6).contains (x, y))   // the lamp
                continue;

            ASSERT_TRUE (hasColour (image, x, y, Palette::panel));
        }
}

TEST (MeterPicture, TheCaptionIsDrawnAtTheTopLeft)
{
    Meter meter;
    meter.setImage ({});
    meter.setCaption ("OUTPUT LEFT");
    EXPECT_EQ (meter.getCaption(), "OUTPUT LEFT");
    const auto image = snapshot (meter);

    int inked = 0;
    for (int y = 4; y < 16; ++y)
        for (int x = 4; x < 80; ++x)
            inked += image.getPixelAt (x, y) != Palette::panel ? 1 : 0;

    EXPECT_GT (inked, 20);
}
