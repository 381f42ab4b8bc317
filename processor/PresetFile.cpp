#include "PresetFile.h"

// The four-character codes come from the plug-in target's own definitions.

namespace
{
    // The header's first two words are the plug-in's four-character codes as written by a
    // little-endian machine, so a file starts with the bytes "vroMttnR".
    constexpr juce::uint32 manufacturerWord = (juce::uint32) JucePlugin_ManufacturerCode;
    constexpr juce::uint32 productWord      = (juce::uint32) JucePlugin_PluginCode;
}

bool PresetFileHeader::findStateBlob (const void* content, size_t size, int rawSize, size_t& blobOffset) noexcept
{
    if (content == nullptr || size < 4)
        return false;

    const auto* bytes = static_cast<const char*> (content);

    // The first word alone decides which form the content is judged by.
    if (juce::ByteOrder::littleEndianInt (bytes) != manufacturerWord)
    {
        if (rawSize != -1 && size != (size_t) rawSize)
            return false;

        blobOffset = 0;
        return true;
    }

    if (size < headerSize + 1
         || juce::ByteOrder::littleEndianInt (bytes + 4) != productWord
         || (size_t) juce::ByteOrder::littleEndianInt (bytes + 12) != size)
        return false;

    blobOffset = headerSize;
    return true;
}

bool PresetFileHeader::extractStateBlob (juce::MemoryBlock& content, int rawSize)
{
    size_t offset = 0;

    if (! findStateBlob (content.getData(), content.getSize(), rawSize, offset))
        return false;

    if (offset > 0)
        content.removeSection (0, offset);

    return true;
}

juce::MemoryBlock PresetFileHeader::makePresetFile (const juce::MemoryBlock& stateBlob, juce::uint32 version)
{
    juce::MemoryBlock file;
    juce::MemoryOutputStream out (file, false);
    out.writeInt ((int) manufacturerWord);
    out.writeInt ((int) productWord);
    out.writeInt ((int) version);
    out.writeInt ((int) (stateBlob.getSize() + headerSize));
    out.write (stateBlob.getData(), stateBlob.getSize());
    out.flush();
    return file;
}

juce::Result PresetFileHeader::writePresetFile (const juce::File& target, const juce::MemoryBlock& stateBlob)
{
    const auto folder = target.getParentDirectory();

    if (! folder.isDirectory())
        return juce::Result::fail ("folder not found");

    if (target.isDirectory())
        return juce::Result::fail ("a folder has that name");

    // Hidden and without the preset extension, so that a scan never lists a half-written file; and
    // short whatever the target is called, so that it fits wherever the target's own name does.
    const auto temporary = folder.getNonexistentChildFile (".ondpreset-saving", ".tmp", false);
    const auto bytes = makePresetFile (stateBlob);
    bool written = false;

    {
        juce::FileOutputStream out (temporary, 8192);

        if (out.openedOk())
        {
            out.write (bytes.getData(), bytes.getSize());
            out.flush();
            written = out.getStatus().wasOk();
        }
    }

    if (written && temporary.getSize() == (juce::int64) bytes.getSize() && temporary.replaceFileIn (target))
        return juce::Result::ok();

    temporary.deleteFile();

    // The stream's own error text is the system's; the user is told in the plug-in's words.
    if (! folder.hasWriteAccess())
        return juce::Result::fail ("folder cannot be written");

    // Without room for the file and a block to spare, the volume is as good as full.
    if (folder.getBytesFreeOnVolume() < (juce::int64) bytes.getSize() + 4096)
        return juce::Result::fail ("disk full");

    return juce::Result::fail ("file cannot be written");
}
