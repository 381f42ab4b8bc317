#pragma once

#include <juce_graphics/juce_graphics.h>

/** The few colours the plug-in window is painted with. */
namespace Palette
{
    inline const juce::Colour panel   { 0xffd9d9c4 };  // plate fill
    inline const juce::Colour ink     { 0xff40403d };  // outlines, thumbs, selected slot, pointer dot, range marks
    inline const juce::Colour caption { 0x99000000 };  // captions, labels, pop-up text
    inline const juce::Colour shade   { 0x4c40403d };  // knob value arc, pressed switch slot, meter needle
    inline const juce::Colour face    { 0xffccccb8 };  // knob face, switch slots, tape-head body
    inline const juce::Colour groove  { 0xffd8d8c5 };  // EQ slider groove, tape-view label strip
}
