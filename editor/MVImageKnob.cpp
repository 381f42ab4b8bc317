#include "MVImageKnob.h"
#include "Artwork.h"
#include "Palette.h"

MVImageKnob::MVImageKnob() = default;
MVImageKnob::~MVImageKnob() = default;

void MVImageKnob::setup (int newParamIndex, MVUICallback* newCallback)
{
    setParameterIndex (newParamIndex);
    setCallback (newCallback);
    handleImage = loadImage ("knobhandle");
    knobImage = loadImage ("knob");
}

void MVImageKnob::setImages (const juce::Image& body, const juce::Image& pointer)
{
    knobImage = body;
    handleImage = pointer;
    repaint();
}

void MVImageKnob::setCaptionHidden (bool shouldBeHidden)
{
    captionHidden = shouldBeHidden;
    repaint();
}

void MVImageKnob::paint (juce::Graphics& g)
{
    if (isOpaque())
        g.fillAll (Palette::panel);

    const auto w = (float) getWidth();
    auto layout = layOut();

    if (! captionHidden)
        drawCaption (g, layout);

    // Both pictures at full opacity, whatever colour was left in the context.
    g.setColour (juce::Colours::black);

    // The body and the pointer share this centre; it moves up by the offset that moves the knob down.
    const juce::Point<float> pictureCentre (w / 2.0f, 44.0f - layout.offset);

    if (knobImage.isValid())
        g.drawImage (knobImage, { w / 2.0f - 40.5f, 4.0f - layout.offset, 81.0f, pictureSize },
                     juce::RectanglePlacement::stretchToFit);

    if (handleImage.isValid())
    {
        const auto toNormalSize = juce::RectanglePlacement (juce::RectanglePlacement::centred)
                                      .getTransformToFit (handleImage.getBounds().toFloat(),
                                                          { -pictureSize / 2.0f, -pictureSize / 2.0f, pictureSize, pictureSize });

        g.drawImageTransformed (handleImage,
                                toNormalSize.rotated (pointerAngle (value))
                                            .translated (pictureCentre.x, pictureCentre.y));
    }

    // Marks at both ends of the pointer's travel.
    g.setColour (Palette::ink);
    const auto inner = radius + 4.0f, outer = radius + 10.0f;

    for (auto side : { -1.0f, 1.0f })
        g.drawLine (pictureCentre.x + side * inner * 0.7071068f, pictureCentre.y + inner * 0.7071067f,
                    pictureCentre.x + side * outer * 0.7071068f, pictureCentre.y + outer * 0.7071067f, 1.0f);
}
