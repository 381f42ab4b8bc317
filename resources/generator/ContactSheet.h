#pragma once

#include <juce_graphics/juce_graphics.h>

#include <map>

/** The typefaces of the editor's and the preset browser's own text, for the proof. */
struct ContactSheetFonts
{
    juce::Font sans, brush;
    juce::Font overpass, overpassSemiBold;
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

/** The deck's front as the editor lays it out, 667 x 300, with the pictures of one density. */
void drawDeckFront (juce::Graphics& g, const std::map<juce::String, juce::Image>& pictures,
                    const ContactSheetFonts& fonts, int density);

/** The preset browser opened over the dimmed deck, in its states: the browser with the lists
    filled, some buttons pressed or disabled, the save-as overlay with Save and with Overwrite,
    and the delete question. Each at normal density magnified twice on the left, and drawn as
    on a display with a scale of 2 on the right. The browser's pictures are keyed by file name
    without ".png"; the deck's by base name.
*/
juce::Image makePresetBrowserSheet (const std::map<juce::String, juce::Image>& normal,
                                    const std::map<juce::String, juce::Image>& dense,
                                    const std::map<juce::String, juce::Image>& browserPictures,
                                    const ContactSheetFonts& fonts);

/** Every picture of the preset browser at its drawn size on the colour it is drawn on: at normal
    density magnified twice above, and pixel for pixel below.
*/
juce::Image makePresetPictureSheet (const std::map<juce::String, juce::Image>& browserPictures,
                                    const ContactSheetFonts& fonts);
