#include "PresetFileDialogs.h"

NativePresetFileDialogs::NativePresetFileDialogs (juce::Component* parentComponent)
    : parent (parentComponent)
{
}

NativePresetFileDialogs::~NativePresetFileDialogs()
{
    // Closing the alert first keeps its modal callback (which then runs with 0) from finding us half gone.
    alert.reset();
}

void NativePresetFileDialogs::chooseFile (const juce::String& title, const juce::String& pattern, int flags,
                                          std::function<void (const juce::File&)> onChosen)
{
    // Only one dialog at a time; the caller does not ask for a second one while the first is open.
    chooser = std::make_unique<juce::FileChooser> (title, juce::File(), pattern, true);
    chooser->launchAsync (flags, [callback = std::move (onChosen)] (const juce::FileChooser& fc)
    {
        callback (fc.getResult());
    });
}

void NativePresetFileDialogs::confirmReplace (const juce::String& title, const juce::File& file,
                                              std::function<void (bool)> onAnswer)
{
    alert = std::make_unique<juce::AlertWindow> (title,
                                                 "\"" + file.getFileName() + "\" already exists. Do you want to replace it?",
                                                 juce::MessageBoxIconType::QuestionIcon, parent.getComponent());
    alert->addButton ("Replace", 1, juce::KeyPress (juce::KeyPress::returnKey));
    alert->addButton ("Cancel", 0, juce::KeyPress (juce::KeyPress::escapeKey));

    if (parent != nullptr)
        alert->setCentrePosition (parent->getScreenBounds().getCentre());

    alert->enterModalState (true, juce::ModalCallbackFunction::create ([callback = std::move (onAnswer)] (int result)
    {
        callback (result == 1);
    }), false);
}
