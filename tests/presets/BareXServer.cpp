// Opening real windows on a bare X server (Xvfb without a window manager) that other test programs
// share at the same time:
// - the server lacks the atoms a window manager makes, and the framework opens a window badly
//   without WM_PROTOCOLS, so they are made here before the framework connects; the connection stays
//   open for the whole program, since a server that loses its last client starts afresh, atoms and all;
// - another program's window can vanish between two of the framework's requests about it. A host (or
//   the framework's own applications) installs an X error handler that lets that pass; without one
//   Xlib's default handler would end the program, so one is installed here.
#include <dlfcn.h>

#include <initializer_list>

namespace
{
    int ignoreXError (void*, void*)
    {
        return 0;
    }

    struct BareXServer
    {
        BareXServer()
        {
            // Loaded as the framework loads it, so the tests need no X11 development files.
            auto* x11 = dlopen ("libX11.so.6", RTLD_LAZY | RTLD_LOCAL | RTLD_NODELETE);

            if (x11 == nullptr)
                return;

            using OpenDisplay     = void* (*) (const char*);
            using InternAtom      = unsigned long (*) (void*, const char*, int);
            using ErrorHandler    = int (*) (void*, void*);
            using SetErrorHandler = ErrorHandler (*) (ErrorHandler);

            const auto openDisplay     = reinterpret_cast<OpenDisplay>     (dlsym (x11, "XOpenDisplay"));
            const auto internAtom      = reinterpret_cast<InternAtom>      (dlsym (x11, "XInternAtom"));
            const auto setErrorHandler = reinterpret_cast<SetErrorHandler> (dlsym (x11, "XSetErrorHandler"));
            closeDisplay = reinterpret_cast<CloseDisplay> (dlsym (x11, "XCloseDisplay"));

            if (openDisplay == nullptr || internAtom == nullptr || setErrorHandler == nullptr || closeDisplay == nullptr)
                return;

            setErrorHandler (ignoreXError);
            display = openDisplay (nullptr);

            if (display != nullptr)
                for (auto* name : { "WM_PROTOCOLS", "WM_TAKE_FOCUS", "WM_DELETE_WINDOW", "WM_STATE", "WM_CHANGE_STATE" })
                    internAtom (display, name, 0);
        }

        ~BareXServer()
        {
            if (display != nullptr)
                closeDisplay (display);
        }

        using CloseDisplay = int (*) (void*);

        void* display = nullptr;
        CloseDisplay closeDisplay = nullptr;
    };

    const BareXServer bareXServer;
}
