#include "TestDisplay.h"

#include <X11/Xlib.h>

#include <cstdlib>
#include <initializer_list>

namespace
{
    int ignoreXError (Display*, XErrorEvent*)
    {
        return 0;
    }
}

void TestSupport::prepareDisplay()
{
    const char* name = std::getenv ("DISPLAY");

    if (name == nullptr || *name == 0)
        return;

    // Another program's window can vanish between two requests about it; a host lets such an
    // error pass, where Xlib's default handler would end the program.
    XSetErrorHandler (ignoreXError);

    // Kept open for the whole program: a bare server forgets every name when its last client leaves.
    static Display* const display = XOpenDisplay (name);

    if (display != nullptr)
        for (const char* atom : { "WM_PROTOCOLS", "WM_TAKE_FOCUS", "WM_DELETE_WINDOW", "_NET_WM_PING", "WM_CHANGE_STATE",
                                  "WM_STATE", "_NET_WM_WINDOW_TYPE", "_NET_WM_STATE", "_NET_WM_STATE_HIDDEN" })
            XInternAtom (display, atom, False);
}
