#pragma once

#include "EComponent.h"

/** The base of the back panel's sliders: press, release, double-click, wheel, enter and exit
    follow the shared control rules; each slider kind brings its own drag and drawing.

    A slider reports its press at (0, 0).
*/
class MVSliderBase  : public EComponent
{
public:
    MVSliderBase();
    ~MVSliderBase() override;

    void mouseEnter (const juce::MouseEvent&) override;
    void mouseExit (const juce::MouseEvent&) override;
    void mouseDown (const juce::MouseEvent&) override;
    void mouseUp (const juce::MouseEvent&) override;
    void mouseDoubleClick (const juce::MouseEvent&) override;
    void mouseWheelMove (const juce::MouseEvent&, const juce::MouseWheelDetails&) override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MVSliderBase)
};
