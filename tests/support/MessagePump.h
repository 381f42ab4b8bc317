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
            if (! juce::dispatchNextMessageOnSystemQueue (true))
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
