#pragma once

#include "PMSimpleButton.h"

#include "../processor/PresetStore.h"

#include <memory>

/** The save-as overlay's one-line name field. */
class PMTextInput  : public juce::TextEditor
{
public:
    PMTextInput();
    ~PMTextInput() override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PMTextInput)
};

//==============================================================================
/** The overlay the browser shows when Save As is pressed: a dimmed plate with a small box holding
    the name field, Cancel and Save. Save turns into Overwrite when a preset file of the typed name
    already exists in the target folder, so a file is replaced only after the user was shown
    Overwrite for it.

    Save stays disabled for names of fewer than two characters and for names the preset store would
    refuse (path separators, control characters, a leading "." or "~"). Return acts as a click on an
    enabled Save, Escape as a click on Cancel.

    The overlay owns the state to be saved, captured when it was opened, until it is saved or
    cancelled (or the browser closes). A save that fails keeps the overlay open, with the name and
    the state, and a line under the buttons says why.
*/
class PMSaveAs  : public juce::Component,
                  private PMSimpleButton::Delegate,
                  private juce::TextEditor::Listener
{
public:
    class Delegate
    {
    public:
        virtual ~Delegate() = default;

        /** Whether saving this name into the folder would replace an existing file. */
        virtual bool presetNameExists (int folder, const juce::String& name) = 0;
        virtual void saveAsCancelled() = 0;

        /** Writes the preset; false when that failed, and the overlay stays open for another try.
            The block stays the overlay's.
        */
        virtual bool saveAsConfirmed (int folder, const juce::String& name, juce::MemoryBlock* data) = 0;
    };

    PMSaveAs();
    ~PMSaveAs() override;

    void setDelegate (Delegate* newDelegate) noexcept   { delegate = newDelegate; }

    /** Fills the overlay before it is shown: the state to save, the folder to save into and the
        name to start from.
    */
    void prepare (std::unique_ptr<juce::MemoryBlock> stateToSave, int targetFolder, const juce::String& startName);

    /** Once shown: gives the name field the keyboard focus with its whole text selected, so that
        typing replaces the name and Return saves.
    */
    void focusName();

    /** Frees the pending state, if any. */
    void discardPendingData() noexcept                  { data.reset(); }
    bool hasPendingData() const noexcept                { return data != nullptr; }

    int getTargetFolder() const noexcept                { return folder; }

    /** Shows Save or Overwrite, and enables Save, for the name in the field. */
    void updateButtons();

    /** Shows one short line under the buttons, saying why the last save failed; empty hides it. */
    void showFailure (const juce::String& line);
    const juce::String& getFailure() const noexcept     { return failureLine; }

    void paint (juce::Graphics&) override;
    void resized() override;

    PMTextInput nameField;
    PMSimpleButton cancelButton, saveButton, overwriteButton;

private:
    void buttonClicked (PMSimpleButton*) override;

    void textEditorTextChanged (juce::TextEditor&) override         { updateButtons(); }
    void textEditorReturnKeyPressed (juce::TextEditor&) override;
    void textEditorEscapeKeyPressed (juce::TextEditor&) override    { buttonClicked (&cancelButton); }
    void textEditorFocusLost (juce::TextEditor&) override {}

    juce::Point<float> fieldOrigin() const noexcept;

    juce::Image captionImage;
    Delegate* delegate = nullptr;
    std::unique_ptr<juce::MemoryBlock> data;
    int folder = -1;
    juce::String failureLine;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PMSaveAs)
};
