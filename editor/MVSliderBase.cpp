#include "MVSliderBase.h"

MVSliderBase::MVSliderBase() = default;
MVSliderBase::~MVSliderBase() = default;

void MVSliderBase::mouseEnter (const juce::MouseEvent&)      { handleMouseEnter(); }
void MVSliderBase::mouseExit (const juce::MouseEvent&)       { handleMouseExit(); }
void MVSliderBase::mouseDown (const juce::MouseEvent& e)     { handlePress (e, {}); }
void MVSliderBase::mouseUp (const juce::MouseEvent&)         { handleRelease(); }
void MVSliderBase::mouseDoubleClick (const juce::MouseEvent&) { handleDoubleClick(); }

void MVSliderBase::mouseWheelMove (const juce::MouseEvent& e, const juce::MouseWheelDetails& wheel)
{
    handleWheel (e, wheel);
}
