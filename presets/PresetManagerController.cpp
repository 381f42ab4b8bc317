#include "PresetManagerController.h"

#include <cstring>

namespace
{
    /** Why a preset file gave no state, in the plug-in's words; the system's own error text is not for the user. */
    juce::Result unreadablePreset (const juce::File& file, bool wasRead)
    {
        if (! wasRead && ! file.exists())
            return juce::Result::fail ("file not found");

        if (! wasRead && file.existsAsFile() && file.getSize() <= AppDataFolders::maximumFileSize)
            return juce::Result::fail ("file cannot be read");

        return juce::Result::fail ("not a preset file");
    }
}

PresetManagerController::PresetManagerController (PresetDataProvider* provider, PresetStore* store, const PresetBarStyle& barStyle)
    : view (store, provider->getParentComponent(), this, barStyle)
{
    dataProvider = provider;
    presetStore = store;
    fileDialogs = std::make_unique<NativePresetFileDialogs> (provider->getParentComponent());
}

PresetManagerController::~PresetManagerController() = default;

void PresetManagerController::setFileDialogsForTesting (std::unique_ptr<PresetFileDialogs> dialogs)
{
    fileDialogs = std::move (dialogs);
    fileDialogOpen = false;
}

template <typename Callback>
auto PresetManagerController::guarded (Callback&& callback)
{
    // A host can close the editor while a dialog is open; the controller goes with the view.
    return [browser = juce::Component::SafePointer<juce::Component> (&view),
            callback = std::forward<Callback> (callback)] (auto&&... args)
    {
        if (browser != nullptr)
            callback (std::forward<decltype (args)> (args)...);
    };
}

//==============================================================================
void PresetManagerController::currentPresetChanged()
{
    view.showFolder (presetStore->currentPreset.folder);
}

std::unique_ptr<juce::MemoryBlock> PresetManagerController::decodePresetBlob (const PresetStore& store, const void* data, size_t size)
{
    if (data == nullptr || size == 0 || size > (size_t) AppDataFolders::maximumFileSize)
        return {};

    auto block = std::make_unique<juce::MemoryBlock> (data, size);

    if (! PresetFileHeader::extractStateBlob (*block, store.expectedRawSize))
        return {};

    return block;
}

//==============================================================================
juce::Result PresetManagerController::loadPreset (int folder, int preset)
{
    if (! juce::isPositiveAndBelow (folder, presetStore->folders.size())
         || ! juce::isPositiveAndBelow (preset, presetStore->folders.getReference (folder).entries.size()))
        return juce::Result::fail ("preset not found");

    const auto folderName = presetStore->folders.getReference (folder).name;
    const auto entry = presetStore->folders.getReference (folder).entries.getReference (preset);
    auto data = presetStore->loadPresetData (folder, preset);

    if (data == nullptr || ! PresetFileHeader::extractStateBlob (*data, presetStore->expectedRawSize))
        return unreadablePreset (juce::File (entry.path), data != nullptr);

    dataProvider->setPresetData (data->getData(), (int) data->getSize());
    dataProvider->presetLoaded (folderName.hashCode(), entry.name.hashCode());
    return juce::Result::ok();
}

std::unique_ptr<juce::MemoryBlock> PresetManagerController::getCurrentStateData()
{
    return dataProvider->getPresetData();
}

void PresetManagerController::applyImportedBlob (const juce::MemoryBlock& blob, const juce::String& displayName)
{
    dataProvider->setPresetData (blob.getData(), (int) blob.getSize());

    // The state no longer matches a stored file, but keeps the name it came with.
    presetStore->markCurrentPresetNotStored (displayName);
    view.refreshCurrentPreset();
}

//==============================================================================
void PresetManagerController::importPreset()
{
    if (fileDialogOpen)
        return;

    fileDialogOpen = true;
    fileDialogs->chooseFile ("Import Preset", "*." + presetStore->extension,
                             juce::FileBrowserComponent::openMode | juce::FileBrowserComponent::canSelectFiles,
                             guarded ([this] (const juce::File& chosen)
                             {
                                 fileDialogOpen = false;

                                 // Cancelled: the browser stays open.
                                 if (chosen != juce::File())
                                     importChosenFile (chosen);
                             }));
}

