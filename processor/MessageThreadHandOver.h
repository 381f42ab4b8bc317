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

    close() waits for a running callback only when it is called from another thread: the gate's lock
    is re-entrant, so from inside the callback it returns at once while the callback goes on. The
    owner must therefore never be deleted, nor close() be called, from within the callback itself.
*/
class MessageThreadHandOver
{
public:
    explicit MessageThreadHandOver (std::function<void()> callbackToRun);

    /** Closes the hand-over. */
    ~MessageThreadHandOver();

    /** Asks for the callback to run on the message thread, soon, unless a call is already waiting. */
    void trigger();

    /** From now on the callback never runs; a call already running on the message thread finishes
        first. Never call it from within the callback (see above).
    */
    void close();

private:
    struct Gate  : public juce::ReferenceCountedObject
    {
        void deliver();

        juce::CriticalSection lock;
        std::function<void()> callback;
        bool open = true;                   // guarded by the lock
        std::atomic<bool> pending { false };
        std::atomic<juce::Thread::ThreadID> runningOn { nullptr };   // the thread in the callback, if any
    };

    juce::ReferenceCountedObjectPtr<Gate> gate;

    JUCE_DECLARE_NON_COPYABLE (MessageThreadHandOver)
};
