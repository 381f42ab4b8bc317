#include "EQSlider.h"
#include "Palette.h"

EQSlider::EQSlider() = default;
EQSlider::~EQSlider() = default;

void EQSlider::mouseDrag (const juce::MouseEvent& e)
{
    handleVerticalDrag (e, dragSensitivity, fineDragSensitivity, (float) (getHeight() - 8));
}

void EQSlider::paint (juce::Graphics& g)
{
    const auto w = getWidth();
    const auto h = getHeight();

    // The groove keeps its length whatever the slider's height.
    const juce::Rectangle<int> grooveBounds ((w - 7) / 2, 0, 7, 79);
    g.setColour (Palette::groove);
    g.fillRect (grooveBounds);
    g.setColour (Palette::ink);
    g.drawRect (grooveBounds, 1);

    g.fillRect (juce::Rectangle<float> ((float) (w - 13) / 2.0f, (float) (h - 8) * (1.0f - getValue()), 13.0f, 8.0f));
}
