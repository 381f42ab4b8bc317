#pragma once

#include <juce_core/juce_core.h>

class EComponent;

/** What a control tells its owner, and what it asks about its parameter.

    Values are normalised 0..1. The editor implements this once and hands itself to every
    control; a control never touches the processor directly. Message thread only.

    A knob or slider reports a press as beginParameterGesture, controlPressed, any number of
    parameterChanged, controlReleased, endParameterGesture. A double-click reset is one
    parameterChanged inside its own begin/end gesture; a wheel step is a lone parameterChanged.
    A switch click is begin, parameterChanged (only when the position changes), end.
*/
class MVUICallback
{
public:
    virtual ~MVUICallback() = default;

    /** The user gave the control a new value. */
    virtual void parameterChanged (EComponent* source, int paramIndex, float value) = 0;

    /** The mouse entered or left a knob or slider. */
    virtual void mouseEnteredControl (EComponent* source, int paramIndex) = 0;
    virtual void mouseExitedControl (EComponent* source, int paramIndex) = 0;

    /** The mouse went down on a knob or slider; knobs pass their centre in their own
        coordinates, sliders pass (0, 0).
    */
    virtual void controlPressed (EComponent* source, int paramIndex, float x, float y) = 0;

    /** The mouse was released on a knob or slider. */
    virtual void controlReleased (EComponent* source, int paramIndex) = 0;

    /** Kept for the interface's shape; no control calls them. */
    virtual void reservedCallback1() {}
    virtual void reservedCallback2() {}
    virtual juce::String getValueText()   { return "strVal"; }

    /** The caption a knob draws under itself. */
    virtual juce::String getParameterName (int paramIndex) = 0;

    /** The parameter's normalised default, used by double-click resets. */
    virtual float getDefaultValue (int paramIndex) = 0;

    /** The parameter's current normalised host value. */
    virtual float getParameterValue (int paramIndex) = 0;

    /** Bracket a user change, so that hosts can record touch automation. */
    virtual void beginParameterGesture (EComponent* source, int paramIndex) = 0;
    virtual void endParameterGesture (EComponent* source, int paramIndex) = 0;
};
