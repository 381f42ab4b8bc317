#pragma once

#include "tests/state/StateTestSupport.h"

#include "editor/OndrellaAudioProcessorEditor.h"
#include "presets/PresetManagerController.h"
#include "tests/support/Artefacts.h"
#include "tests/support/EditorWindow.h"
#include "tests/support/MessagePump.h"
#include "tests/support/PeerMouse.h"

#include <functional>
#include <memory>
#include <vector>

namespace PresetManagerTest
{
    /** The dialogs' questions as asked, answered by the test. It outlives the editor, so a test can
        answer after the editor has gone.
    */
    struct DialogScript
    {
        struct Question
        {
            juce::String title, pattern;
            int flags = 0;
            juce::File file;
            std::function<void (const juce::File&)> onChosen;
            std::function<void (bool)> onAnswer;
        };

        void choose (const juce::File& file)    { auto q = asked.back(); q.onChosen (file); }
        void answer (bool replace)               { auto q = asked.back(); q.onAnswer (replace); }

        std::vector<Question> asked;
    };

    class ScriptedDialogs  : public PresetFileDialogs
    {
    public:
        explicit ScriptedDialogs (DialogScript& s)  : script (s) {}

        void chooseFile (const juce::String& title, const juce::String& pattern, int flags,
                         std::function<void (const juce::File&)> onChosen) override
        {
            script.asked.push_back ({ title, pattern, flags, {}, std::move (onChosen), {} });
        }

        void confirmReplace (const juce::String& title, const juce::File& file, std::function<void (bool)> onAnswer) override
        {
            script.asked.push_back ({ title, {}, 0, file, {}, std::move (onAnswer) });
        }

    private:
        DialogScript& script;
    };

    //==============================================================================
    /** A processor over a factory folder and a user folder on disk, and its own editor in a real
        window that takes clicks through its peer, so hit-testing and stacking order are the
        framework's own. Every action returns once the messages it set off have arrived.

        Folders: 0 "Factory Presets" (ONDRELLA, Warm), 1 "Vintage" (Dusty), 2 "User Presets" (Mine, Other).
        Each preset's first parameter tells it apart; the rest are 0.5.
    */
    class Fixture  : public SandboxedTest
    {
    protected:
        static constexpr int factoryFolder = 0, vintageFolder = 1, userFolder = 2;

        void SetUp() override
        {
            SandboxedTest::SetUp();
            writePreset (factoryRoot().getChildFile ("00_Factory Presets/01_ONDRELLA.ondpreset"), { 0.1f });
            writePreset (factoryRoot().getChildFile ("00_Factory Presets/02_Warm.ondpreset"), { 0.2f });
            writePreset (factoryRoot().getChildFile ("01_Vintage/01_Dusty.ondpreset"), { 0.3f });
            mine = writePreset (userPresetsFolder().getChildFile ("Mine.ondpreset"), { 0.4f });
            other = writePreset (userPresetsFolder().getChildFile ("Other.ondpreset"), { 0.5f });
        }

        void TearDown() override
        {
            editor.reset();
            processor.reset();
            SandboxedTest::TearDown();
        }

        /** A new processor, and its editor as the processor makes it, asking the scripted dialogs,
            in a window on the desktop.
        */
        void openEditor()
        {
            editor.reset();
            processor = std::make_unique<OndrellaAudioProcessor>();
            editor = TestSupport::createEditor<OndrellaAudioProcessorEditor> (*processor);
            ASSERT_NE (editor, nullptr);

            manager().setFileDialogsForTesting (std::make_unique<ScriptedDialogs> (dialogs));
            TestSupport::showInWindow (*editor);
            deliverMessages();
        }

        PresetManagerController& manager()    { return editor->presetManager; }
        PresetManagerView& view()              { return editor->presetManager.view; }
        PresetStore& store()                   { return processor->presetStore; }

        /** Delivers the messages posted so far: change broadcasts, text field notices. */
        static void deliverMessages()    { ASSERT_TRUE (TestSupport::deliverPendingMessages()); }

        /** A press and a release at a point of a component, delivered to the window, and the
            messages the click set off.
        */
        void click (juce::Component& target, juce::Point<int> local)
        {
            ASSERT_NE (editor->getPeer(), nullptr);
            const auto at = editor->getLocalPoint (&target, local).toFloat();
            mouse.send (*editor, at, juce::ModifierKeys (juce::ModifierKeys::leftButtonModifier));
            mouse.send (*editor, at, juce::ModifierKeys());
            deliverMessages();
        }

        void click (juce::Component& target)    { click (target, target.getLocalBounds().getCentre()); }

        void clickRow (PMList& list, int row)    { click (*list.getItem (row), { 30, 12 }); }

        /** Types into a component key by key. The keys go to it straight, not by way of the window's
            keyboard focus, which other programs' windows on the same display may take at any moment.
        */
        void type (juce::Component& target, const juce::String& text)
        {
            for (auto c : text)
                pressKey (target, juce::KeyPress ((int) c, {}, c));
        }

        void pressKey (juce::Component& target, const juce::KeyPress& key)
        {
            target.keyPressed (key);
            deliverMessages();
        }

        /** Keys as the window gets them from the system: to whichever component holds the keyboard focus. */
        void typeIntoWindow (const juce::String& text)
        {
            ASSERT_NE (editor->getPeer(), nullptr);

            for (auto c : text)
                editor->getPeer()->handleKeyPress (c == '\n' ? juce::KeyPress (juce::KeyPress::returnKey) : juce::KeyPress ((int) c, {}, c));

            deliverMessages();
        }

        bool browserIsOpen()    { return view().getParentComponent() == editor.get(); }

        juce::StringArray rowTexts (PMList& list)
        {
            juce::StringArray texts;

            for (int i = 0; i < list.getNumItems(); ++i)
                texts.add (list.getItem (i)->getText());

            return texts;
        }

        void expectParameters (std::vector<float> values)
        {
            values.resize ((size_t) numParameters, 0.5f);
            const auto actual = parameterValues (*processor);

            for (size_t i = 0; i < values.size(); ++i)
                EXPECT_NEAR (actual[i], values[i], 1.0e-6f) << "parameter " << i;
        }

        /** The preset file of the processor's state right now. */
        juce::MemoryBlock presetFileOfCurrentState()
        {
            juce::MemoryBlock blob;
            processor->writeState (blob, true);
            return PresetFileHeader::makePresetFile (blob);
        }

        static juce::MemoryBlock contentOf (const juce::File& file)    { juce::MemoryBlock m; file.loadFileAsData (m); return m; }

        /** Sets a parameter as a control of the editor would. */
        void turn (int parameter, float value)
        {
            processor->setParameter (parameter, value);
            processor->sendParameterChange (parameter, value);
        }

        /** Renders the window to PNGs at one and two times its size, to be looked at. */
        void saveArtefact (const juce::String& name)
        {
            for (auto scale : { 1, 2 })
                TestSupport::saveArtefact (editor->createComponentSnapshot (editor->getLocalBounds(), true, (float) scale),
                                           name + (scale == 2 ? "@2x" : "") + ".png");
        }

        std::unique_ptr<OndrellaAudioProcessor> processor;
        std::unique_ptr<OndrellaAudioProcessorEditor, TestSupport::CloseAsHostDoes> editor;
        DialogScript dialogs;
        juce::File mine, other;

    private:
        TestSupport::PeerMouse mouse { 500 };   // far enough apart that every click is a single one
    };
}
