#pragma once

#include "EComponent.h"

/** What the two rotary knobs share: the layout of knob and caption, the round hit area and
    the mouse handling. The kinds differ only in how they draw the knob itself.

    The pointer sweeps 270 degrees, from 135 degrees left of straight up at value 0 to
    135 degrees right of it at value 1. A drag over the knob's full height raises the value
    by 0.45 (0.045 with Alt); a press reports the knob's centre.
*/
class MVKnobBase  : public EComponent
{
public:
    MVKnobBase();
    ~MVKnobBase() override;

    /** The knob's centre and radius as laid out by the last paint. */
    juce::Point<float> getKnobCentre() const noexcept  { return centre; }
    float getKnobRadius() const noexcept               { return radius; }

    void mouseEnter (const juce::MouseEvent&) override;
    void mouseExit (const juce::MouseEvent&) override;
    void mouseDown (const juce::MouseEvent&) override;
    void mouseDrag (const juce::MouseEvent&) override;
    void mouseUp (const juce::MouseEvent&) override;
    void mouseDoubleClick (const juce::MouseEvent&) override;
    void mouseWheelMove (const juce::MouseEvent&, const juce::MouseWheelDetails&) override;
    bool hitTest (int x, int y) override;
    void resized() override {}

    static constexpr float dragSensitivity = 0.45f;
    static constexpr float fineDragSensitivity = 0.45f * 0.1f;

protected:
    struct Layout
    {
        float radius = 0.0f;        // knob radius
        float offset = 0.0f;        // how far the content sits below the top when the knob is taller than it
        bool fitsCaption = false;   // false when the knob is too small for its caption
    };

    /** Lays the knob out for the current size and keeps the centre and radius for the hit test. */
    Layout layOut();

    /** Draws the parameter's name under the knob, when there is room and a callback to ask. */
    void drawCaption (juce::Graphics&, const Layout&);

    /** The pointer angle, clockwise from straight up. */
    static float pointerAngle (float normalisedValue) noexcept;

    juce::Point<float> centre;
    float radius = 0.0f;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MVKnobBase)
};
