#pragma once

#include <juce_core/juce_core.h>

#include "../processor/ParameterTable.h"

/** The text a value pop-up shows for a parameter's real (not normalised) value,
    e.g. "-12.0 dB", "70%", "L25%" or "PINK". Every input gives a text.
*/
juce::String formatValueText (const ParameterDefinition& row, float value);
