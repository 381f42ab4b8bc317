#pragma once

#include "PMSimpleButton.h"

/** The browser's question before a preset is deleted: a dimmed plate with a box holding the
    preset's name, "Delete preset?", and the confirm and cancel buttons. It reports the answer
    (1 confirm, 0 cancel) with the folder and preset it was given, then takes itself off the screen.
    It deletes nothing itself.
*/
class PMModalDialogue  : public juce::Component,
                         private PMSimpleButton::Delegate
{
public:
    class Delegate
    {
    public:
        virtual ~Delegate() = default;
        virtual void dialogueFinished (void* context, int result, int folder, int preset) = 0;
    };

    /** @param parentToLeave   the component the dialogue is shown in, and removes itself from */
    PMModalDialogue (juce::Component* parentToLeave, Delegate* delegate);
    ~PMModalDialogue() override;

    /** Fills the two lines and the preset in question, before the dialogue is shown. */
    void ask (const juce::String& presetName, const juce::String& question, int folder, int preset);

    int getFolder() const noexcept      { return folder; }
    int getPreset() const noexcept      { return preset; }

    void paint (juce::Graphics&) override;
    void resized() override;

    juce::Label nameLabel, questionLabel;
    PMSimpleButton confirmButton, cancelButton;

private:
    void buttonClicked (PMSimpleButton*) override;

    int folder = -1, preset = -1;
    void* context = nullptr;
    juce::Component* parentComponent;
    Delegate* delegate;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PMModalDialogue)
};
