#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** Finds an embedded picture by its base name, the double-density one on high-density displays.
    A name with no picture gives an invalid image.
*/
juce::Image loadImage (const char* baseName);
