#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace TestSupport
{
    /** A mouse for a window on the desktop. Events go through the window's peer, so hit-testing
        and stacking order are the framework's own. Positions are in the window's coordinates.

        Events are stamped by a clock of the mouse's own, a fixed step apart, so that what the
        framework makes of their times (double-clicks, long presses) does not depend on how fast
        the machine runs: a short step lets two clicks make a double-click, a long one keeps every
        click a single one, and rest() parts two gestures whatever the step.
    */
    class PeerMouse
    {
    public:
        explicit PeerMouse (int millisecondsBetweenEvents)  : step (millisecondsBetweenEvents) {}

        void send (juce::Component& window, juce::Point<float> position, juce::ModifierKeys mods)
        {
            juce::ModifierKeys::currentModifiers = mods;

            if (auto* peer = window.getPeer())
                peer->handleMouseEvent (juce::MouseInputSource::InputSourceType::mouse, position, mods,
                                        juce::MouseInputSource::defaultPressure,
                                        juce::MouseInputSource::defaultOrientation, nextTime());
        }

        void wheel (juce::Component& window, juce::Point<float> position, float deltaY)
        {
            juce::MouseWheelDetails details { 0.0f, deltaY, false, false, false };

            if (auto* peer = window.getPeer())
                peer->handleMouseWheel (juce::MouseInputSource::InputSourceType::mouse, position, nextTime(), details);
        }

        /** Lets the mouse lie still past the double-click time: the next press is a click of its own. */
        void rest()   { time += 2 * juce::MouseEvent::getDoubleClickTimeout(); }

    private:
        juce::int64 nextTime()   { return time += step; }

        juce::int64 step;
        juce::int64 time = juce::Time::currentTimeMillis();
    };
}
