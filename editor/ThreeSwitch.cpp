#include "ThreeSwitch.h"
#include "Palette.h"

#include <cmath>

ThreeSwitch::ThreeSwitch()
{
    setOpaque (true);
}

ThreeSwitch::~ThreeSwitch() = default;

void ThreeSwitch::setLabels (const juce::String& newTitle,
                             const juce::String& label0, const juce::String& label1, const juce::String& label2,
                             int newParamIndex, MVUICallback* newCallback)
{
    callback = newCallback;
    paramIndex = newParamIndex;
    title = newTitle;
    positionLabels = { label0, label1, label2 };

    const auto font = widgetFont (9.0f);

    for (size_t i = 0; i < positionLabels.size(); ++i)
        positionLabelWidths[i] = font.getStringWidthFloat (positionLabels[i]);

    bodyWidth = 5.0f;
}

int ThreeSwitch::positionForValue (float normalisedValue) noexcept
{
    const auto scaled = std::round ((double) normalisedValue * 10.0);   // halves away from zero

    if (! (scaled > 0.0))   // also a value that is not a number
        return 0;

    return scaled >= 2.0 ? 2 : (int) scaled;
}

void ThreeSwitch::setValue (float newValue, bool repaintNow)
{
    value = newValue;
    position = positionForValue (newValue);

    if (repaintNow)
        repaint();
}

void ThreeSwitch::resized()
{
    bodyWidth = (float) getWidth() * 0.5873016f;
}

int ThreeSwitch::slotAt (juce::Point<float> p) const noexcept
{
    for (int i = 0; i < 3; ++i)
        if (slotRects[(size_t) i].contains (p))
            return i;

    return -1;
}

void ThreeSwitch::mouseDown (const juce::MouseEvent& e)
{
    pressed = slotAt (e.getPosition().toFloat());
    repaint();

    if (callback != nullptr)
        callback->beginParameterGesture (this, paramIndex);
}

void ThreeSwitch::mouseUp (const juce::MouseEvent& e)
{
    const auto hit = slotAt (e.getPosition().toFloat());

    // The value itself follows when the host value comes back through syncFromHost.
    if (hit == pressed && hit != -1 && hit != position)
    {
        position = hit;

        if (callback != nullptr)
            callback->parameterChanged (this, paramIndex, (float) hit / 10.0f);
    }

    pressed = -1;
    repaint();

    if (callback != nullptr)
        callback->endParameterGesture (this, paramIndex);
}

void ThreeSwitch::paint (juce::Graphics& g)
{
    const auto w = (float) getWidth();
    const auto h = (float) getHeight();
    const auto x0 = w / 2.0f - bodyWidth / 2.0f;
    const auto bottom = h - 25.0f;
    const auto bounds = getLocalBounds();

    g.fillAll (Palette::panel);

    g.setColour (Palette::caption);
    g.setFont (widgetFont (9.0f));
    g.drawText (title, bounds, juce::Justification::centredTop, true);
    g.drawText (positionLabels[0], bounds, juce::Justification::bottomLeft, true);
    g.drawText (positionLabels[1], bounds, juce::Justification::centredBottom, true);
    g.drawText (positionLabels[2], bounds, juce::Justification::bottomRight, true);

    g.setColour (Palette::ink);
    g.drawRect (juce::Rectangle<float> (x0, 11.0f, bodyWidth, h - 36.0f), 1.0f);

    // Leaders from each slot down to its label.
    const auto third = bodyWidth / 3.0f;
    const auto leftLabelX = positionLabelWidths[0] / 2.0f;
    const auto rightLabelX = w - positionLabelWidths[2] / 2.0f;

    g.drawLine (x0 + 0.5f * third, bottom + 2.0f, leftLabelX, bottom + 8.0f);
    g.drawLine (x0 + 1.5f * third, bottom + 2.0f, w / 2.0f, bottom + 12.0f);
    g.drawLine (x0 + 2.5f * third, bottom + 2.0f, rightLabelX, bottom + 8.0f);
    g.drawLine (leftLabelX, bottom + 8.0f, leftLabelX, bottom + 12.0f);
    g.drawLine (rightLabelX, bottom + 8.0f, rightLabelX, bottom + 12.0f);

    const auto slotWidth = (bodyWidth - 4.0f) / 3.0f;

    g.setColour (Palette::face);

    for (size_t i = 0; i < slotRects.size(); ++i)
    {
        slotRects[i] = { x0 + 2.0f + (float) i * (slotWidth + 1.0f), 13.0f, slotWidth - 2.0f, h - 40.0f };
        g.fillRect (slotRects[i]);
    }

    if (pressed != -1 && pressed != position)
    {
        g.setColour (Palette::shade);
        g.fillRect (slotRects[(size_t) pressed]);
    }

    g.setColour (Palette::ink);
    g.fillRect (slotRects[(size_t) position]);
}
