#include "OndrellaView.h"
#include "Artwork.h"
#include "Palette.h"

#include <cmath>

OndrellaView::OndrellaView()
    : tapeImage (loadImage ("ondrella")),
      wheelImage (loadImage ("wheel"))
{
    setOpaque (true);
    setInterceptsMouseClicks (false, false);
}

OndrellaView::~OndrellaView() = default;

void OndrellaView::setImages (const juce::Image& tape, const juce::Image& wheel)
{
    tapeImage = tape;
    wheelImage = wheel;
    resized();
    repaint();
}

void OndrellaView::setWheelAngle (float newAngle)
{
    wheelAngle = newAngle;
    repaintWheels();
}

void OndrellaView::advance (bool transportPlaying)
{
    playing = transportPlaying;

    if (! playing)
        return;

    // The angle runs negative (anticlockwise) and wraps above -2 pi.
    wheelAngle = std::fmod (wheelAngle - wheelStep, 6.2831855f);
    repaintWheels();
}

void OndrellaView::repaintWheels()
{
    for (const auto& box : wheelBoxes)
    {
        const auto clipped = box.getIntersection (getLocalBounds());

        if (! clipped.isEmpty())
            repaint (clipped);
    }
}

std::array<juce::Point<float>, 2> OndrellaView::wheelCentres() const
{
    const auto w = (float) getWidth(), h = (float) getHeight();
    return { { { 0.296f * w, 0.485f * h }, { 0.72f * w, 0.485f * h } } };
}

void OndrellaView::resized()
{
    // One pixel to spare around the wheel, for the edge that filtering spreads when it turns.
    // The box is rounded outwards: truncating its corner alone would cut into the right and
    // bottom edges and leave traces of the old wheel there.
    const auto size = (wheelImage.isValid() ? (float) wheelSize : 0.0f) + 2.0f;
    const auto centres = wheelCentres();

    for (size_t i = 0; i < wheelBoxes.size(); ++i)
        wheelBoxes[i] = juce::Rectangle<float> (size, size).withCentre (centres[i]).getSmallestIntegerContainer();
}

void OndrellaView::paint (juce::Graphics& g)
{
    g.fillAll (Palette::panel);

    if (tapeImage.isValid())
        g.drawImage (tapeImage, { 0.0f, 0.0f, 224.0f, 132.0f }, juce::RectanglePlacement::stretchToFit);

    // The preset bar lies over this strip.
    g.setColour (Palette::groove);
    g.fillRect (34, 23, 154, 16);

    for (auto centre : wheelCentres())
        drawWheel (g, centre);
}

void OndrellaView::drawWheel (juce::Graphics& g, juce::Point<float> centre) const
{
    g.setOpacity (1.0f);

    if (! wheelImage.isValid())
        return;

    const auto iw = (float) wheelImage.getWidth();
    const auto ih = (float) wheelImage.getHeight();

    // At rest and at its normal size the wheel lands on whole pixels, unfiltered.
    if (wheelImage.getWidth() == wheelSize && wheelImage.getHeight() == wheelSize && wheelAngle == 0.0f)
    {
        g.drawImageAt (wheelImage, (int) (centre.x - iw / 2.0f), (int) (centre.y - ih / 2.0f));
        return;
    }

    const auto size = (float) wheelSize;
    g.drawImageTransformed (wheelImage,
                            juce::AffineTransform::rotation (wheelAngle, iw / 2.0f, ih / 2.0f)
                                .scaled (size / iw, size / ih)
                                .translated (centre.x - size / 2.0f, centre.y - size / 2.0f));
}
