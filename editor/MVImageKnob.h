#pragma once

#include "MVKnobBase.h"

/** A knob drawn from two pictures: the body "knob" and, turned to the value over it, the
    pointer "knobhandle". Both are drawn at their normal size, 80 x 80 (the body one pixel
    wider), whatever density the pictures come in. A missing picture is simply not drawn.
*/
class MVImageKnob  : public MVKnobBase
{
public:
    MVImageKnob();
    ~MVImageKnob() override;

    /** Binds the knob and loads its two pictures. */
    void setup (int newParamIndex, MVUICallback* newCallback) override;

    /** Replaces the two pictures, e.g. with ones made elsewhere. */
    void setImages (const juce::Image& body, const juce::Image& pointer);

    /** Hides the caption under the knob. */
    void setCaptionHidden (bool shouldBeHidden);

    void paint (juce::Graphics&) override;

    static constexpr float pictureSize = 80.0f;

private:
    juce::Image knobImage, handleImage;
    bool captionHidden = false;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MVImageKnob)
};
