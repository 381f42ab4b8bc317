#include <juce_events/juce_events.h>
#include <juce_events/native/juce_linux_EventLoopInternal.h>

#define JUCE_GUI_BASICS_INCLUDE_XHEADERS 1
#include <juce_gui_basics/juce_gui_basics.h>

#include "MessagePump.h"

bool TestSupport::dispatchQueuedWindowEvents()
{
    auto* windowSystem = juce::XWindowSystem::getInstanceWithoutCreating();
    auto* display = windowSystem != nullptr ? windowSystem->getDisplay() : nullptr;

    if (display == nullptr || XEventsQueued (display, QueuedAlready) == 0)
        return false;

    // The framework's own handler for its connection: it reads and handles every event there is.
    juce::LinuxEventLoopInternal::invokeEventLoopCallbackForFd (ConnectionNumber (display));
    return true;
}
