#pragma once

#include <juce_graphics/juce_graphics.h>

#include <optional>

/** The X server as a user meets it: real pointer clicks through the XTEST extension, what is on
    the screen, and the top-level windows by title. For plug-in windows that live in another
    copy of the framework (a loaded bundle, another process), where only the display reaches them.
*/
namespace X11Desktop
{
    /** Moves the pointer to a screen position and clicks the left button there. */
    void clickAt (juce::Point<int> screenPosition);

    /** The pixels of a screen area as they are shown right now. */
    juce::Image grabScreen (juce::Rectangle<int> screenArea);

    /** The screen bounds of the first mapped top-level window with this title, if there is one. */
    std::optional<juce::Rectangle<int>> findWindow (const juce::String& title);
}
