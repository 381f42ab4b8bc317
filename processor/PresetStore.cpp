#include "PresetStore.h"

#include <cstdio>

namespace
{
    // Splits at every occurrence of a character, keeping empty pieces.
    juce::StringArray splitAt (const juce::String& text, const char* breakCharacter)
    {
        juce::StringArray tokens;
        tokens.addTokens (text, breakCharacter, "");
        return tokens;
    }
}

//==============================================================================
PresetStore::PresetStore()
{
    const auto factoryCategories = AppDataFolders::listSorted (factoryDirectory(), juce::File::findDirectories, "*");

    for (const auto& path : factoryCategories)
    {
        PresetFolder folder;
        folder.writable = false;
        folder.directoryName = juce::File (path).getFileName();
        folder.name = presetDisplayName (folder.directoryName, false);
        folder.index = folders.size();
        folders.add (folder);
        scanFolder (folder.index);
    }

    // The user folder is always there, even before its directory has been made by a first save.
    PresetFolder userFolder;
    userFolder.writable = true;
    userFolder.name = userFolderName;
    userFolder.directoryName = userFolderName;
    userFolder.index = folders.size();
    folders.add (userFolder);
    scanFolder (userFolder.index);
}

//==============================================================================
juce::String PresetStore::presetDisplayName (const juce::String& fileName, bool keepPrefix)
{
    auto name = fileName;

    if (! keepPrefix)
    {
        const auto pieces = splitAt (fileName, "_");

        if (pieces.size() < 2)
            return "Unknown name";

        name = fileName.fromFirstOccurrenceOf ("_", false, false);
    }

    auto pieces = splitAt (name, ".");

    if (pieces.size() < 2)
        return name;

    pieces.remove (pieces.size() - 1);
    return pieces.joinIntoString ({});
}

bool PresetStore::isAcceptablePresetName (const juce::String& name)
{
    if (name.isEmpty() || name.startsWithChar ('.') || name.startsWithChar ('~'))
        return false;

    for (auto p = name.getCharPointer(); ! p.isEmpty();)
    {
        const auto c = p.getAndAdvance();

        if (c == '/' || c == '\\' || c < 0x20 || c == 0x7f)
            return false;
    }

    return true;
}

//==============================================================================
juce::File PresetStore::factoryDirectory() const
{
    return appDataFolders.commonFolder.getChildFile (factoryFolderName);
}

juce::File PresetStore::getFolderDirectory (int folder) const
{
    if (! juce::isPositiveAndBelow (folder, folders.size()))
        return {};

    const auto& f = folders.getReference (folder);
    return f.writable ? appDataFolders.userFolder.getChildFile (f.directoryName)
                      : factoryDirectory().getChildFile (f.directoryName);
}

bool PresetStore::scanFolder (int folderIndex)
{
    if (! juce::isPositiveAndBelow (folderIndex, folders.size()))
        return false;

    const auto directory = getFolderDirectory (folderIndex);

    if (! directory.isDirectory())
        return false;

    auto& folder = folders.getReference (folderIndex);
    folder.entries.clear();

    for (const auto& path : AppDataFolders::listSorted (directory, juce::File::findFiles, "*." + extension))
    {
        if (! isValidPresetFile (path))
            continue;

        PresetEntry entry;
        entry.valid = true;
        entry.name = presetDisplayName (juce::File (path).getFileName(), folder.writable);
        entry.index = folder.entries.size();
        entry.folder = folderIndex;
        entry.writable = folder.writable;
        entry.path = path;
        folder.entries.add (entry);

        // The path, not the name, says which file is current: two files may show the same name.
        if (currentPreset.valid && currentPreset.folder == folderIndex && currentPreset.path == path)
            currentPreset = entry;
    }

    return true;
}

bool PresetStore::isValidPresetFile (const juce::String& path) const
{
    const auto bytes = appDataFolders.loadFile (path);
    size_t offset = 0;
    return bytes != nullptr && PresetFileHeader::findStateBlob (bytes->getData(), bytes->getSize(), expectedRawSize, offset);
}

