#include "PresetStore.h"

#include <juce_events/juce_events.h>

#include <algorithm>
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
        readFolder (folder.index);
    }

    // The user folder is always there, even before its directory has been made by a first save.
    PresetFolder userFolder;
    userFolder.writable = true;
    userFolder.name = userFolderName;
    userFolder.directoryName = userFolderName;
    userFolder.index = folders.size();
    folders.add (userFolder);
    readFolder (userFolder.index);
    publishEntries();
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
    if (name.isEmpty() || name.startsWithChar ('.') || name.startsWithChar ('~')
         || name.getNumBytesAsUTF8() > (size_t) maximumNameBytes)
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
    jassert (isStoreThread());
    const auto scanned = readFolder (folderIndex);

    if (scanned)
        publishEntries();

    return scanned;
}

bool PresetStore::readFolder (int folderIndex)
{
    if (! juce::isPositiveAndBelow (folderIndex, folders.size()))
        return false;

    const auto directory = getFolderDirectory (folderIndex);

    if (! directory.isDirectory())
        return false;

    auto& folder = folders.getReference (folderIndex);
    folder.entries.clear();
    auto currentListed = false;

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
        {
            currentPreset = entry;
            currentListed = true;
        }
    }

    // A current preset whose file has gone is no longer stored, and no row stands for it.
    if (currentPreset.valid && currentPreset.folder == folderIndex && ! currentListed)
    {
        currentPreset.valid = false;
        currentPreset.index = -1;
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
    jassert (isStoreThread());

    if (! juce::isPositiveAndBelow (folder, folders.size())
         || ! juce::isPositiveAndBelow (preset, folders.getReference (folder).entries.size()))
        return false;

    setCurrentPreset (folders.getReference (folder).entries.getReference (preset));
    return true;
}

void PresetStore::identifyCurrentPreset (int folderNameHash, int presetNameHash)
{
    jassert (isStoreThread());

    // The current preset answers to its own identity: it stays, with its own file, even when
    // other files answer to it too.
    const auto current = identityOf (currentPreset);

    if (current.valid && current.folderNameHash == folderNameHash && current.presetNameHash == presetNameHash)
    {
        publishChoice();
        return;
    }

    const PresetEntry* first = nullptr;
    auto matches = 0;

    // A folder of that name without such a preset lets the search go on.
    for (const auto& folder : folders)
    {
        if (folder.name.hashCode() != folderNameHash)
            continue;

        for (const auto& entry : folder.entries)
        {
            if (entry.name.hashCode() == presetNameHash)
            {
                if (first == nullptr)
                    first = &entry;

                ++matches;
            }
        }
    }

    if (first == nullptr)
    {
        currentPreset.valid = false;
        publishChoice();
        return;
    }

    // Files that show one name ("Take.2" and "Take2"), or names that hash alike, all answer: the
    // first is shown, but which one the state meant is only a guess.
    setCurrentPreset (*first, matches > 1);
}

void PresetStore::markCurrentPresetNotStored (const juce::String& displayName)
{
    jassert (isStoreThread());
    currentPreset.valid = false;
    currentPreset.name = displayName;
    publishChoice();
}

