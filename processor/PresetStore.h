#pragma once

#include <juce_core/juce_core.h>

#include <memory>

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

/** The catalogue of preset files: the read-only factory folders, the user's folder (always last)
    and the current preset.

    Factory presets live in category directories below "Factory Presets" in the machine's folder;
    their names carry an ordering prefix up to the first "_" ("01_Clean", "03_Warm.ondpreset"),
    which the display names drop. User presets live in "User Presets" in the user's folder, named
    after the preset. Message thread only.
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
        name can never point outside the user folder.
    */
    static bool isAcceptablePresetName (const juce::String& name);

    //==============================================================================
    /** Re-reads one folder's preset files. A missing directory returns false and keeps the old entries.
        The current preset, if it is in this folder, follows its file (matched by path) to its new position.
    */
    bool scanFolder (int folder);

    /** The acceptance rule on a file's content. */
    bool isValidPresetFile (const juce::String& path) const;

    /** Makes an entry current; false, changing nothing, for indices out of range. */
    bool selectPreset (int folder, int preset);

    /** For a state that no stored preset holds (an import, a received preset): the current preset
        is marked not valid and takes the name it came with; the rest of its record stays.
    */
    void markCurrentPresetNotStored (const juce::String& displayName);

    /** The whole, unchecked file of an entry, or nullptr. */
    std::unique_ptr<juce::MemoryBlock> loadPresetData (int folder, int preset) const;

    /** Saves a state blob (written with parametersOnly set) as a preset in the user folder and makes
        the file just written the current preset.

        The old file of the same name is replaced only once the new one is complete. Returns false,
        leaving the folder and the current preset as they were, when the folder is not the writable one,
        the name is not acceptable, or the file cannot be written.
    */
    bool savePresetToFolder (const juce::MemoryBlock& stateBlob, const juce::String& name, int folder);

    /** Deletes a user preset's file, provided it lies in the user presets folder, and rescans that
        folder; a current preset that was that file is marked not valid.
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
    const juce::uint32 formatVersion = PresetFileHeader::formatVersion;
    const juce::String extension { "ondpreset" };
    const int expectedRawSize = PresetFileHeader::expectedRawSize;

    PresetEntry currentPreset;
    juce::Array<PresetFolder> folders;

    AppDataFolders appDataFolders { "Ondrella" };
    const juce::String factoryFolderName { "Factory Presets" };
    const juce::String userFolderName { "User Presets" };

    static constexpr const char* defaultPresetName = "ONDRELLA";

private:
    juce::File factoryDirectory() const;
    bool makeUserPresetsDirectory() const;

    JUCE_LEAK_DETECTOR (PresetStore)
};