bool PresetStore::selectPreset (int folder, int preset)
{
    if (! juce::isPositiveAndBelow (folder, folders.size())
         || ! juce::isPositiveAndBelow (preset, folders.getReference (folder).entries.size()))
        return false;

    currentPreset = folders.getReference (folder).entries.getReference (preset);
    return true;
}

void PresetStore::markCurrentPresetNotStored (const juce::String& displayName)
{
    currentPreset.valid = false;
    currentPreset.name = displayName;
}

std::unique_ptr<juce::MemoryBlock> PresetStore::loadPresetData (int folder, int preset) const
{
    if (! juce::isPositiveAndBelow (folder, folders.size())
         || ! juce::isPositiveAndBelow (preset, folders.getReference (folder).entries.size()))
        return {};

    return appDataFolders.loadFile (folders.getReference (folder).entries.getReference (preset).path);
}

//==============================================================================
bool PresetStore::makeUserPresetsDirectory() const
{
    auto directory = appDataFolders.userFolder;

    for (const auto& part : splitAt (userFolderName, "/"))
    {
        directory = directory.getChildFile (part);

        if (directory.existsAsFile())
        {
            std::fputs ("Invalid path (pathname is file)\n", stdout);
            std::fflush (stdout);
            return false;
        }

        if (! directory.isDirectory() && directory.createDirectory().failed())
            return false;
    }

    return true;
}

bool PresetStore::savePresetToFolder (const juce::MemoryBlock& stateBlob, const juce::String& name, int folder)
{
    if (! juce::isPositiveAndBelow (folder, folders.size()) || ! folders.getReference (folder).writable)
        return false;

    if (! isAcceptablePresetName (name))
        return false;

    const auto directory = getFolderDirectory (folder);
    const auto file = directory.getChildFile (name + "." + extension);

    // The name check already rules this out; the file must still never land anywhere else.
    if (file.getParentDirectory() != directory)
        return false;

    const auto written = makeUserPresetsDirectory() && PresetFileHeader::writePresetFile (file, stateBlob);
    scanFolder (folder);

    if (! written)
        return false;

    for (const auto& entry : folders.getReference (folder).entries)
    {
        if (entry.path == file.getFullPathName())
        {
            currentPreset = entry;
            return true;
        }
    }

    // Written but not listed (replaced behind our back): the current preset stays as the rescan left it.
    return true;
}

bool PresetStore::deletePresetFile (int folder, int preset)
{
    if (! juce::isPositiveAndBelow (folder, folders.size()) || ! folders.getReference (folder).writable
         || ! juce::isPositiveAndBelow (preset, folders.getReference (folder).entries.size()))
        return false;

    const auto path = folders.getReference (folder).entries.getReference (preset).path;
    const juce::File file (path);

    if (file.getParentDirectory() != getFolderDirectory (folder) || ! file.deleteFile())
        return false;

    // The values stay, but no stored file holds them any more.
    if (currentPreset.valid && currentPreset.path == path)
        currentPreset.valid = false;

    scanFolder (folder);
    return true;
}

//==============================================================================
bool PresetStore::hasNextPreset() const
{
    if (! currentPreset.valid)
        return false;

    const auto numFolders = folders.size();
    const auto f = currentPreset.folder;
    const auto p = currentPreset.index;
    const auto lastCount = numFolders > 0 ? folders.getReference (numFolders - 1).entries.size() : 0;

    if (f >= numFolders - 1 && p >= lastCount - 1)
        return false;

    if (numFolders >= 2 && f == numFolders - 2
         && p >= folders.getReference (numFolders - 2).entries.size() - 1 && lastCount == 0)
        return false;

    return true;
}

bool PresetStore::chooseDefaultPreset()
{
    for (const auto& folder : folders)
    {
        if (folder.name != factoryFolderName)
            continue;

        for (const auto& entry : folder.entries)
        {
            if (entry.name == defaultPresetName)
            {
                currentPreset = entry;
                return true;
            }
        }
    }

    currentPreset.valid = false;
    currentPreset.name = defaultPresetName;
    return false;
}

void PresetStore::clearFolders()
{
    folders.clear();
}
