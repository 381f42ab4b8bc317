#pragma once

#include <juce_graphics/juce_graphics.h>

/** How the preset bar looks; the editor fills one and hands it to the preset manager, which
    copies it. The defaults are the editor's own choices, bar the font: a bar showing only the
    name, with no face picture and no arrows.
*/
struct PresetBarStyle
{
    juce::Font font;                                       // face of the name
    float fontHeight = 18.0f;                              // height given to the font at construction
    juce::Image faceImage;                                 // drawn stretched over the whole bar, when valid
    juce::Colour textColour { 0xcc000000 };                // the name of a stored preset
    juce::Colour invalidTextColour { 0x80000000 };         // any other name
    juce::Image leftArrowNormal, leftArrowPressed, leftArrowDisabled;
    juce::Image rightArrowNormal, rightArrowPressed, rightArrowDisabled;
    juce::Point<float> arrowImageSize;                     // draw size of the arrow pictures
    bool showArrows = false;                               // build the arrows into the bar
};