void PresetManagerController::importChosenFile (const juce::File& file)
{
    // Read as the store reads its own folders: a regular file within the size cap, then the
    // acceptance rule. A rejected file applies nothing, leaves the current preset as it was and
    // keeps the browser open, saying why.
    const auto source = file.isSymbolicLink() ? file.getLinkedTarget() : file;
    const auto bytes = presetStore->appDataFolders.loadFile (source.getFullPathName());
    const auto blob = bytes != nullptr ? decodePresetBlob (*presetStore, bytes->getData(), bytes->getSize()) : nullptr;

    if (blob == nullptr)
    {
        view.showFailure ("Could not import: " + unreadablePreset (source, bytes != nullptr).getErrorMessage());
        return;
    }

    applyImportedBlob (*blob, PresetStore::presetDisplayName (file.getFileName(), true));
    view.closeBrowser();
}

void PresetManagerController::exportPreset()
{
    if (fileDialogOpen)
        return;

    auto data = dataProvider->getPresetData();

    if (data == nullptr)
        return;

    fileDialogOpen = true;
    fileDialogs->chooseFile ("Export Preset", "*." + presetStore->extension,
                             juce::FileBrowserComponent::saveMode | juce::FileBrowserComponent::canSelectFiles
                                 | juce::FileBrowserComponent::warnAboutOverwriting,
                             guarded ([this, blob = *data] (const juce::File& chosen)
                             {
                                 fileDialogOpen = false;

                                 if (chosen != juce::File())
                                     exportTo (chosen, blob);
                             }));
}

void PresetManagerController::exportTo (const juce::File& chosen, const juce::MemoryBlock& blob)
{
    // The file is written whole or not at all (through a temporary file), so a failed write
    // never costs the old one; the browser says why it failed.
    const auto extension = "." + presetStore->extension;
    const auto write = [this, blob] (const juce::File& target)
    {
        const auto written = PresetFileHeader::writePresetFile (target, blob);

        if (written.failed())
            view.showFailure ("Could not export: " + written.getErrorMessage());
    };

    // The dialog itself asked before a file it was given could be replaced. The extension is the
    // preset's in any letter case, and the name keeps the case the user gave it.
    if (chosen.getFileExtension().equalsIgnoreCase (extension))
    {
        write (chosen);
        return;
    }

    // Without the extension Import would never list the file; the name with it is one the dialog
    // did not ask about. Added to the whole path: as a child name, one beginning with "~" would be
    // read as a home folder.
    const juce::File target (chosen.getFullPathName() + extension);

    if (! target.exists())
    {
        write (target);
        return;
    }

    fileDialogOpen = true;
    fileDialogs->confirmReplace ("Export Preset", target, guarded ([this, target, write] (bool replace)
    {
        fileDialogOpen = false;

        if (replace)
            write (target);
    }));
}

//==============================================================================
void PresetManagerController::deletePreset (int folder, int preset)
{
    // Factory presets are never deleted.
    if (! juce::isPositiveAndBelow (folder, presetStore->folders.size()) || ! presetStore->folders.getReference (folder).writable)
        return;

    const auto& entries = presetStore->folders.getReference (folder).entries;

    // A current preset whose file went is marked not valid by the store.
    if (! juce::isPositiveAndBelow (preset, entries.size()) || presetStore->deletePresetFile (folder, preset))
    {
        view.showFolder (folder);
        return;
    }

    // Refused: shown again all the same, so the rows always match the folder, and the line says why.
    const auto folderWritable = juce::File (entries.getReference (preset).path).getParentDirectory().hasWriteAccess();
    presetStore->scanFolder (folder);
    view.showFolder (folder);
    view.showFailure (juce::String ("Could not delete: ") + (folderWritable ? "file cannot be deleted" : "folder cannot be written"));
}

//==============================================================================
void PresetManagerController::presetMessageReceived (PresetChangeObserver*, const char* message)
{
    if (message == nullptr || *message == 0)
        return;

    if (std::strcmp (message, "r") == 0)
    {
        const auto userFolder = presetStore->folders.size() - 1;
        presetStore->scanFolder (userFolder);
        view.showFolder (userFolder);
        return;
    }

    juce::MemoryOutputStream decoded (256);

    if (! juce::Base64::convertFromBase64 (decoded, message))
        return;

    if (auto blob = decodePresetBlob (*presetStore, decoded.getData(), decoded.getDataSize()))
        applyImportedBlob (*blob, PresetStore::presetDisplayName ("** Imported **", true));
}
