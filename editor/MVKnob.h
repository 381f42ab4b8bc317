#pragma once

#include "MVKnobBase.h"

/** A knob drawn in vector graphics: a round face, an arc from the lowest position to the
    value, and a dot that points at the value.
*/
class MVKnob  : public MVKnobBase
{
public:
    MVKnob();
    ~MVKnob() override;

    void paint (juce::Graphics&) override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MVKnob)
};
