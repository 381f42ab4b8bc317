#include "PresetFile.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// The four-character codes come from the plug-in target's own definitions.

namespace
{
    // The header's first two words are the plug-in's four-character codes as written by a
    // little-endian machine, so a file starts with the bytes "vroMttnR".
    constexpr juce::uint32 manufacturerWord = (juce::uint32) JucePlugin_ManufacturerCode;
    constexpr juce::uint32 productWord      = (juce::uint32) JucePlugin_PluginCode;

    /** Creates a new file for a save beside its target and opens it for writing, or returns -1.

        Created exclusively under a random name, so that no other save, in this program or another
        one saving into the same folder, is ever given the same file. Hidden and without the preset
        extension, so that a scan never lists a half-written file; and short whatever the target
        is called, so that it fits wherever the target's own name does.
    */
    int createTemporaryFile (const juce::File& folder, juce::File& temporary)
    {
        static constexpr char characters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
        juce::Random random;

        for (int attempt = 0; attempt < 100; ++attempt)
        {
            juce::String name (".ondpreset-");

            for (int i = 0; i < 8; ++i)
                name << characters[random.nextInt ((int) sizeof (characters) - 1)];

            temporary = folder.getChildFile (name + ".tmp");

            // Made like any new file, so that the user's umask decides who may read the preset.
            const auto descriptor = ::open (temporary.getFullPathName().toRawUTF8(),
                                            O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);

            if (descriptor >= 0 || errno != EEXIST)
                return descriptor;
        }

        return -1;
    }

    /** The file a save writes: the target itself, or, when the target is a symbolic link, the file
        the link leads to, so that the link stays. False for a link that leads nowhere.
    */
    bool followLinks (const juce::File& target, juce::File& written)
    {
        struct stat status {};
        written = target;

        if (::lstat (target.getFullPathName().toRawUTF8(), &status) != 0 || ! S_ISLNK (status.st_mode))
            return true;

        auto* resolved = ::realpath (target.getFullPathName().toRawUTF8(), nullptr);

        if (resolved == nullptr)
            return false;

        written = juce::File (juce::String::fromUTF8 (resolved));
        ::free (resolved);
        return true;
    }

    /** Makes a rename in a folder last through a power cut. Some file systems refuse to sync a
        folder; the file is in place all the same.
    */
    void syncFolder (const juce::File& folder)
    {
        const auto descriptor = ::open (folder.getFullPathName().toRawUTF8(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);

        if (descriptor >= 0)
        {
            [[maybe_unused]] const auto synced = ::fsync (descriptor);
            ::close (descriptor);
        }
    }

    /** Gives a file that replaces another the old file's owner, group and mode, as far as the
        system lets us: an ordinary user may give a file only a group of theirs. Nothing of it stops
        the save. Owner first, since a change of owner may clear mode bits.
    */
    void keepOwnerAndMode (int descriptor, const struct stat& old)
    {
        if (::fchown (descriptor, old.st_uid, old.st_gid) != 0)
        {
            [[maybe_unused]] const auto groupKept = ::fchown (descriptor, (uid_t) -1, old.st_gid);
        }

        [[maybe_unused]] const auto modeKept = ::fchmod (descriptor, old.st_mode & 0777);
    }

    bool writeWhole (int descriptor, const void* data, size_t size)
    {
        for (auto* next = static_cast<const char*> (data); size > 0;)
        {
            const auto written = ::write (descriptor, next, size);

            if (written < 0 && errno == EINTR)
                continue;

            if (written <= 0)
                return false;

            next += written;
            size -= (size_t) written;
        }

        return true;
    }
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

juce::Result PresetFileHeader::writePresetFile (const juce::File& requested, const juce::MemoryBlock& stateBlob)
{
    juce::File target;

    if (! followLinks (requested, target))
        return juce::Result::fail ("file cannot be written");

    const auto folder = target.getParentDirectory();
    const auto path = target.getFullPathName();

    if (! folder.isDirectory())
        return juce::Result::fail ("folder not found");

    struct stat existing {};
    const auto replacing = ::stat (path.toRawUTF8(), &existing) == 0;

    if (replacing && S_ISDIR (existing.st_mode))
        return juce::Result::fail ("a folder has that name");

    // The move below needs only the folder's permission, so a preset the user protected, or one we
    // may not write, would be replaced all the same: such a file is refused here.
    if (replacing && ((existing.st_mode & 0222) == 0 || ::faccessat (AT_FDCWD, path.toRawUTF8(), W_OK, AT_EACCESS) != 0))
        return juce::Result::fail ("file is read-only");

    const auto bytes = makePresetFile (stateBlob);
    juce::File temporary;
    const auto descriptor = createTemporaryFile (folder, temporary);

    if (descriptor >= 0)
    {
        if (replacing)
            keepOwnerAndMode (descriptor, existing);

        const auto written = writeWhole (descriptor, bytes.getData(), bytes.getSize()) && ::fsync (descriptor) == 0;

        if (::close (descriptor) == 0 && written
             && ::rename (temporary.getFullPathName().toRawUTF8(), path.toRawUTF8()) == 0)
        {
            syncFolder (folder);
            return juce::Result::ok();
        }

        // Still this save's own file: nobody else can have been given its name.
        ::unlink (temporary.getFullPathName().toRawUTF8());
    }

    // The system's own error text is not for the user, who is told in the plug-in's words.
    if (! folder.hasWriteAccess())
        return juce::Result::fail ("folder cannot be written");

    // Without room for the file and a block to spare, the volume is as good as full.
    if (folder.getBytesFreeOnVolume() < (juce::int64) bytes.getSize() + 4096)
        return juce::Result::fail ("disk full");

    return juce::Result::fail ("file cannot be written");
}
