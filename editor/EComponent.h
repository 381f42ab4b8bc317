#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include "MVUICallback.h"
#include "WidgetFont.h"

/** The base of every control that is bound to one plug-in parameter.

    A control holds its parameter's normalised value and reports what the user does through
    its MVUICallback; the editor sets the parameter and tells the host. The editor pulls a
    control back to the host value with syncFromHost, which reports nothing.

    A control with no callback bound never calls one: it still moves under a drag or the
    wheel, but it reports nothing, begins no gesture and takes no double-click reset.
*/
class EComponent  : public juce::Component
{
public:
    EComponent();
    ~EComponent() override;

    /** Binds the control to its parameter and the callback it reports to. */
    virtual void setup (int newParamIndex, MVUICallback* newCallback);
    virtual void setCallback (MVUICallback* newCallback);

    /** Shows a new value without reporting it; the value is stored as given, not clamped. */
    virtual void setValue (float newValue);
    virtual void setValue (float newValue, bool repaintNow);

    virtual float getReservedValue1()                  { return 0.0f; }
    virtual float getReservedValue2()                  { return 0.0f; }
    virtual float getValue() const                     { return value; }
    virtual void setParameterIndex (int newParamIndex);
    virtual int getParameterIndex() const              { return paramIndex; }
    virtual float getControlValue() const              { return getValue(); }
    virtual void setControlValue (float newValue)      { setValue (newValue); }
    virtual void updateAnimation()                     {}

    /** Takes the host's value when it differs from the one shown; notify also reports it. */
    virtual void syncFromHost (bool notify);

    virtual void reservedHook()                        {}

    MVUICallback* getCallback() const noexcept         { return callback; }

protected:
    /** The mouse rules every knob and slider shares. Each acts only while the control and all
        its parents are enabled, except enter and exit which always report.
    */
    void handleMouseEnter();
    void handleMouseExit();
    void handlePress (const juce::MouseEvent&, juce::Point<float> reportedPosition);

    /** A vertical drag step: moving up by span pixels raises the value by sensitivity,
        or by fineSensitivity while Alt is held.
    */
    void handleVerticalDrag (const juce::MouseEvent&, float sensitivity, float fineSensitivity, float span);
    void handleRelease();
    void handleDoubleClick();
    void handleWheel (const juce::MouseEvent&, const juce::MouseWheelDetails&);

    /** Reports the current value when a callback is bound. */
    void reportValue();

    MVUICallback* callback = nullptr;
    float value = 0.0f;
    int paramIndex = -1;
    juce::Point<int> lastMouse;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (EComponent)
};
