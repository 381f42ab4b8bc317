#pragma once

#include "tests/state/StateTestSupport.h"

#include "editor/OndrellaAudioProcessorEditor.h"
#include "presets/PresetManagerController.h"
#include "tests/support/Artefacts.h"
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

    /** Stands in for the plug-in's editor: the preset manager's provider and parent, laid out as the
        editor lays out the bar and the browser.
    */
    class TestEditor  : public juce::Component,
                        public PresetManagerController::PresetDataProvider,
                        private juce::ChangeListener
    {
    public:
        TestEditor (OndrellaAudioProcessor& p, const PresetBarStyle& style)
            : processor (p), presetManager (this, &p.presetStore, style)
        {
            processor.addChangeListener (this);
            presetManager.currentPresetChanged();
            addAndMakeVisible (presetManager.view.presetBar);
            setSize (667, 300);
        }

        ~TestEditor() override    { processor.removeChangeListener (this); }

        static PresetBarStyle editorStyle()    { return OndrellaAudioProcessorEditor::makePresetBarStyle(); }

        std::unique_ptr<juce::MemoryBlock> getPresetData() override
        {
            auto block = std::make_unique<juce::MemoryBlock>();
            processor.writeState (*block, true);
            return block;
        }

        void setPresetData (const void* data, int size) override   { processor.readState (data, size, true); }
        juce::Component* getOwnerComponent() override               { return this; }
        juce::Component* getParentComponent() override              { return this; }

        void paint (juce::Graphics& g) override                     { g.fillAll (juce::Colour (0xffd9d9c4)); }

        void resized() override
        {
            // The browser in its window as the editor's full or compact layout places it, the bar on the tape's label.
            const auto full = getWidth() >= 667 && getHeight() >= 300;
            presetManager.view.setBounds (100, full ? 3 : 0, 370, full ? 270 : 200);
            presetManager.view.presetBar.setFontHeight (full ? 18.0f : 30.0f);
            presetManager.view.presetBar.setBounds (78, 49, 154, 16);
        }

        OndrellaAudioProcessor& processor;
        PresetManagerController presetManager;

    private:
        void changeListenerCallback (juce::ChangeBroadcaster*) override    { presetManager.currentPresetChanged(); }
    };

    //==============================================================================
    /** A processor over a factory folder and a user folder on disk, and its editor in a real window
        that takes clicks through its peer, so hit-testing and stacking order are the framework's own.

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

        void openEditor (const PresetBarStyle& style = TestEditor::editorStyle(), bool scriptedDialogs = true)
        {
            processor = std::make_unique<OndrellaAudioProcessor>();
            editor = std::make_unique<TestEditor> (*processor, style);

            if (scriptedDialogs)
                manager().setFileDialogsForTesting (std::make_unique<ScriptedDialogs> (dialogs));

            editor->addToDesktop (0);
            editor->setVisible (true);
            pump();
        }

        PresetManagerController& manager()    { return editor->presetManager; }
        PresetManagerView& view()              { return editor->presetManager.view; }
        PresetStore& store()                   { return processor->presetStore; }

        /** Lets asynchronous messages (change broadcasts, text field notices, timers) arrive. */
        static void pump (int milliseconds = 30)
        {
            juce::MessageManager::getInstance()->runDispatchLoopUntil (milliseconds);
        }

        /** A press and a release at a point of a component, delivered to the window, and a moment
            for what the click set off, as between a user's clicks.
        */
        void click (juce::Component& target, juce::Point<int> local)
        {
            ASSERT_NE (editor->getPeer(), nullptr);
            const auto at = editor->getLocalPoint (&target, local).toFloat();
            mouse.send (*editor, at, juce::ModifierKeys (juce::ModifierKeys::leftButtonModifier));
            mouse.send (*editor, at, juce::ModifierKeys());
            pump (10);
        }

        void click (juce::Component& target)    { click (target, target.getLocalBounds().getCentre()); }

        void clickRow (PMList& list, int row)    { click (*list.getItem (row), { 30, 12 }); }

        /** Types into a component key by key. The keys go to it straight, not by way of the window's
            keyboard focus, which other programs' windows on the same display may take at any moment.
        */
        void type (juce::Component& target, const juce::String& text)
        {
            for (auto c : text)
            {
                target.keyPressed (juce::KeyPress ((int) c, {}, c));
                pump (10);
            }
        }

        void pressKey (juce::Component& target, const juce::KeyPress& key)
        {
            target.keyPressed (key);
            pump();
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

        static juce::MemoryBlock contentOf (const juce::File& file)
        {
            juce::MemoryBlock content;
            file.loadFileAsData (content);
            return content;
        }

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
        std::unique_ptr<TestEditor> editor;
        DialogScript dialogs;
        juce::File mine, other;

    private:
        TestSupport::PeerMouse mouse { 500 };   // far enough apart that every click is a single one
    };
}
