#pragma once

#include <juce_core/juce_core.h>

/** The bytes of a preset file.

    A preset file is a 16-byte header followed by a state blob written with parametersOnly set:

    - bytes 0-3:   the manufacturer code 'Morv' as a little-endian word ("vroM")
    - bytes 4-7:   the product code 'Rntt' as a little-endian word ("ttnR")
    - bytes 8-11:  the format version (little-endian), written but never checked
    - bytes 12-15: the total file size, header included (little-endian)

    A bare 64-byte blob without the header is accepted too. Every reader, whether it scans a folder,
    loads, imports or receives a preset, applies the same acceptance rule through this class.
*/
struct PresetFileHeader
{
    static constexpr size_t headerSize = 16;
    static constexpr juce::uint32 formatVersion = 0x01000000;

    /** Size of a headerless preset; -1 would take a headerless blob of any size. */
    static constexpr int expectedRawSize = 64;

    /** The acceptance rule. When the content is accepted, blobOffset receives where its state blob
        starts (0 for the headerless form, 16 for the header form); the blob runs to the end.
    */
    static bool findStateBlob (const void* content, size_t size, int expectedRawSize, size_t& blobOffset) noexcept;

    /** Applies the acceptance rule to a whole file held in a block and, when it is accepted, leaves
        only the state blob in the block. A rejected block is left as it was.
    */
    static bool extractStateBlob (juce::MemoryBlock& content, int expectedRawSize = PresetFileHeader::expectedRawSize);

    /** The whole file for a state blob: the header followed by the blob. */
    static juce::MemoryBlock makePresetFile (const juce::MemoryBlock& stateBlob, juce::uint32 version = formatVersion);

    /** Writes a preset file for a state blob so that the target is either replaced whole or left as it
        was: the bytes go to a hidden temporary file of this save's own in the same folder, which is
        synced and then moved over the target, and the folder is synced after the move. Other programs
        may save into the same folder at the same time. A file written over keeps its mode and, as far
        as the system allows, its owner and group; a read-only file (no one may write it, or we may
        not) is not written over. A target that is a symbolic link stays one, and the file it leads
        to is written (a link that leads nowhere is not written). When anything fails, any old file
        is left untouched and the result says why in a few words ("file is read-only", "disk full",
        ...), for a line shown to the user.
    */
    static juce::Result writePresetFile (const juce::File& target, const juce::MemoryBlock& stateBlob);
};
