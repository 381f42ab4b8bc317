#pragma once

#include "PMList.h"

/** Draws a viewport's thin scroll bar: a dark track with a light thumb, both with round corners. */
class ScrollerLookAndFeel  : public juce::LookAndFeel_V4
{
public:
    void drawScrollbar (juce::Graphics&, juce::ScrollBar&, int x, int y, int width, int height,
                        bool isScrollbarVertical, int thumbStartPosition, int thumbSize,
                        bool isMouseOver, bool isMouseDown) override;
};

//==============================================================================
/** The scrolling frame of a PMList: a vertical scroll bar 4 pixels thick when the rows do not
    fit, never a horizontal one. The list is as wide as the frame less 8 pixels, and as tall as
    its rows or, when they fit, the visible height less 5 pixels, so that a short list never scrolls.
    The list belongs to its owner, not to the frame.
*/
class PMScrollableList  : public juce::Viewport
{
public:
    PMScrollableList();
    ~PMScrollableList() override;

    /** Shows a list; called once. */
    void setList (PMList* listToShow);
    PMList* getList() const noexcept    { return list; }

    /** Sizes the list by the rule above, leaving the scroll position to the caller. */
    void fitList();

    void resized() override;

private:
    ScrollerLookAndFeel scrollerLookAndFeel;
    PMList* list = nullptr;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PMScrollableList)
};
