#include "TapeHeadSlider.h"
#include "Palette.h"

namespace
{
    const juce::Colour rangeArcColour { 0xffa2a291 };
    const juce::Colour tapeColour     { 0xff353525 };
    const juce::Colour headGapColour  { 0xffbd6932 };
}

TapeHeadSlider::TapeHeadSlider() = default;
TapeHeadSlider::~TapeHeadSlider() = default;

void TapeHeadSlider::setup (int newParamIndex, MVUICallback* newCallback)
{
    EComponent::setup (newParamIndex, newCallback);

    if (callback != nullptr)
        setValue (callback->getDefaultValue (paramIndex), false);
}

void TapeHeadSlider::mouseDrag (const juce::MouseEvent& e)
{
    handleVerticalDrag (e, dragSensitivity, fineDragSensitivity, (float) getHeight());
}

float TapeHeadSlider::tiltAngle (float normalisedValue) noexcept
{
    return normalisedValue * juce::MathConstants<float>::halfPi - juce::MathConstants<float>::pi / 4.0f;
}

void TapeHeadSlider::paint (juce::Graphics& g)
{
    const auto w = (float) getWidth();
    const auto h = (float) getHeight();
    const auto cx = w / 2.0f, cy = h / 2.0f;
    const juce::PathStrokeType hairline (1.0f, juce::PathStrokeType::mitered, juce::PathStrokeType::butt);

    juce::Path rangeArc;
    rangeArc.addCentredArc ((w - 90.0f) / 2.0f + 45.0f, (h - 90.0f) / 2.0f + 45.0f, 45.0f, 45.0f, 0.0f,
                            -0.75f * juce::MathConstants<float>::pi, 0.75f * juce::MathConstants<float>::pi, true);
    g.setColour (rangeArcColour);
    g.strokePath (rangeArc, hairline);

    // The tape, with three teeth at each end covering its height.
    g.setColour (tapeColour);
    const auto tapeTop = (h - 15.0f) / 2.0f;
    g.fillRect (juce::Rectangle<float> (3.0f, tapeTop, w - 6.0f, 15.0f));

    for (auto toothTop : { tapeTop, tapeTop + 5.0f, tapeTop + 10.0f })
    {
        juce::Path teeth;
        teeth.addTriangle (0.0f, toothTop + 2.5f, 3.0f, toothTop, 3.0f, toothTop + 5.0f);
        teeth.addTriangle (w, toothTop + 2.5f, w - 3.0f, toothTop, w - 3.0f, toothTop + 5.0f);
        g.fillPath (teeth);
    }

    // The head: an octagon, a second one 2 pixels inside it, and the gap lines.
    const auto x0 = (w - 34.0f) / 2.0f, y0 = (h - 46.0f) / 2.0f;
    juce::Path head;
    head.startNewSubPath (x0 + 3.0f, y0);
    head.lineTo (x0 + 31.0f, y0);
    head.lineTo (x0 + 34.0f, y0 + 14.0f);
    head.lineTo (x0 + 34.0f, y0 + 32.0f);
    head.lineTo (x0 + 31.0f, y0 + 46.0f);
    head.lineTo (x0 + 3.0f, y0 + 46.0f);
    head.lineTo (x0, y0 + 32.0f);
    head.lineTo (x0, y0 + 14.0f);
    head.closeSubPath();

    auto innerOutline = head;
    innerOutline.applyTransform (juce::AffineTransform::scale (15.0f / 17.0f, 21.0f / 23.0f, cx, cy));

    juce::Path gaps;
    for (auto y : { cy - 7.0f, cy - 3.0f, cy + 1.0f, cy + 5.0f })
    {
        gaps.startNewSubPath (cx - 10.5f, y);
        gaps.lineTo (cx + 10.5f, y);
    }

    const auto tilt = juce::AffineTransform::rotation (tiltAngle (getValue()), cx, cy);
    head.applyTransform (tilt);
    innerOutline.applyTransform (tilt);
    gaps.applyTransform (tilt);

    g.setColour (Palette::face);
    g.fillPath (head);
    g.setColour (Palette::ink);
    g.strokePath (head, hairline);
    g.strokePath (innerOutline, hairline);
    g.setColour (headGapColour);
    g.strokePath (gaps, juce::PathStrokeType (2.0f, juce::PathStrokeType::mitered, juce::PathStrokeType::butt));
}
