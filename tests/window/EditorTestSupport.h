#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "editor/OndrellaAudioProcessorEditor.h"
#include "tests/support/Artefacts.h"
#include "tests/support/EditorWindow.h"
#include "tests/support/PeerMouse.h"
#include "processor/OndrellaAudioProcessor.h"

namespace EditorTest
{
    /** What the host hears from the processor: value changes and gesture brackets, in order. */
    struct HostRecorder  : public juce::AudioProcessorListener
    {
        struct Event
        {
            juce::String what;   // "changed", "begin" or "end"
            int index = -1;
            float value = 0.0f;
        };

        void audioProcessorParameterChanged (juce::AudioProcessor*, int index, float value) override   { events.push_back ({ "changed", index, value }); }
        void audioProcessorChanged (juce::AudioProcessor*, const ChangeDetails&) override {}
        void audioProcessorParameterChangeGestureBegin (juce::AudioProcessor*, int index) override    { events.push_back ({ "begin", index }); }
        void audioProcessorParameterChangeGestureEnd (juce::AudioProcessor*, int index) override      { events.push_back ({ "end", index }); }

        int count (const juce::String& what, int index) const
        {
            return (int) std::count_if (events.begin(), events.end(), [&] (auto& e) { return e.what == what && e.index == index; });
        }

        /** True when every begin for the index is followed by its end, with no change outside. */
        bool gesturesBalanced (int index) const
        {
            int depth = 0;
            for (auto& e : events)
                if (e.index == index)
                    depth += e.what == "begin" ? 1 : (e.what == "end" ? -1 : 0);
            return depth == 0;
        }

        std::vector<Event> events;
    };

    /** A processor with its editor open in a real window on the desktop, as a host shows it;
        the mouse goes through the window's peer, so hit-testing and z-order are the real ones.
    */
    class OpenEditor
    {
    public:
        OpenEditor()
        {
            processor.addListener (&host);
            editor = TestSupport::createEditor<OndrellaAudioProcessorEditor> (processor);

            if (editor != nullptr)
                TestSupport::showInWindow (*editor);
        }

        ~OpenEditor()
        {
            close();
            processor.removeListener (&host);
        }

        /** Closes the window as a host does: the processor lets go of the editor, which is deleted. */
        void close()    { editor.reset(); }

        OndrellaAudioProcessorEditor& operator*() const    { return *editor; }
        OndrellaAudioProcessorEditor* operator->() const   { return editor.get(); }

        float hostValue (int index) const                  { return processor.getParameters()[index]->getValue(); }

        //==============================================================================
        // The mouse, in the editor's own coordinates. Each click (or double-click) and drag is
        // a gesture of its own, parted from what came before.
        void move (juce::Point<float> p, juce::ModifierKeys mods = {})         { send (p, mods); }
        void press (juce::Point<float> p, juce::ModifierKeys mods = {})        { send (p, mods.withFlags (juce::ModifierKeys::leftButtonModifier)); }
        void release (juce::Point<float> p, juce::ModifierKeys mods = {})      { send (p, mods.withoutMouseButtons()); }

        void click (juce::Point<float> p, juce::ModifierKeys mods = {}, int times = 1)
        {
            mouse.rest();

            for (int i = 0; i < times; ++i)
            {
                move (p, mods);
                press (p, mods);
                release (p, mods);
            }
        }

        /** Press at from, move there in steps of a few pixels, release at to. */
        void drag (juce::Point<float> from, juce::Point<float> to, juce::ModifierKeys mods = {})
        {
            mouse.rest();
            move (from, mods);
            press (from, mods);

            const auto steps = juce::jmax (1, juce::roundToInt (from.getDistanceFrom (to) / 4.0f));
            for (int i = 1; i <= steps; ++i)
                press (from + (to - from) * ((float) i / (float) steps), mods);

            release (to, mods);
        }

        void wheel (juce::Point<float> p, float deltaY)
        {
            move (p);
            mouse.wheel (*editor, p, deltaY);
        }

        /** The centre of a child component, in the editor's coordinates. */
        juce::Point<float> centreOf (const juce::Component& c) const
        {
            return editor->getLocalPoint (&c, c.getLocalBounds().getCentre()).toFloat();
        }

        OndrellaAudioProcessor processor;
        HostRecorder host;
        std::unique_ptr<OndrellaAudioProcessorEditor, TestSupport::CloseAsHostDoes> editor;

    private:
        void send (juce::Point<float> p, juce::ModifierKeys mods)    { mouse.send (*editor, p, mods); }

        TestSupport::PeerMouse mouse { 10 };   // close enough for two clicks to make a double-click
    };

    inline juce::ModifierKeys alt()   { return juce::ModifierKeys (juce::ModifierKeys::altModifier); }

    using TestSupport::saveArtefact;
}
