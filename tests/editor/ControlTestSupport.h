#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <vector>

#include "editor/EComponent.h"
#include "editor/MVUICallback.h"

namespace ControlTest
{
    /** One call a control made on its callback. */
    struct Call
    {
        juce::String what;
        int paramIndex = -1;
        float value = 0.0f;
        float x = 0.0f, y = 0.0f;
    };

    /** A callback that writes down everything a control tells it and answers its questions
        from a table that tests fill in.
    */
    class RecordingCallback  : public MVUICallback
    {
    public:
        void parameterChanged (EComponent*, int index, float v) override   { calls.push_back ({ "changed", index, v }); }
        void mouseEnteredControl (EComponent*, int index) override          { calls.push_back ({ "entered", index }); }
        void mouseExitedControl (EComponent*, int index) override           { calls.push_back ({ "exited", index }); }
        void controlReleased (EComponent*, int index) override              { calls.push_back ({ "released", index }); }
        void beginParameterGesture (EComponent*, int index) override        { calls.push_back ({ "begin", index }); }
        void endParameterGesture (EComponent*, int index) override          { calls.push_back ({ "end", index }); }

        void controlPressed (EComponent*, int index, float px, float py) override
        {
            calls.push_back ({ "pressed", index, 0.0f, px, py });
        }

        juce::String getParameterName (int index) override   { ++nameRequests; return "PARAM " + juce::String (index); }
        float getDefaultValue (int) override                  { return defaultValue; }
        float getParameterValue (int) override                { ++hostValueReads; return hostValue; }

        /** The kinds of call, in order, e.g. { "begin", "pressed" }. */
        std::vector<juce::String> kinds() const
        {
            std::vector<juce::String> result;
            for (auto& c : calls)
                result.push_back (c.what);
            return result;
        }

        std::vector<float> changedValues() const
        {
            std::vector<float> result;
            for (auto& c : calls)
                if (c.what == "changed")
                    result.push_back (c.value);
            return result;
        }

        std::vector<Call> calls;
        float defaultValue = 0.5f;
        float hostValue = 0.0f;
        int hostValueReads = 0;
        int nameRequests = 0;
    };

    /** A mouse event on a component, as the framework would deliver it. */
    inline juce::MouseEvent mouseEvent (juce::Component& c, juce::Point<float> position,
                                        juce::ModifierKeys mods = juce::ModifierKeys (juce::ModifierKeys::leftButtonModifier),
                                        juce::Point<float> downPosition = { -1.0f, -1.0f }, int clicks = 1)
    {
        const auto now = juce::Time::getCurrentTime();

        return juce::MouseEvent (juce::Desktop::getInstance().getMainMouseSource(), position, mods,
                                 juce::MouseInputSource::defaultPressure, juce::MouseInputSource::defaultOrientation,
                                 juce::MouseInputSource::defaultRotation, juce::MouseInputSource::defaultTiltX,
                                 juce::MouseInputSource::defaultTiltY, &c, &c, now,
                                 downPosition.x < 0.0f ? position : downPosition, now, clicks, false);
    }

    inline juce::ModifierKeys altDrag()
    {
        return juce::ModifierKeys (juce::ModifierKeys::leftButtonModifier | juce::ModifierKeys::altModifier);
    }

    /** Press at one point, drag to another, release there. */
    inline void dragVertically (juce::Component& c, float x, float fromY, float toY,
                                juce::ModifierKeys mods = juce::ModifierKeys (juce::ModifierKeys::leftButtonModifier))
    {
        const juce::Point<float> from (x, fromY), to (x, toY);
        c.mouseDown (mouseEvent (c, from, mods));
        c.mouseDrag (mouseEvent (c, to, mods, from));
        c.mouseUp (mouseEvent (c, to, mods, from));
    }

    /** Presses the control and gives the position it reported with its press. */
    inline juce::Point<float> reportedPress (juce::Component& c, RecordingCallback& callback, juce::Point<float> at)
    {
        callback.calls.clear();
        c.mouseDown (mouseEvent (c, at));

        for (auto& call : callback.calls)
            if (call.what == "pressed")
                return { call.x, call.y };

        ADD_FAILURE() << "no press was reported";
        return {};
    }

