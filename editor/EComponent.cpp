#include "EComponent.h"

#include <functional>

EComponent::EComponent() = default;
EComponent::~EComponent() = default;

void EComponent::setup (int newParamIndex, MVUICallback* newCallback)
{
    paramIndex = newParamIndex;
    callback = newCallback;
}

void EComponent::setCallback (MVUICallback* newCallback)
{
    callback = newCallback;
}

void EComponent::setValue (float newValue)
{
    setValue (newValue, true);
}

void EComponent::setValue (float newValue, bool repaintNow)
{
    value = newValue;

    if (repaintNow)
        repaint();
}

void EComponent::setParameterIndex (int newParamIndex)
{
    paramIndex = newParamIndex;
}

void EComponent::syncFromHost (bool notify)
{
    if (callback == nullptr)
        return;

    const auto hostValue = callback->getParameterValue (paramIndex);

    // An exact compare: a repaint only when the host really moved.
    if (std::equal_to<float>() (hostValue, value))
        return;

    setValue (hostValue);

    if (notify)
        reportValue();
}

//==============================================================================
void EComponent::reportValue()
{
    if (callback != nullptr)
        callback->parameterChanged (this, paramIndex, value);
}

void EComponent::handleMouseEnter()
{
    if (callback != nullptr)
        callback->mouseEnteredControl (this, paramIndex);

    repaint();
}

void EComponent::handleMouseExit()
{
    if (callback != nullptr)
        callback->mouseExitedControl (this, paramIndex);

    repaint();
}

void EComponent::handlePress (const juce::MouseEvent& e, juce::Point<float> reportedPosition)
{
    if (! isEnabled())
        return;

    lastMouse = e.getMouseDownPosition();

    if (callback != nullptr)
    {
        callback->beginParameterGesture (this, paramIndex);
        callback->controlPressed (this, paramIndex, reportedPosition.x, reportedPosition.y);
    }
}

void EComponent::handleVerticalDrag (const juce::MouseEvent& e, float sensitivity, float fineSensitivity, float span)
{
    if (! isEnabled())
        return;

    const auto position = e.getPosition();
    const auto dy = position.y - lastMouse.y;
    lastMouse = position;

    const auto k = e.mods.isAltDown() ? fineSensitivity : sensitivity;
    const auto step = (float) dy * k;
    const auto newValue = span > 0.0f ? value - step / span : value;

    setValue (juce::jlimit (0.0f, 1.0f, newValue), true);
    reportValue();
}

void EComponent::handleRelease()
{
    if (! isEnabled())
        return;

    if (callback != nullptr)
    {
        callback->controlReleased (this, paramIndex);
        callback->endParameterGesture (this, paramIndex);
    }
}

void EComponent::handleDoubleClick()
{
    if (! isEnabled() || callback == nullptr)
        return;

    const auto defaultValue = callback->getDefaultValue (paramIndex);
    setValue (defaultValue);

    // A reset is a change of its own: hosts recording touch automation need it bracketed.
    callback->beginParameterGesture (this, paramIndex);
    callback->parameterChanged (this, paramIndex, defaultValue);
    callback->endParameterGesture (this, paramIndex);
    repaint();
}

void EComponent::handleWheel (const juce::MouseEvent& e, const juce::MouseWheelDetails& wheel)
{
    if (! isEnabled())
        return;

    const auto step = e.mods.isAltDown() ? 0.02 : 0.2;
    value = (float) juce::jlimit (0.0, 1.0, (double) value + (double) wheel.deltaY * step);

    reportValue();
    repaint();
}
