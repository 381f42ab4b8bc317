#pragma once

#include <juce_core/juce_core.h>

#include <array>

#include "processor/ParameterTable.h"

/** One preset of the factory table: where it goes and the normalised value of every parameter. */
struct FactoryPreset
{
    juce::String folderName;   // category directory, with its ordering prefix
    juce::String fileName;     // file name without the extension, with its ordering prefix
    std::array<float, numParameters> values {};
};

/** Reads the readable table of factory presets (see tools/factory-presets.txt for its form).

    Returns false with a message naming the line for anything it does not understand: an unknown
    parameter, a unit that does not fit it, a value out of range, a name that is set twice.
*/
bool parseFactoryPresetTable (const juce::String& text, juce::Array<FactoryPreset>& presets, juce::String& error);
