#pragma once

#include <juce_events/juce_events.h>

#include <atomic>
#include <memory>
#include <thread>

namespace juce
{
    // The framework's own step of its message loop: delivers one pending message or window event,
    // or returns false at once when there is none. Its public loop can only be run for a time.
    bool dispatchNextMessageOnSystemQueue (bool returnIfNoPendingMessages);
}

namespace TestSupport
{
    /** Handles the window events that wait in Xlib's own queue on the framework's display
        connection, if there are any, and says whether there were.

        A blocking call on that connection (an XSync, a reply awaited) reads every event that has
        arrived into Xlib's queue, where the framework's loop, which waits on the connection's
        socket, cannot see them: on a quiet display they would wait there until some later event
        came. A window embedded in another (a hosted plug-in's) grows only when its notices are
        handled.
    */
    bool dispatchQueuedWindowEvents();

    /** Runs the message loop until a condition holds, and says whether it did.

        Nothing here waits for a length of time: the limit is only there so that a broken test
        fails instead of hanging, and it is far beyond anything a working test needs on a loaded
        machine.
    */
    template <typename Condition>
    bool runMessagesUntil (Condition&& condition, int limitMilliseconds = 120000)
    {
        const auto giveUp = juce::Time::getMillisecondCounter() + (juce::uint32) limitMilliseconds;

        while (! condition())
        {
            if (juce::Time::getMillisecondCounter() > giveUp)
                return false;

            // With nothing to deliver, the other threads and programs the condition waits on run.
            if (! dispatchQueuedWindowEvents() && ! juce::dispatchNextMessageOnSystemQueue (true))
                std::this_thread::yield();
        }

        return true;
    }

    /** Delivers every message posted before the call (change broadcasts, async updates, component
        notices). Messages are delivered in the order they were posted, so once a marker posted now
        has arrived, so has everything before it.
    */
    inline bool deliverPendingMessages()
    {
        auto arrived = std::make_shared<std::atomic<bool>> (false);
        juce::MessageManager::callAsync ([arrived] { arrived->store (true); });
        return runMessagesUntil ([&arrived] { return arrived->load(); });
    }
}
