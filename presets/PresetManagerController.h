#pragma once

#include "PresetFileDialogs.h"
#include "PresetManagerView.h"

#include <memory>

/** The receiving end of preset messages from outside the preset manager. */
class PresetChangeObserver
{
public:
    class Delegate
    {
    public:
        virtual ~Delegate() = default;

        /** "r" rescans the user folder; anything else is taken as the Base64 text of a preset file. */
        virtual void presetMessageReceived (PresetChangeObserver* observer, const char* message) = 0;
    };
};

//==============================================================================
/** The preset manager: the browser with its preset bar, and everything it does outside the
    preset store: applying presets to the plug-in, reading its state, importing and exporting
    preset files through the file dialogs, deleting presets, and taking presets sent as messages.

    The editor owns one, implements its PresetDataProvider, adds view.presetBar to itself and
    calls currentPresetChanged for every change the processor broadcasts, so the bar follows
    the current preset after every load, restore and change.

    File dialogs run asynchronously; their callbacks do nothing once the editor has gone.
*/
class PresetManagerController  : public PresetManagerView::Delegate,
                                 public PresetChangeObserver::Delegate
{
public:
    /** What the preset manager needs from the editor. */
    class PresetDataProvider
    {
    public:
        virtual ~PresetDataProvider() = default;

        /** The processor's current state blob, parameters only. */
        virtual std::unique_ptr<juce::MemoryBlock> getPresetData() = 0;

        /** Applies a state blob, parameters only. */
        virtual void setPresetData (const void* data, int size) = 0;

        virtual juce::Component* getOwnerComponent() = 0;

        /** The component the browser opens over. */
        virtual juce::Component* getParentComponent() = 0;

        /** Told after every successful load, with the hash codes of the folder's and the preset's names. */
        virtual void presetLoaded (int /*folderNameHash*/, int /*presetNameHash*/) {}

        virtual bool isProviderReady()      { return true; }
    };

    PresetManagerController (PresetDataProvider* provider, PresetStore* store, const PresetBarStyle& barStyle);
    ~PresetManagerController() override;

    /** Re-shows the current preset's folder and the current preset; call it for every change the
        processor broadcasts.
    */
    void currentPresetChanged();

    /** Applies the acceptance rule to the bytes of a preset file (at most AppDataFolders::maximumFileSize)
        and gives its state blob, or nullptr when they are rejected.
    */
    static std::unique_ptr<juce::MemoryBlock> decodePresetBlob (const PresetStore& store, const void* data, size_t size);

    //==============================================================================
    juce::Result loadPreset (int folder, int preset) override;
    std::unique_ptr<juce::MemoryBlock> getCurrentStateData() override;
    void importPreset() override;
    void exportPreset() override;
    void deletePreset (int folder, int preset) override;
    bool isFileDialogPending() override     { return fileDialogOpen; }

    void presetMessageReceived (PresetChangeObserver* observer, const char* message) override;

    /** Replaces the platform's file dialogs, for tests. */
    void setFileDialogsForTesting (std::unique_ptr<PresetFileDialogs> dialogs);

    //==============================================================================
    PresetManagerView view;

private:
    void applyImportedBlob (const juce::MemoryBlock& blob, const juce::String& displayName);
    void importChosenFile (const juce::File& file);
    void exportTo (const juce::File& chosen, const juce::MemoryBlock& stateBlob);

    /** Runs a callback of a file dialog only while the browser, and so this controller, still exists. */
    template <typename Callback>
    auto guarded (Callback&& callback);

    PresetDataProvider* dataProvider = nullptr;
    PresetStore* presetStore = nullptr;
    std::unique_ptr<PresetFileDialogs> fileDialogs;     // destroyed before the view, and any open dialog with it
    bool fileDialogOpen = false;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PresetManagerController)
};
