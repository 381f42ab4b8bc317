#include "X11Desktop.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

namespace
{
    /** One connection of our own, apart from the framework's, kept for the program's life. */
    Display* display()
    {
        static Display* const connection = XOpenDisplay (nullptr);
        return connection;
    }
}

void X11Desktop::clickAt (juce::Point<int> p)
{
    auto* d = display();

    if (d == nullptr)
        return;

    XTestFakeMotionEvent (d, DefaultScreen (d), p.x, p.y, CurrentTime);
    XSync (d, False);
    XTestFakeButtonEvent (d, 1, True, 10);
    XTestFakeButtonEvent (d, 1, False, 60);
    XSync (d, False);
}

juce::Image X11Desktop::grabScreen (juce::Rectangle<int> area)
{
    auto* d = display();

    if (d == nullptr || area.isEmpty())
        return {};

    auto* xImage = XGetImage (d, DefaultRootWindow (d), area.getX(), area.getY(),
                              (unsigned int) area.getWidth(), (unsigned int) area.getHeight(), AllPlanes, ZPixmap);

    if (xImage == nullptr)
        return {};

    juce::Image image (juce::Image::RGB, area.getWidth(), area.getHeight(), false);

    for (int y = 0; y < area.getHeight(); ++y)
        for (int x = 0; x < area.getWidth(); ++x)
        {
            const auto pixel = XGetPixel (xImage, x, y);
            image.setPixelAt (x, y, juce::Colour ((juce::uint8) ((pixel >> 16) & 0xff),
                                                  (juce::uint8) ((pixel >> 8) & 0xff),
                                                  (juce::uint8) (pixel & 0xff)));
        }

    XDestroyImage (xImage);
    return image;
}

std::optional<juce::Rectangle<int>> X11Desktop::findWindow (const juce::String& title)
{
    auto* d = display();

    if (d == nullptr)
        return {};

    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned int numChildren = 0;
    std::optional<juce::Rectangle<int>> found;

    if (XQueryTree (d, DefaultRootWindow (d), &root, &parent, &children, &numChildren) == 0)
        return {};

    for (unsigned int i = 0; i < numChildren && ! found; ++i)
    {
        // The framework writes the title as UTF-8, which XFetchName does not read.
        XTextProperty name {};
        XWindowAttributes attributes {};

        if (XGetWMName (d, children[i], &name) != 0 && name.value != nullptr)
        {
            const auto windowTitle = juce::String::fromUTF8 ((const char*) name.value, (int) name.nitems);

            if (windowTitle == title
                 && XGetWindowAttributes (d, children[i], &attributes) != 0
                 && attributes.map_state == IsViewable)
                found = juce::Rectangle<int> (attributes.x, attributes.y, attributes.width, attributes.height);

            XFree (name.value);
        }
    }

    if (children != nullptr)
        XFree (children);

    return found;
}
