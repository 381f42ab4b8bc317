#include "PMRevealButton.h"

PMRevealButton::PMRevealButton (const PresetBarStyle& barStyle, Delegate* d)
    : style (barStyle), delegate (d)
{
    currentPreset.valid = false;
    currentPreset.name = "Unknown";

    // Without arrows the buttons exist but are never children, so the whole bar opens the browser.
    if (style.showArrows)
    {
        leftArrow.setImages (style.leftArrowNormal, style.leftArrowPressed, style.leftArrowDisabled);
        rightArrow.setImages (style.rightArrowNormal, style.rightArrowPressed, style.rightArrowDisabled);

        for (auto* arrow : { &leftArrow, &rightArrow })
        {
            arrow->setDrawSize (style.arrowImageSize.x, style.arrowImageSize.y);
            arrow->setDelegate (this);
            addAndMakeVisible (arrow);
        }
    }

    style.font.setHeight (style.fontHeight);
}

PMRevealButton::~PMRevealButton() = default;

void PMRevealButton::setFontHeight (float newHeight)
{
    style.font.setHeight (newHeight);
    repaint();
}

juce::Colour PMRevealButton::getTextColour() const noexcept
{
    // The held bar replaces the colour's alpha rather than scaling it.
    const auto colour = currentPreset.valid ? style.textColour : style.invalidTextColour;
    return pressed ? colour.withAlpha (0.7f) : colour;
}

//==============================================================================
void PMRevealButton::mouseDown (const juce::MouseEvent&)
{
    pressed = true;
    repaint();
}

void PMRevealButton::mouseUp (const juce::MouseEvent& e)
{
    if (! pressed)
        return;

    pressed = false;

    if (getLocalBounds().contains (e.getPosition()) && delegate != nullptr)
        delegate->revealClicked();

    repaint();
}

void PMRevealButton::paint (juce::Graphics& g)
{
    if (style.faceImage.isValid())
        g.drawImage (style.faceImage, getLocalBounds().toFloat());

    g.setColour (getTextColour());
    g.setFont (style.font);

    g.drawText (currentPreset.name,
                juce::Rectangle<int> (textInset[0], textInset[1], getWidth() + textInset[2], getHeight() + textInset[3]),
                justification, true);
}

void PMRevealButton::resized()
{
    const auto h = getHeight();
    leftArrow.setBounds (arrowOffsets[0], arrowOffsets[1], h, h);
    rightArrow.setBounds (getWidth() - h + arrowOffsets[2], arrowOffsets[3], h, h);
}

void PMRevealButton::buttonClicked (PMSimpleButton* button)
{
    if (delegate == nullptr)
        return;

    if (button == &leftArrow)   delegate->previousPreset();
    if (button == &rightArrow)  delegate->nextPreset();
}
