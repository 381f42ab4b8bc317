#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>
#include <memory>

/** The dialogs the preset manager asks the user with when it imports and exports preset files.

    Every question is asynchronous: it returns at once and calls back on the message thread when
    the user has answered, or never, when the dialogs object is destroyed first. A caller that may
    be gone by then must guard itself in its callback.
*/
class PresetFileDialogs
{
public:
    virtual ~PresetFileDialogs() = default;

    /** Asks for a file; the callback gets the file chosen, or juce::File() when the user cancelled.

        @param flags   juce::FileBrowserComponent flags, as for juce::FileChooser::launchAsync
    */
    virtual void chooseFile (const juce::String& title, const juce::String& pattern, int flags,
                             std::function<void (const juce::File&)> onChosen) = 0;

    /** Asks whether an existing file may be replaced; the callback gets the answer. */
    virtual void confirmReplace (const juce::String& title, const juce::File& file,
                                 std::function<void (bool)> onAnswer) = 0;
};

//==============================================================================
/** The platform's dialogs: juce::FileChooser (on Linux zenity or kdialog when present, the
    framework's own dialog otherwise) and an alert window with Replace and Cancel. Both are
    owned here and go away with this object, taking their pending callbacks with them.
*/
class NativePresetFileDialogs  : public PresetFileDialogs
{
public:
    /** @param parent   the component the alert window is centred over; may be nullptr */
    explicit NativePresetFileDialogs (juce::Component* parent);
    ~NativePresetFileDialogs() override;

    void chooseFile (const juce::String& title, const juce::String& pattern, int flags,
                     std::function<void (const juce::File&)> onChosen) override;

    void confirmReplace (const juce::String& title, const juce::File& file,
                         std::function<void (bool)> onAnswer) override;

private:
    juce::Component::SafePointer<juce::Component> parent;
    std::unique_ptr<juce::FileChooser> chooser;
    std::unique_ptr<juce::AlertWindow> alert;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (NativePresetFileDialogs)
};
