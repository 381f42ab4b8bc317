#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include "WidgetFont.h"

/** The small plate that shows a parameter's value above the control being held.

    It never takes a mouse click. It is shown and hidden by its fade: while showing, each fade
    step raises the alpha by 0.08 towards 1, otherwise lowers it towards 0. It is opaque only at
    full alpha, so what lies under it shows through while it fades, and at 0 it is not visible at
    all. Its owner adds it as a hidden child. Its text stays between presses, so a wheel turn
    while hidden updates it without showing it.
*/
class MVChangeView  : public juce::Component
{
public:
    MVChangeView();
    ~MVChangeView() override;

    void setText (const juce::String& newText);
    const juce::String& getText() const noexcept    { return text; }

    /** Whether the pop-up should fade in (true) or out (false). */
    void setShowing (bool shouldShow) noexcept      { showing = shouldShow; }
    bool getShowing() const noexcept                { return showing; }

    /** One step of the fade, made by the editor's timer every 33 ms. */
    void stepFade();
    float getFadeAlpha() const noexcept             { return fadeAlpha; }

    void paint (juce::Graphics&) override;
    void resized() override {}

    static constexpr float fadeStep = 0.08f;

private:
    bool showing = false;
    juce::String text;
    float fadeAlpha = 0.0f;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MVChangeView)
};
