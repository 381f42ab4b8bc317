#include "ValueText.h"

#include <cmath>
#include <cstdio>
#include <limits>

namespace
{
    /** A whole number as an int, held within the int range; not-a-number counts as 0. */
    int saturatedInt (double wholeNumber) noexcept
    {
        if (std::isnan (wholeNumber))
            return 0;

        return (int) juce::jlimit ((double) std::numeric_limits<int>::min(),
                                   (double) std::numeric_limits<int>::max(), wholeNumber);
    }

    int roundedAwayFromZero (double v) noexcept   { return saturatedInt (std::round (v)); }
    int roundedToEven (double v) noexcept         { return saturatedInt (std::nearbyint (v)); }

    template <typename... Args>
    juce::String printed (const char* format, Args... args)
    {
        char buffer[64] = {};
        std::snprintf (buffer, sizeof (buffer), format, args...);
        return juce::String (buffer);
    }

    /** The row's label for a whole-number value, or an empty string when it has none there.
        The label list ends with a null entry.
    */
    juce::String labelFor (const ParameterDefinition& row, int i)
    {
        if (row.labels == nullptr || i < 0)
            return {};

        for (int n = 0; row.labels[n] != nullptr; ++n)
            if (n == i)
                return row.labels[n];

        return {};
    }
}

juce::String formatValueText (const ParameterDefinition& row, float value)
{
    const juce::String unit (row.unitSuffix != nullptr ? row.unitSuffix : "");

    if (row.index == 15)
    {
        if (value < 0.0f)
            return "L" + juce::String (roundedToEven ((double) (std::abs (value) * 100.0f))) + "%";

        if (value > 0.0f)
            return "R" + juce::String (roundedToEven ((double) (value * 100.0f))) + "%";

        return "NONE";
    }

    if (row.index == 13)
    {
        if (value < 0.01f)  return "WHT";
        if (value > 0.98f)  return "PINK";
    }

    if (row.index == 8 && value < 0.01f)
        return "OFF";

    if (row.type == 1 || row.type == 2)
    {
        const auto i = roundedAwayFromZero ((double) value);
        const auto label = labelFor (row, i);
        return label.isNotEmpty() ? label : printed ("%d", i);
    }

    if (unit == "ms")
        return printed ("%d", roundedAwayFromZero ((double) value)) + " ms";

    if (unit == "%")
        return printed ("%d", roundedAwayFromZero ((double) (value * 100.0f))) + "%";

    const auto magnitude = std::abs (value);
    juce::String number;

    if (magnitude < 10.0f)        number = printed ("%.2f", (double) value);
    else if (magnitude < 100.0f)  number = printed ("%.1f", (double) value);
    else                          number = printed ("%i", roundedAwayFromZero ((double) value));

    return number + " " + unit;
}
