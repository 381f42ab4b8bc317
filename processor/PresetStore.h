#pragma once

#include <juce_core/juce_core.h>

#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "AppDataFolders.h"
#include "PresetFile.h"

/** One preset file; the same record holds the current preset. */
struct PresetEntry
{
    bool valid = false;     // names a stored preset (every scanned entry does)
    juce::String name;      // display name
    int index = 0;          // position in its folder's entries
    int folder = 0;         // position of its folder in PresetStore::folders
    bool writable = false;  // true only in the user folder
    juce::String path;      // full path of the file
};

/** A folder of presets: a factory category, or the user's own folder. */
struct PresetFolder
{
    bool writable = false;
    juce::String name;            // display name
    juce::String directoryName;   // the directory's own name on disk
    int index = 0;
    juce::Array<PresetEntry> entries;
};

/** The current preset as a host state names it: the hash codes of its folder's and its own name,
    or nothing when the state holds no stored preset.
*/
struct PresetIdentity
{
    bool valid = false;
    int folderNameHash = 0;
    int presetNameHash = 0;
};

//==============================================================================
/** The catalogue of preset files: the read-only factory folders, the user's folder (always last)
    and the current preset.

    Factory presets live in category directories below "Factory Presets" in the machine's folder;
    their names carry an ordering prefix up to the first "_" ("01_Clean", "03_Warm.ondpreset"),
    which the display names drop. User presets live in "User Presets" in the user's folder, named
    after the preset.

    Threads: the folders, their entries and the current preset belong to the message thread (or a
    thread holding the message manager's lock), where the views read them; every operation that
    changes them asserts it. Construction may run on any thread, before anything else can see the
    store. A host may restore or read its state on a thread of its own: for that, and only that,
    currentIdentity and noteRestoredIdentity may be called from any thread. They work on a small
    copy, guarded by a lock, which the message thread republishes after every change: the current
    preset's identity and the identities of all stored presets. The audio thread never touches
    the store.
*/
class PresetStore
{
public:
    /** Locates the folders and scans every factory category (sorted) and then the user folder. */
    PresetStore();

    //==============================================================================
    /** The name shown for a file or directory name: the extension and every other "." are dropped,
        and unless keepPrefix everything up to the first "_" too ("Unknown name" when there is none).
    */
    static juce::String presetDisplayName (const juce::String& fileName, bool keepPrefix);

    /** Whether a name can be saved as a user preset. Names that are empty, contain a path separator or
        a control character, or begin with "." or "~" are refused, so that a file name made from a
        name can never point outside the user folder; so are names longer than maximumNameBytes.
    */
    static bool isAcceptablePresetName (const juce::String& name);

    /** The longest name, in bytes of UTF-8, whose file name (the name and ".ondpreset", 10 bytes more)
        fits the 255 bytes file systems allow for a name.
    */
    static constexpr int maximumNameBytes = 255 - 10;

    //==============================================================================
    /** Re-reads one folder's preset files. A missing directory returns false and keeps the old entries.
        The current preset, if it is in this folder, follows its file (matched by path) to its new position;
        when its file has gone it is marked not valid, with no position (index -1).
    */
    bool scanFolder (int folder);

    /** The acceptance rule on a file's content. */
    bool isValidPresetFile (const juce::String& path) const;

    /** Makes an entry current; false, changing nothing, for indices out of range. */
    bool selectPreset (int folder, int preset);

    /** Makes current the preset a restored state names by the hash codes of its folder's and its own
        name. A current preset with that identity stays as it is; otherwise the first entry, in folder
        order, that has it becomes current, and when other entries have it too, it is not saved over
        (see canSaveOver), since which of them the state meant cannot be known. Without any, the
        current preset is marked not valid (it keeps its name).
    */
    void identifyCurrentPreset (int folderNameHash, int presetNameHash);

    /** For a state that no stored preset holds (an import, a received preset): the current preset
        is marked not valid and takes the name it came with; the rest of its record stays.
    */
    void markCurrentPresetNotStored (const juce::String& displayName);

    /** The whole, unchecked file of an entry, or nullptr. */
    std::unique_ptr<juce::MemoryBlock> loadPresetData (int folder, int preset) const;

