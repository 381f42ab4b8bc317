// A bare X server (Xvfb without a window manager) lacks the atoms a window manager makes, and the
// framework opens a window badly without WM_PROTOCOLS. They are made here, before the framework
// connects to the server, as any window manager would have made them. The connection stays open
// for the whole program: a server that loses its last client starts afresh, atoms and all.
#include <dlfcn.h>

#include <initializer_list>

namespace
{
    struct WindowManagerAtoms
    {
        WindowManagerAtoms()
        {
            // Loaded as the framework loads it, so the tests need no X11 development files.
            auto* x11 = dlopen ("libX11.so.6", RTLD_LAZY | RTLD_LOCAL | RTLD_NODELETE);

            if (x11 == nullptr)
                return;

            using OpenDisplay  = void* (*) (const char*);
            using InternAtom   = unsigned long (*) (void*, const char*, int);
            using CloseDisplay = int (*) (void*);

            const auto openDisplay  = reinterpret_cast<OpenDisplay>  (dlsym (x11, "XOpenDisplay"));
            const auto internAtom   = reinterpret_cast<InternAtom>   (dlsym (x11, "XInternAtom"));
            closeDisplay = reinterpret_cast<CloseDisplay> (dlsym (x11, "XCloseDisplay"));

            if (openDisplay == nullptr || internAtom == nullptr || closeDisplay == nullptr)
                return;

            display = openDisplay (nullptr);

            if (display != nullptr)
                for (auto* name : { "WM_PROTOCOLS", "WM_TAKE_FOCUS", "WM_DELETE_WINDOW", "WM_STATE", "WM_CHANGE_STATE" })
                    internAtom (display, name, 0);
        }

        ~WindowManagerAtoms()
        {
            if (display != nullptr)
                closeDisplay (display);
        }

        void* display = nullptr;
        int (*closeDisplay) (void*) = nullptr;
    };

    const WindowManagerAtoms windowManagerAtoms;
}
