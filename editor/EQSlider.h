#pragma once

#include "MVSliderBase.h"

/** A vertical fader for one band of the tone section: a groove and a thumb.

    A drag over the thumb's travel (the height less 8) raises the value by 0.65, or by 0.05
    with Alt. It is not opaque: the panel shows around the groove.
*/
class EQSlider  : public MVSliderBase
{
public:
    EQSlider();
    ~EQSlider() override;

    void mouseDrag (const juce::MouseEvent&) override;
    void paint (juce::Graphics&) override;

    static constexpr float dragSensitivity = 0.65f;
    static constexpr float fineDragSensitivity = 0.05f;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (EQSlider)
};
