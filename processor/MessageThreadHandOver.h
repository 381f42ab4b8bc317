#pragma once

#include <juce_events/juce_events.h>

#include <atomic>
#include <functional>

/** Runs a callback on the message thread on behalf of an object that any thread may delete.

    juce::AsyncUpdater and juce::ChangeBroadcaster only cancel a delivery that has not begun: when
    their owner is deleted on another thread while the message thread is already delivering, the
    delivery goes on using freed memory. The message posted here holds a small shared gate rather
    than the owner, and the callback runs under the gate's lock, so close() (which the owner's
    destructor calls before anything the callback uses is freed) waits for a callback that is
    running and makes sure that none starts afterwards.

    trigger() may be called on any thread but the audio thread (it may post a message). Triggers
    made before the callback has started are merged into one call.
*/
class MessageThreadHandOver
{
public:
    explicit MessageThreadHandOver (std::function<void()> callbackToRun);

    /** Closes the hand-over. */
    ~MessageThreadHandOver();

    /** Asks for the callback to run on the message thread, soon, unless a call is already waiting. */
    void trigger();

    /** From now on the callback never runs; a call already running on the message thread finishes first. */
    void close();

private:
    struct Gate  : public juce::ReferenceCountedObject
    {
        void deliver();

        juce::CriticalSection lock;
        std::function<void()> callback;
        bool open = true;                   // guarded by the lock
        std::atomic<bool> pending { false };
    };

    juce::ReferenceCountedObjectPtr<Gate> gate;

    JUCE_DECLARE_NON_COPYABLE (MessageThreadHandOver)
};
