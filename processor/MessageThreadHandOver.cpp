#include "MessageThreadHandOver.h"

MessageThreadHandOver::MessageThreadHandOver (std::function<void()> callbackToRun)
    : gate (new Gate())
{
    gate->callback = std::move (callbackToRun);
}

MessageThreadHandOver::~MessageThreadHandOver()
{
    close();
}

void MessageThreadHandOver::trigger()
{
    if (gate->pending.exchange (true))
        return;

    // Without a message manager (or while it shuts down) nothing is posted, and a later trigger tries again.
    if (! juce::MessageManager::callAsync ([g = gate] { g->deliver(); }))
        gate->pending.store (false);
}

void MessageThreadHandOver::close()
{
    // From within the callback the re-entrant lock would not wait, and the callback would run on
    // with its owner gone.
    jassert (gate->runningOn.load() != juce::Thread::getCurrentThreadId());

    const juce::ScopedLock sl (gate->lock);
    gate->open = false;
}

void MessageThreadHandOver::Gate::deliver()
{
    const juce::ScopedLock sl (lock);

    // Cleared before the call: whatever a trigger from now on asks for may come too late for this
    // call to see, so that trigger posts a call of its own.
    pending.store (false);

    if (open)
    {
        runningOn.store (juce::Thread::getCurrentThreadId());
        callback();
        runningOn.store (nullptr);
    }
}
