#pragma once

#include "PMSimpleButton.h"
#include "PresetBarStyle.h"

#include "../processor/PresetStore.h"

#include <array>

/** The preset bar: the current preset's name, always on screen in the editor. A click on it opens
    the preset browser.

    The name of a stored preset is drawn in the style's text colour, any other name (imported,
    received, deleted, or none yet: "Unknown") in its invalid colour; while the bar is held the
    colour is drawn at alpha 0.7. When the style asks for them, arrows at both ends step to the
    previous and the next preset.
*/
class PMRevealButton  : public juce::Component,
                        private PMSimpleButton::Delegate
{
public:
    class Delegate
    {
    public:
        virtual ~Delegate() = default;
        virtual void revealClicked() = 0;
        virtual void nextPreset() = 0;
        virtual void previousPreset() = 0;
        virtual bool hasNextPreset() = 0;
        virtual bool hasPreviousPreset() = 0;
    };

    PMRevealButton (const PresetBarStyle& style, Delegate* delegate);
    ~PMRevealButton() override;

    /** The editor's layout sets the name's height (18 in the full layout, 30 in the compact one). */
    void setFontHeight (float newHeight);
    const juce::Font& getFont() const noexcept              { return style.font; }

    /** The record shown; the browser writes it whole and then repaints the bar. */
    void setCurrentPreset (const PresetEntry& record)       { currentPreset = record; }
    const PresetEntry& getCurrentPreset() const noexcept    { return currentPreset; }

    /** The colour the name is drawn in right now. */
    juce::Colour getTextColour() const noexcept;
    bool isPressed() const noexcept                         { return pressed; }

    void mouseDown (const juce::MouseEvent&) override;
    void mouseUp (const juce::MouseEvent&) override;
    void paint (juce::Graphics&) override;
    void resized() override;

    PMSimpleButton leftArrow, rightArrow;

private:
    void buttonClicked (PMSimpleButton*) override;

    std::array<int, 4> arrowOffsets {};     // left x, left y, right x, right y
    PresetBarStyle style;                   // its font is the one the editor resizes
    juce::Justification justification { juce::Justification::centred };
    bool pressed = false;
    Delegate* delegate;
    PresetEntry currentPreset;
    std::array<int, 4> textInset {};        // x, y, width, height

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PMRevealButton)
};
