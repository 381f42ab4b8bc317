#include "MVKnob.h"
#include "Palette.h"

#include <cmath>

MVKnob::MVKnob() = default;
MVKnob::~MVKnob() = default;

void MVKnob::paint (juce::Graphics& g)
{
    if (isOpaque())
        g.fillAll (Palette::panel);

    const auto layout = layOut();
    drawCaption (g, layout);

    const auto cx = centre.x, cy = centre.y, r = layout.radius;
    const auto angle = pointerAngle (value);
    const juce::PathStrokeType hairline (1.0f, juce::PathStrokeType::mitered, juce::PathStrokeType::butt);

    juce::Path faceOutline;
    faceOutline.addCentredArc (cx, cy, r, r, 0.0f, 0.0f, juce::MathConstants<float>::twoPi, true);
    g.setColour (Palette::face);
    g.fillPath (faceOutline);
    g.setColour (Palette::ink);
    g.strokePath (faceOutline, hairline);

    juce::Path valueArc;
    valueArc.addCentredArc (cx, cy, r - 5.0f, r - 5.0f, 0.0f, -0.75f * juce::MathConstants<float>::pi, angle, true);
    g.setColour (Palette::shade);
    g.strokePath (valueArc, hairline);

    g.setColour (Palette::ink);
    g.fillEllipse (juce::Rectangle<float> (6.0f, 6.0f).withCentre ({ cx + (r - 5.0f) * std::sin (angle),
                                                                     cy - (r - 5.0f) * std::cos (angle) }));
}