    /** Saves a state blob (written with parametersOnly set) as a preset in the user folder and makes
        the file just written the current preset.

        The old file of the same name (see presetFileForName) is replaced only once the new one is
        complete. Fails, leaving the folder and the current preset as they were, when the folder is not
        the writable one, the name is not acceptable, or the file cannot be written; the result then
        says why in a few words.
    */
    juce::Result savePresetToFolder (const juce::MemoryBlock& stateBlob, const juce::String& name, int folder);

    /** The file a preset of that name is saved as in a folder: the one already there, whatever the
        letter case of its extension, or else the name with the preset extension.
    */
    juce::File presetFileForName (int folder, const juce::String& name) const;

    /** Whether a preset can be saved over its own file: a stored preset of the writable folder, and
        not one that a restore only guessed at among several (see identifyCurrentPreset). Its file
        name need not be one a new preset could be given.
    */
    bool canSaveOver (const PresetEntry& entry) const;

    /** Saves a state blob over the current preset's own file, as savePresetToFolder does, once a
        restore still on its way has made its preset current; fails, changing nothing, when
        canSaveOver refuses the current preset.
    */
    juce::Result saveCurrentPreset (const juce::MemoryBlock& stateBlob);

    /** Deletes a user preset's file, provided it lies in the user presets folder, and rescans that
        folder; a current preset that was that file (once a restore still on its way has made its
        preset current) is marked not valid.
    */
    bool deletePresetFile (int folder, int preset);

    /** Whether stepping forward from the current preset reaches another one. */
    bool hasNextPreset() const;

    /** Makes the entry "ONDRELLA" of the first folder named "Factory Presets" that holds one current.
        Without one the current preset is left not valid, named "ONDRELLA"; returns whether it was found.
    */
    bool chooseDefaultPreset();

    /** The directory a folder's presets are read from (and, for the user folder, saved into). */
    juce::File getFolderDirectory (int folder) const;

    void clearFolders();

    //==============================================================================
    /** Any thread: the current preset's identity, which a host's state carries. After a restore
        noted on another thread it is that restore's, until the message thread has applied it or
        chosen another preset since.
    */
    PresetIdentity currentIdentity() const;

    /** Any thread: notes the preset a restore off the message thread names, for the message thread
        to make current with applyRestoredIdentity. currentIdentity answers with it at once.
    */
    void noteRestoredIdentity (int folderNameHash, int presetNameHash);

    /** Message thread: makes current the preset the last noted restore named, unless a preset
        chosen since (a load, a save, an import) has replaced the note. The hand-over of the restore
        calls it; so does everything that acts on the current preset before that has arrived.
    */
    void applyRestoredIdentity();

    /** Whether this thread may touch the folders and the current preset: the message thread, or
        one that holds the message manager's lock.
    */
    static bool isStoreThread();

    //==============================================================================
    const juce::uint32 formatVersion = PresetFileHeader::formatVersion;
    const juce::String extension { "ondpreset" };
    const int expectedRawSize = PresetFileHeader::expectedRawSize;

    // Read on the message thread; changed only through the operations above.
    PresetEntry currentPreset;
    juce::Array<PresetFolder> folders;

    AppDataFolders appDataFolders { "Ondrella" };
    const juce::String factoryFolderName { "Factory Presets" };
    const juce::String userFolderName { "User Presets" };

    static constexpr const char* defaultPresetName = "ONDRELLA";

private:
    juce::File factoryDirectory() const;
    bool makeUserPresetsDirectory() const;
    juce::Result writeAndMakeCurrent (int folder, const juce::File& file, const juce::MemoryBlock& stateBlob);

    bool readFolder (int folder);
    void setCurrentPreset (const PresetEntry& entry, bool guessed = false);
    PresetIdentity identityOf (const PresetEntry& entry) const;
    bool isStoredIdentity (int folderNameHash, int presetNameHash) const;

    /** After a folder's entries changed: republishes the stored presets' and the current preset's
        identities for other threads.
    */
    void publishEntries();

    /** After a new choice of current preset: republishes its identity and drops a noted restore,
        which the choice is newer than.
    */
    void publishChoice();

    // The current preset is the first of several entries a restore's identity matched.
    bool currentPresetGuessed = false;

    // Guarded by identityLock; written by the message thread, except the noted restore.
    mutable juce::CriticalSection identityLock;
    PresetIdentity publishedIdentity;
    std::vector<std::pair<int, int>> storedIdentities;
    std::optional<std::pair<int, int>> restoredHashes;

    JUCE_LEAK_DETECTOR (PresetStore)
};