void PresetStore::setCurrentPreset (const PresetEntry& entry, bool guessed)
{
    currentPreset = entry;
    currentPresetGuessed = guessed;
    publishChoice();
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

juce::Result PresetStore::savePresetToFolder (const juce::MemoryBlock& stateBlob, const juce::String& name, int folder)
{
    jassert (isStoreThread());

    if (! juce::isPositiveAndBelow (folder, folders.size()) || ! folders.getReference (folder).writable)
        return juce::Result::fail ("folder cannot be written");

    if (! isAcceptablePresetName (name))
        return juce::Result::fail ("name cannot be used");

    const auto directory = getFolderDirectory (folder);
    const auto file = presetFileForName (folder, name);

    // The name check already rules this out; the file must still never land anywhere else.
    if (file.getParentDirectory() != directory)
        return juce::Result::fail ("name cannot be used");

    return writeAndMakeCurrent (folder, file, stateBlob);
}

juce::File PresetStore::presetFileForName (int folder, const juce::String& name) const
{
    const auto directory = getFolderDirectory (folder);
    const auto file = directory.getChildFile (name + "." + extension);

    if (file.exists() || ! directory.isDirectory())
        return file;

    // The scan lists "Tape.ONDPRESET" as "Tape" too, and saving "Tape" must replace it, not add a second "Tape".
    for (const auto& child : juce::RangedDirectoryIterator (directory, false, "*", juce::File::findFiles))
    {
        const auto existing = child.getFile();

        if (existing.getFileNameWithoutExtension() == name && existing.getFileExtension().equalsIgnoreCase (file.getFileExtension()))
            return existing;
    }

    return file;
}

bool PresetStore::canSaveOver (const PresetEntry& entry) const
{
    return entry.valid && entry.writable && juce::isPositiveAndBelow (entry.folder, folders.size())
            && folders.getReference (entry.folder).writable
            && juce::File (entry.path).getParentDirectory() == getFolderDirectory (entry.folder)
            && ! (currentPresetGuessed && entry.path == currentPreset.path);
}

juce::Result PresetStore::saveCurrentPreset (const juce::MemoryBlock& stateBlob)
{
    jassert (isStoreThread());
    applyRestoredIdentity();

    if (! canSaveOver (currentPreset))
        return juce::Result::fail ("folder cannot be written");

    return writeAndMakeCurrent (currentPreset.folder, juce::File (currentPreset.path), stateBlob);
}

juce::Result PresetStore::writeAndMakeCurrent (int folder, const juce::File& file, const juce::MemoryBlock& stateBlob)
{
    // Made at the first save, and made again when it has gone since.
    if (! makeUserPresetsDirectory())
        return juce::Result::fail ("folder cannot be created");

    const auto written = PresetFileHeader::writePresetFile (file, stateBlob);

    if (written.failed())
        return written;

    scanFolder (folder);

    for (const auto& entry : folders.getReference (folder).entries)
    {
        if (entry.path == file.getFullPathName())
        {
            setCurrentPreset (entry);
            return juce::Result::ok();
        }
    }

    // Written but not listed (replaced behind our back): the current preset stays as the rescan left it.
    return juce::Result::ok();
}

bool PresetStore::deletePresetFile (int folder, int preset)
{
    jassert (isStoreThread());
    applyRestoredIdentity();

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
    // Part of the processor's construction, so it may run on any thread.
    for (const auto& folder : folders)
    {
        if (folder.name != factoryFolderName)
            continue;

        for (const auto& entry : folder.entries)
        {
            if (entry.name == defaultPresetName)
            {
                currentPreset = entry;
                publishChoice();
                return true;
            }
        }
    }

    currentPreset.valid = false;
    currentPreset.name = defaultPresetName;
    publishChoice();
    return false;
}

void PresetStore::clearFolders()
{
    folders.clear();
    publishEntries();
}

//==============================================================================
bool PresetStore::isStoreThread()
{
    // Without a message manager there is no message thread whose data this could be.
    const auto* messageManager = juce::MessageManager::getInstanceWithoutCreating();
    return messageManager == nullptr || messageManager->currentThreadHasLockedMessageManager();
}

PresetIdentity PresetStore::identityOf (const PresetEntry& entry) const
{
    // A folder index out of range (negative ones included) stands for the empty name.
    const auto folderName = juce::isPositiveAndBelow (entry.folder, folders.size()) ? folders.getReference (entry.folder).name
                                                                                    : juce::String();
    return { entry.valid, folderName.hashCode(), entry.name.hashCode() };
}

bool PresetStore::isStoredIdentity (int folderNameHash, int presetNameHash) const
{
    return std::find (storedIdentities.begin(), storedIdentities.end(), std::make_pair (folderNameHash, presetNameHash))
             != storedIdentities.end();
}

void PresetStore::publishEntries()
{
    std::vector<std::pair<int, int>> stored;

    for (const auto& folder : folders)
        for (const auto& entry : folder.entries)
            stored.emplace_back (folder.name.hashCode(), entry.name.hashCode());

    // The current record may have moved with its file, or lost its folder.
    const auto identity = identityOf (currentPreset);
    const juce::ScopedLock lock (identityLock);
    publishedIdentity = identity;
    storedIdentities.swap (stored);
}

void PresetStore::publishChoice()
{
    const auto identity = identityOf (currentPreset);
    const juce::ScopedLock lock (identityLock);
    publishedIdentity = identity;
    restoredHashes.reset();
}

PresetIdentity PresetStore::currentIdentity() const
{
    const juce::ScopedLock lock (identityLock);

    if (restoredHashes.has_value())
    {
        const auto [folderNameHash, presetNameHash] = *restoredHashes;
        return { isStoredIdentity (folderNameHash, presetNameHash), folderNameHash, presetNameHash };
    }

    // Where the store may be read, the record itself answers, exactly as it stands.
    return isStoreThread() ? identityOf (currentPreset) : publishedIdentity;
}

void PresetStore::noteRestoredIdentity (int folderNameHash, int presetNameHash)
{
    const juce::ScopedLock lock (identityLock);
    restoredHashes = std::make_pair (folderNameHash, presetNameHash);
}

void PresetStore::applyRestoredIdentity()
{
    jassert (isStoreThread());

    // Held throughout (the lock is re-entrant), so that a state read on the restoring thread never
    // finds the note gone before the store has taken it.
    const juce::ScopedLock lock (identityLock);

    if (restoredHashes.has_value())
    {
        const auto [folderNameHash, presetNameHash] = *restoredHashes;
        identifyCurrentPreset (folderNameHash, presetNameHash);
    }
}
