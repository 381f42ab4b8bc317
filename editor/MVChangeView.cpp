#include "MVChangeView.h"
#include "Palette.h"

MVChangeView::MVChangeView()
{
    setInterceptsMouseClicks (false, false);
    setAlpha (0.0f);
}

MVChangeView::~MVChangeView() = default;

void MVChangeView::setText (const juce::String& newText)
{
    text = newText;
}

void MVChangeView::stepFade()
{
    fadeAlpha = juce::jlimit (0.0f, 1.0f, fadeAlpha + (showing ? fadeStep : -fadeStep));
    setAlpha (fadeAlpha);

    // The framework leaves the parts of lower siblings that a visible opaque component covers
    // unpainted, however transparent it is: so it is opaque only at full alpha, and hidden once
    // faded out.
    setOpaque (fadeAlpha >= 1.0f);
    setVisible (fadeAlpha > 0.0f);
}

void MVChangeView::paint (juce::Graphics& g)
{
    g.fillAll (Palette::panel);

    g.setColour (Palette::caption);
    g.drawRect (getLocalBounds(), 1);

    g.setFont (widgetFont (10.0f));
    g.drawText (text, getLocalBounds(), juce::Justification::centred, true);
}
