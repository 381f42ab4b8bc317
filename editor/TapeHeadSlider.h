#pragma once

#include "MVSliderBase.h"

/** A tape head over a strip of tape that tilts with its value: 45 degrees left at 0,
    upright at 0.5, 45 degrees right at 1. Only the head moves.

    A drag over the slider's height raises the value by 0.45, or by 0.045 with Alt. It is not
    opaque: the panel shows around the drawing.
*/
class TapeHeadSlider  : public MVSliderBase
{
public:
    TapeHeadSlider();
    ~TapeHeadSlider() override;

    /** Binds the slider and starts it at its parameter's default, without a repaint. */
    void setup (int newParamIndex, MVUICallback* newCallback) override;

    void mouseDrag (const juce::MouseEvent&) override;
    void paint (juce::Graphics&) override;

    /** The head's turn for a value, clockwise on screen. */
    static float tiltAngle (float normalisedValue) noexcept;

    static constexpr float dragSensitivity = 0.45f;
    static constexpr float fineDragSensitivity = 0.45f * 0.1f;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (TapeHeadSlider)
};
