#include "PMSimpleButton.h"

PMSimpleButton::PMSimpleButton() = default;
PMSimpleButton::~PMSimpleButton() = default;

void PMSimpleButton::setImages (const juce::Image& normal, const juce::Image& pressedPicture, const juce::Image& disabled)
{
    normalImage = normal;
    pressedImage = pressedPicture;
    disabledImage = disabled;
    repaint();
}

void PMSimpleButton::setDrawSize (float width, float height)
{
    drawWidth = width;
    drawHeight = height;
    repaint();
}

void PMSimpleButton::setText (const juce::String& newText)
{
    text = newText;
    repaint();
}

void PMSimpleButton::setButtonEnabled (bool shouldBeEnabled)
{
    if (enabled == shouldBeEnabled)
        return;

    enabled = shouldBeEnabled;
    repaint();
}

//==============================================================================
void PMSimpleButton::mouseDown (const juce::MouseEvent&)
{
    if (! enabled)
        return;

    pressed = true;
    repaint();
}

void PMSimpleButton::mouseUp (const juce::MouseEvent& e)
{
    // A button disabled while held stays pressed until a release while enabled.
    if (! enabled || ! pressed)
        return;

    pressed = false;
    juce::Component::SafePointer<PMSimpleButton> self (this);

    if (getLocalBounds().contains (e.getPosition()) && delegate != nullptr)
        delegate->buttonClicked (this);

    if (self != nullptr)
        repaint();
}

void PMSimpleButton::paint (juce::Graphics& g)
{
    if (! normalImage.isValid())
    {
        g.fillAll (juce::Colours::black);
        g.setColour (enabled ? juce::Colours::white : juce::Colour (0xff808080));
        g.setFont (14.0f);
        g.drawText (text, getLocalBounds(), juce::Justification::centred, true);
        return;
    }

    auto target = getLocalBounds().toFloat();

    if (drawWidth > 0.0f && drawHeight > 0.0f)
        target = { ((float) getWidth() - drawWidth) * 0.5f, ((float) getHeight() - drawHeight) * 0.5f, drawWidth, drawHeight };

    const auto& image = ! enabled ? disabledImage : (pressed ? pressedImage : normalImage);

    if (image.isValid())
        g.drawImage (image, target);
}
