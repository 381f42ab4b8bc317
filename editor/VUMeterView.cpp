#include "VUMeterView.h"
#include "Artwork.h"
#include "Palette.h"

#include <cmath>

namespace
{
    const juce::Colour lampOnColour { 0xffba2e26 };
}

VUMeterView::VUMeterView()
    : meterImage (loadImage ("vu"))
{
    setOpaque (true);
    setInterceptsMouseClicks (false, false);
}

VUMeterView::~VUMeterView() = default;

void VUMeterView::setCaption (const juce::String& newCaption)
{
    caption = newCaption;
    repaint();
}

void VUMeterView::setImage (const juce::Image& newFace)
{
    meterImage = newFace;
    repaint();
}

bool VUMeterView::isLampLit() const noexcept
{
    return instantLevel >= 1.0f || smoothedLevel >= 0.87f;
}

double VUMeterView::needleAngle (float level) noexcept
{
    return juce::jmin (0.48, (double) level * 0.87 + (double) -0.48f);
}

void VUMeterView::setLevel (float decibels)
{
    if (! std::isfinite (decibels))
        return;

    decibels = juce::jlimit (lowestDecibels, highestDecibels, decibels);

    const auto target = std::abs (std::sqrt (std::exp (decibels * 0.115129255f)));
    instantLevel = target;

    if (! std::isfinite (smoothedLevel))
        smoothedLevel = target;

    const auto rate = target > smoothedLevel ? riseRate : fallRate;
    smoothedLevel = (float) ((double) smoothedLevel + (double) (target - smoothedLevel) * rate);

    const auto angle = needleAngle (smoothedLevel);
    const auto h = (float) getHeight();

    pivot = { (float) getWidth() * 0.5f, h * 1.02f };
    tip = { (float) ((double) pivot.x + (double) ((float) std::sin (angle) * h) * 1.2 * 0.85),
            (float) ((double) pivot.y + (double) ((float) std::cos (angle + juce::MathConstants<double>::pi) * h) * 0.8 * 0.85) };

    // The old needle has to be wiped as well as the new one drawn.
    const auto newBand = bandFor (pivot, tip);
    const auto dirty = needleBand.getUnion (newBand);
    needleBand = newBand;

    if (! dirty.isEmpty())
        repaint (dirty);
}

juce::Rectangle<int> VUMeterView::bandFor (juce::Point<float> from, juce::Point<float> to) const
{
    const auto w = getWidth(), h = getHeight();
    const auto top = juce::jmin (from.y, to.y);
    const auto bottom = juce::jmax (from.y, to.y);
    const auto y0 = (int) (top - 5.0f);
    const auto y1 = juce::jmin (h, y0 + (int) (bottom - top + 10.0f));
    const auto y = juce::jmax (y0, 0);

    if (w < 1 || y1 - y <= 0)
        return {};

    return { 0, y, w, y1 - y };
}

void VUMeterView::paint (juce::Graphics& g)
{
    const auto w = (float) getWidth(), h = (float) getHeight();

    // Opaque: the face may not cover every pixel, or may be missing.
    g.fillAll (Palette::panel);

    if (meterImage.isValid())
        g.drawImage (meterImage, { 0.0f, 0.0f, 138.0f, 92.0f }, juce::RectanglePlacement::stretchToFit);

    if (pivot != tip)
    {
        g.setColour (Palette::shade);
        g.drawLine ({ pivot, tip }, 1.0f);
    }

    // Hides the needle's foot at the bottom edge.
    g.setColour (Palette::panel);
    g.fillRect (juce::Rectangle<float> (pivot.x - 5.0f, h - 3.0f, 10.0f, 2.0f));

    g.setColour (isLampLit() ? lampOnColour : Palette::ink);
    g.fillEllipse (0.76f * w, 0.55f * h, 4.0f, 4.0f);

    g.setColour (Palette::caption);
    g.setFont (widgetFont (9.0f));
    g.drawText (caption, juce::Rectangle<int> (4, 4, juce::jmax (getWidth() - 8, 0), juce::jmax (getHeight() - 8, 0)),
                juce::Justification::topLeft, true);
}
