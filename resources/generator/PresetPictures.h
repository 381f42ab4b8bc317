#pragma once

#include "Pictures.h"

#include <functional>

/** One picture of the preset browser. Each is stored once, at twice the size at which the
    browser draws it.
*/
struct PresetPictureSpec
{
    juce::String name;   // the file name without ".png"
    int width, height;   // the drawn size
    std::function<juce::Image (const ArtworkFonts&)> render;   // gives the picture at twice the drawn size
};

/** Every picture the preset browser asks for. */
const std::vector<PresetPictureSpec>& getPresetPictureSpecs();

/** The colours the browser paints around its pictures; the pictures are drawn to sit on them. */
namespace BrowserPalette
{
    inline const juce::Colour window       { 0xffd9d9c4 };  // the plug-in window the browser opens over
    inline const juce::Colour windowDimmer { 0x99000000 };
    inline const juce::Colour strip        { 0xff141414 };  // behind the panel buttons
    inline const juce::Colour pane         { 0xff2b2b2b };  // behind the lists
    inline const juce::Colour selectedRow  { 0xff555555 };
    inline const juce::Colour rowText      { 0xffffffff };
    inline const juce::Colour dialogue     { 0xff333333 };  // the boxes of the save-as and delete overlays
    inline const juce::Colour dialogueDimmer { 0xaa000000 };
    inline const juce::Colour scrollTrack  { 0xff4e4e4e };
    inline const juce::Colour scrollThumb  { 0xffcccccc };
    inline const juce::Colour field        { 0xffeeeeee };  // the save-as name field
    inline const juce::Colour fieldText    { 0xff3d3d3d };
}
