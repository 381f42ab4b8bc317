#pragma once

namespace TestSupport
{
    /** Makes a bare X server (Xvfb, no window manager) look like a desktop to the framework.

        A window manager names the window-protocol atoms at start-up; on a bare server they do not
        exist, and the framework then sets a property with no name on every new window, which the
        server refuses with a fatal error. Naming them first, before the framework opens its
        display, gives every window the session a real desktop would. X errors are let pass, as a
        host lets them pass: other programs' windows come and go on the same display. Does nothing
        without a display.
    */
    void prepareDisplay();
}
