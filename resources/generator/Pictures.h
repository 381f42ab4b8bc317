#pragma once

#include "Kerning.h"

#include <juce_graphics/juce_graphics.h>

#include <vector>

/** The typefaces the pictures are lettered with, read from the fonts the plug-in embeds. */
struct ArtworkFonts
{
    juce::Font sans;

    /** The preset browser's words, with the kerning its typeface leaves out. */
    juce::Font semiBold;
    FontKerning semiBoldKerning;
};

/** One embedded picture: its base name, its two pixel sizes and how to draw it.

    draw() paints in normal-density units: the generator scales the context so that the same
    drawing fills the double-density file too. A picture with drawPixels instead is made pixel
    by pixel at each density (grain that must stay one pixel fine).
*/
struct PictureSpec
{
    const char* baseName;
    int width, height;
    int width2x, height2x;
    bool opaque;
    void (*draw) (juce::Graphics&, const ArtworkFonts&);
    void (*drawPixels) (juce::Image&, int density);
};

/** Every picture the editor asks for. */
const std::vector<PictureSpec>& getPictureSpecs();
