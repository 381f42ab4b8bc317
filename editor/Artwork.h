#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** Finds an embedded picture by its base name, e.g. "knob".

    Every picture is embedded twice: "<base>_png" at normal density and "<base>2x_png" with
    twice the pixels in each direction. The double-density one is used only when the display
    scale is above 1; at a scale of 1 or below (a display scaled down, or no display at all)
    the normal one is used.

    Whichever one is loaded, draw it into its normal-density rectangle, i.e. the size of the
    "<base>_png" picture (80 x 80 for "knob"), never into the image's own pixel size: divide
    the image's pixel size by artworkDensity() to get that rectangle. The two files then give
    the same layout.

    Decoded pictures are kept by juce::ImageCache, so asking twice for the same picture hands
    out the same image data. A null, empty or unknown name gives an invalid image.

    Message thread only.
*/
juce::Image loadImage (const char* baseName);

/** As loadImage (const char*), for a given display scale instead of the main display's. */
juce::Image loadImage (const char* baseName, float displayScale);

/** The scale factor of the main display, or 1.0 when there is no display. */
float mainDisplayScale();

/** How many image pixels make one normal-density pixel at this display scale: 2 above 1, else 1. */
int artworkDensity (float displayScale) noexcept;

/** artworkDensity() for the main display. */
int artworkDensity();

/** The resource name loadImage looks up: "<base>2x_png" above a scale of 1, else "<base>_png". */
juce::String artworkResourceName (const char* baseName, float displayScale);
