#include "PMScrollableList.h"

void ScrollerLookAndFeel::drawScrollbar (juce::Graphics& g, juce::ScrollBar&, int, int, int width, int height,
                                         bool, int thumbStartPosition, int thumbSize, bool, bool)
{
    g.setColour (juce::Colour (0xff4e4e4e));
    g.fillRoundedRectangle (0.0f, 0.0f, (float) width, (float) (height - 2), 2.0f);

    g.setColour (juce::Colour (0xffcccccc));
    g.fillRoundedRectangle (0.0f, (float) thumbStartPosition, (float) width, (float) (thumbSize - 2), 2.0f);
}

//==============================================================================
PMScrollableList::PMScrollableList() = default;

PMScrollableList::~PMScrollableList()
{
    // The scroll bar must let go of the look-and-feel before it is destroyed.
    getVerticalScrollBar().setLookAndFeel (nullptr);
}

void PMScrollableList::setList (PMList* listToShow)
{
    setScrollBarsShown (true, false, false, false);
    setScrollBarThickness (4);

    list = listToShow;
    setViewedComponent (list, false);

    auto& bar = getVerticalScrollBar();
    bar.setLookAndFeel (&scrollerLookAndFeel);
    bar.setColour (juce::ScrollBar::backgroundColourId, juce::Colour (0x00000000));
    bar.setColour (juce::ScrollBar::trackColourId, juce::Colour (0xff4e4e4e));
    bar.setColour (juce::ScrollBar::thumbColourId, juce::Colour (0xffcccccc));
}

void PMScrollableList::fitList()
{
    if (list == nullptr)
        return;

    const auto visibleHeight = list->getParentComponent() != nullptr ? list->getParentHeight() : getMaximumVisibleHeight();
    const auto height = juce::jmax ((float) (list->getNumItems() * PMList::rowHeight), (float) visibleHeight - 5.0f);
    list->setBounds (0, 0, getWidth() - 8, (int) height);
}

void PMScrollableList::resized()
{
    juce::Viewport::resized();
    fitList();
    setViewPosition (0, 0);
}
