#pragma once

#include <juce_graphics/juce_graphics.h>

#include <map>

/** The typefaces of the editor's own text, for the proof. */
struct ContactSheetFonts
{
    juce::Font sans, brush;
};

/** The front and the back of the deck with the pictures in place: on the left the normal-density
    pictures magnified twice, on the right the double-density ones drawn as on a display with a
    scale of 2. The pictures are keyed by base name.
*/
juce::Image makeContactSheet (const std::map<juce::String, juce::Image>& normal,
                              const std::map<juce::String, juce::Image>& dense,
                              const ContactSheetFonts& fonts);

/** The tape view, a meter and an image knob magnified three times: the normal-density pictures
    pixel for pixel above, the double-density ones below.
*/
juce::Image makeDetailSheet (const std::map<juce::String, juce::Image>& normal,
                             const std::map<juce::String, juce::Image>& dense,
                             const ContactSheetFonts& fonts);
