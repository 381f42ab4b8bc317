#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace TestSupport
{
    /** A mouse for a window on the desktop. Events go through the window's peer, so hit-testing
        and stacking order are the framework's own. Positions are in the window's coordinates.

        Events are stamped by the mouse's own clock, a fixed step apart, never by how fast the
        machine runs: a short step lets two clicks make a double-click, a long one keeps them apart.
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

        void rest()   { time += 2 * juce::MouseEvent::getDoubleClickTimeout(); }   // the next press starts a click of its own

    private:
        juce::int64 nextTime()   { return time += step; }

        juce::int64 step;
        juce::int64 time = juce::Time::currentTimeMillis();
    };
}
