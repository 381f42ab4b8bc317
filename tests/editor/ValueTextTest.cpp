#include <gtest/gtest.h>

#include "editor/ValueText.h"

#include <limits>

namespace
{
    juce::String text (int index, float realValue)
    {
        return formatValueText (parameterDefinitions[index], realValue);
    }

    const char* const noiseLabels[] = { "HIGH", "LOW", "OFF", nullptr };
}

TEST (ValueTextTilt, ShowsTheSideAndPercentRoundingHalvesToEven)
{
    EXPECT_EQ (text (15, -0.25f), "L25%");
    EXPECT_EQ (text (15, 1.0f), "R100%");
    EXPECT_EQ (text (15, -1.0f), "L100%");
    EXPECT_EQ (text (15, 0.4f), "R40%");
    EXPECT_EQ (text (15, 0.125f), "R12%");
    EXPECT_EQ (text (15, -0.005f), "L0%");
}

TEST (ValueTextTilt, OnlyAnExactZeroOrANonNumberIsNone)
{
    EXPECT_EQ (text (15, 0.0f), "NONE");
    EXPECT_EQ (text (15, -0.0f), "NONE");
    EXPECT_EQ (text (15, std::numeric_limits<float>::quiet_NaN()), "NONE");
}

TEST (ValueTextPercent, RoundsHalvesAwayFromZero)
{
    EXPECT_EQ (text (2, 0.125f), "13%");
    EXPECT_EQ (text (2, 0.7f), "70%");
    EXPECT_EQ (text (2, 1.0f), "100%");
    EXPECT_EQ (text (5, 0.0f), "0%");
}

TEST (ValueTextPercent, CrossbleedBelowOnePercentIsOff)
{
    EXPECT_EQ (text (8, 0.0f), "OFF");
    EXPECT_EQ (text (8, 0.0099f), "OFF");
    EXPECT_EQ (text (8, 0.01f), "1%");
    EXPECT_EQ (text (8, 0.35f), "35%");
}

TEST (ValueTextPercent, NoiseTypeNamesItsEnds)
{
    EXPECT_EQ (text (13, 0.0f), "WHT");
    EXPECT_EQ (text (13, 0.5f), "50%");
    EXPECT_EQ (text (13, 0.98f), "98%");
    EXPECT_EQ (text (13, 0.981f), "PINK");
}

TEST (ValueTextDecibels, DigitsFollowTheMagnitude)
{
    EXPECT_EQ (text (0, 0.0f), "0.00 dB");
    EXPECT_EQ (text (0, 5.25f), "5.25 dB");
    EXPECT_EQ (text (0, -12.0f), "-12.0 dB");
    EXPECT_EQ (text (0, 24.0f), "24.0 dB");
    EXPECT_EQ (text (1, -48.0f), "-48.0 dB");
    EXPECT_EQ (text (9, 9.999f), "10.00 dB");
    EXPECT_EQ (text (14, 99.96f), "100.0 dB");
    EXPECT_EQ (text (14, 150.5f), "151 dB");
    EXPECT_EQ (text (14, -150.5f), "-151 dB");
}

TEST (ValueTextOtherRows, MillisecondsAndLabelledRowsHaveTheirOwnForms)
{
    const ParameterDefinition delay { 3, 0, 0.0f, 100.0f, 0.0f, 0, "DELAY", "ms", "Delay", nullptr };
    EXPECT_EQ (formatValueText (delay, 12.5f), "13 ms");

    const ParameterDefinition labelled { 6, 1, 0.0f, 2.0f, 0.0f, 0, "NOISE", "", "Noise", noiseLabels };
    EXPECT_EQ (formatValueText (labelled, 1.4f), "LOW");
    EXPECT_EQ (formatValueText (labelled, 1.5f), "OFF");
    EXPECT_EQ (formatValueText (labelled, 7.0f), "7");
    EXPECT_EQ (formatValueText (labelled, -1.0f), "-1");

    const ParameterDefinition counted { 6, 2, 0.0f, 9.0f, 0.0f, 0, "COUNT", "", "Count", nullptr };
    EXPECT_EQ (formatValueText (counted, 2.5f), "3");
}

TEST (ValueTextOtherRows, EveryValueGivesATextEvenOutOfRange)
{
    for (auto v : { std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
                    -std::numeric_limits<float>::infinity(), 1.0e30f, -1.0e30f })
        for (int index = 0; index < numParameters; ++index)
            EXPECT_TRUE (text (index, v).isNotEmpty()) << index << " " << v;

    EXPECT_EQ (text (2, 1.0e30f), "2147483647%");
}
