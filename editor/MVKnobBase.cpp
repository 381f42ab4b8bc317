#include "MVKnobBase.h"
#include "Palette.h"

#include <cmath>

MVKnobBase::MVKnobBase()
{
    setOpaque (true);
}

MVKnobBase::~MVKnobBase() = default;

MVKnobBase::Layout MVKnobBase::layOut()
{
    const auto w = (float) getWidth();
    const auto h = (float) getHeight();

    Layout layout;
    const auto rawRadius = juce::jmin ((h - 30.0f) / 2.0f, w / 2.0f - 17.0f);
    layout.fitsCaption = rawRadius >= 8.0f;
    layout.radius = layout.fitsCaption ? rawRadius : 8.0f;

    const auto captionHeight = juce::jlimit (10.0f, 17.0f, h - (2.0f * layout.radius + 10.0f) - 12.0f);
    const auto total = 2.0f * layout.radius + 22.0f + captionHeight;
    layout.offset = total < h ? (h - total) / 2.0f : 0.0f;

    centre = { w / 2.0f, layout.radius + layout.offset + 6.0f };
    radius = layout.radius;
    return layout;
}

void MVKnobBase::drawCaption (juce::Graphics& g, const Layout& layout)
{
    if (! layout.fitsCaption || callback == nullptr)
        return;

    const auto top = (int) (layout.offset + 12.0f);
    const juce::Rectangle<int> box (0, top, juce::jmax (getWidth(), 0), juce::jmax (getHeight() - 2 * top, 0));

    g.setColour (Palette::caption);
    g.setFont (widgetFont (9.0f));
    g.drawText (callback->getParameterName (paramIndex), box, juce::Justification::centredBottom, true);
}

float MVKnobBase::pointerAngle (float normalisedValue) noexcept
{
    return normalisedValue * 1.5f * juce::MathConstants<float>::pi - 0.75f * juce::MathConstants<float>::pi;
}

//==============================================================================
void MVKnobBase::mouseEnter (const juce::MouseEvent&)       { handleMouseEnter(); }
void MVKnobBase::mouseExit (const juce::MouseEvent&)        { handleMouseExit(); }
void MVKnobBase::mouseDown (const juce::MouseEvent& e)      { handlePress (e, centre); }
void MVKnobBase::mouseUp (const juce::MouseEvent&)          { handleRelease(); }
void MVKnobBase::mouseDoubleClick (const juce::MouseEvent&) { handleDoubleClick(); }

void MVKnobBase::mouseDrag (const juce::MouseEvent& e)
{
    handleVerticalDrag (e, dragSensitivity, fineDragSensitivity, (float) getHeight());
}

void MVKnobBase::mouseWheelMove (const juce::MouseEvent& e, const juce::MouseWheelDetails& wheel)
{
    handleWheel (e, wheel);
}

bool MVKnobBase::hitTest (int x, int y)
{
    return std::hypot ((float) x - centre.x, (float) y - centre.y) < radius + 10.0f;
}