    inline void wheel (juce::Component& c, float deltaY, juce::ModifierKeys mods = {})
    {
        juce::MouseWheelDetails details;
        details.deltaX = 0.0f;
        details.deltaY = deltaY;
        details.isReversed = false;
        details.isSmooth = false;
        details.isInertial = false;
        c.mouseWheelMove (mouseEvent (c, { 1.0f, 1.0f }, mods), details);
    }

    /** Writes down every repaint a component asks for; the component owns it.
        A component asks for repaints only while it is visible.
    */
    class RepaintRecorder  : public juce::CachedComponentImage
    {
    public:
        static RepaintRecorder& attachTo (juce::Component& c)
        {
            auto* recorder = new RepaintRecorder (c);
            c.setVisible (true);
            c.setCachedComponentImage (recorder);
            recorder->clear();
            return *recorder;
        }

        void paint (juce::Graphics&) override {}
        bool invalidateAll() override                               { areas.push_back (component.getLocalBounds()); return false; }
        bool invalidate (const juce::Rectangle<int>& area) override { areas.push_back (area); return false; }
        void releaseResources() override {}

        void clear()   { areas.clear(); }

        /** Everything asked for, as one area. */
        juce::RectangleList<int> dirtyRegion() const
        {
            juce::RectangleList<int> region;
            for (auto& a : areas)
                region.add (a);
            return region;
        }

        std::vector<juce::Rectangle<int>> areas;

    private:
        explicit RepaintRecorder (juce::Component& c)  : component (c) {}
        juce::Component& component;
    };

    /** The component drawn on its own into an image at its own size. */
    inline juce::Image snapshot (juce::Component& c)
    {
        juce::Image image (juce::Image::ARGB, juce::jmax (1, c.getWidth()), juce::jmax (1, c.getHeight()), true);
        juce::Graphics g (image);
        c.paintEntireComponent (g, true);
        return image;
    }

    /** A picture in one colour, to stand in for embedded artwork. */
    inline juce::Image plainImage (int w, int h, juce::Colour colour)
    {
        juce::Image image (juce::Image::ARGB, w, h, true);
        juce::Graphics g (image);
        g.fillAll (colour);
        return image;
    }

    /** True when every channel is within tolerance, for blended pixels. */
    inline ::testing::AssertionResult isNearColour (const juce::Image& image, int x, int y, juce::Colour expected, int tolerance = 2)
    {
        const auto actual = image.getPixelAt (x, y);
        const auto near = [tolerance] (juce::uint8 a, juce::uint8 b) { return std::abs ((int) a - (int) b) <= tolerance; };

        if (near (actual.getAlpha(), expected.getAlpha()) && near (actual.getRed(), expected.getRed())
             && near (actual.getGreen(), expected.getGreen()) && near (actual.getBlue(), expected.getBlue()))
            return ::testing::AssertionSuccess();

        return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is 0x"
                                             << actual.toString() << ", expected about 0x" << expected.toString();
    }

    /** Every pixel that differs between two renderings lies inside the region. */
    inline ::testing::AssertionResult changesLieWithin (const juce::Image& before, const juce::Image& after,
                                                        const juce::RectangleList<int>& region)
    {
        int changed = 0;

        for (int y = 0; y < before.getHeight(); ++y)
            for (int x = 0; x < before.getWidth(); ++x)
                if (before.getPixelAt (x, y) != after.getPixelAt (x, y))
                {
                    ++changed;

                    if (! region.containsPoint ({ x, y }))
                        return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") changed outside the repainted area";
                }

        return ::testing::AssertionSuccess() << changed << " pixels changed";
    }

    inline ::testing::AssertionResult hasColour (const juce::Image& image, int x, int y, juce::Colour expected)
    {
        const auto actual = image.getPixelAt (x, y);

        if (actual.getARGB() == expected.getARGB())
            return ::testing::AssertionSuccess();

        return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is 0x"
                                             << actual.toString() << ", expected 0x" << expected.toString();
    }
}
