// The preset file: the bytes written, the one acceptance rule, and writing that never loses the old file.
#include "StateTestSupport.h"

#include <csignal>
#include <dlfcn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace
{
    juce::StringArray synced;   // every path this program syncs (see fsync below)

    juce::uint32 modeOf (const juce::File& file)
    {
        struct stat status {};
        return ::stat (file.getFullPathName().toRawUTF8(), &status) == 0 ? status.st_mode & 07777 : 0u;
    }

    juce::MemoryBlock headerForm (juce::uint32 sizeField, size_t payload, const char* product = "ttnR")
    {
        juce::MemoryBlock block;
        block.append ("vroM", 4);
        block.append (product, 4);
        block.append ("\x12\x34\x56\x78", 4);   // the version word is never checked
        const auto le = juce::ByteOrder::swapIfBigEndian (sizeField);
        block.append (&le, 4);
        juce::MemoryBlock zeros (payload, true);
        block.append (zeros.getData(), zeros.getSize());
        return block;
    }

    bool accepts (const juce::MemoryBlock& content, int rawSize = PresetFileHeader::expectedRawSize)
    {
        size_t offset = 0;
        return PresetFileHeader::findStateBlob (content.getData(), content.getSize(), rawSize, offset);
    }
}

// Notes what is synced, so that a test sees a save sync its folder, and syncs it.
extern "C" int fsync (int descriptor)
{
    char path[4096];

    if (const auto length = ::readlink (("/proc/self/fd/" + std::to_string (descriptor)).c_str(), path, sizeof (path)); length > 0)
        synced.add (juce::String::fromUTF8 (path, (int) length));

    static const auto systemFsync = reinterpret_cast<int (*) (int)> (::dlsym (RTLD_NEXT, "fsync"));
    return systemFsync (descriptor);
}

class PresetFile  : public SandboxedTest {};

//==============================================================================
TEST_F (PresetFile, WrittenFileIsHeaderAndBlob)
{
    const auto blob = makeBlob ({ 0.25f });
    const auto file = PresetFileHeader::makePresetFile (blob);

    ASSERT_EQ (file.getSize(), 80u);
    const auto* bytes = static_cast<const char*> (file.getData());
    EXPECT_EQ (juce::String (bytes, 8), "vroMttnR");
    EXPECT_EQ (juce::MemoryBlock (bytes + 8, 8), juce::MemoryBlock ("\x00\x00\x00\x01\x50\x00\x00\x00", 8));
    EXPECT_EQ (juce::MemoryBlock (bytes + 16, 64), blob);

    auto copy = file;
    ASSERT_TRUE (PresetFileHeader::extractStateBlob (copy));
    EXPECT_EQ (copy, blob);
}

TEST_F (PresetFile, HeaderFormNeedsProductCodeExactSizeAndAPayload)
{
    EXPECT_TRUE (accepts (headerForm (80, 64)));
    EXPECT_FALSE (accepts (headerForm (81, 64)));
    EXPECT_FALSE (accepts (headerForm (80, 64, "ttnX")));
    EXPECT_TRUE (accepts (headerForm (17, 1)));
    EXPECT_FALSE (accepts (headerForm (16, 0)));

    // A longer payload is passed on as it is; readState copes with it.
    EXPECT_TRUE (accepts (headerForm (96, 80)));

    // Starting with "vroM" means the header rule, even at the headerless size.
    EXPECT_FALSE (accepts (headerForm (80, 48)));
    EXPECT_TRUE (accepts (headerForm (64, 48)));
}

TEST_F (PresetFile, HeaderlessFormMustBeExactlySixtyFourBytes)
{
    EXPECT_TRUE (accepts (makeBlob ({})));
    EXPECT_FALSE (accepts (juce::MemoryBlock (63, true)));
    EXPECT_FALSE (accepts (juce::MemoryBlock (65, true)));
    EXPECT_FALSE (accepts (juce::MemoryBlock ("abc", 3)));
    EXPECT_FALSE (accepts (juce::MemoryBlock()));

    // -1 takes a headerless blob of any size.
    EXPECT_TRUE (accepts (juce::MemoryBlock (65, true), -1));
    EXPECT_FALSE (accepts (juce::MemoryBlock ("abc", 3), -1));

    auto headerless = makeBlob ({ 0.4f });
    const auto copy = headerless;
    ASSERT_TRUE (PresetFileHeader::extractStateBlob (headerless));
    EXPECT_EQ (headerless, copy);

    auto rejected = headerForm (81, 64);
    const auto before = rejected;
    EXPECT_FALSE (PresetFileHeader::extractStateBlob (rejected));
    EXPECT_EQ (rejected, before);
}

//==============================================================================
TEST_F (PresetFile, WritingReplacesTheOldFileWhole)
{
    const auto target = sandbox.getChildFile ("Tape.ondpreset");
    ASSERT_TRUE (PresetFileHeader::writePresetFile (target, makeBlob ({ 0.1f })));
    ASSERT_TRUE (PresetFileHeader::writePresetFile (target, makeBlob ({ 0.9f })));

    juce::MemoryBlock content;
    ASSERT_TRUE (target.loadFileAsData (content));
    EXPECT_EQ (content, PresetFileHeader::makePresetFile (makeBlob ({ 0.9f })));

    // The temporary file's name does not grow with the target's: a name as long as the file system allows is written.
    const auto longest = sandbox.getChildFile (juce::String::repeatedString ("x", 245) + ".ondpreset");
    EXPECT_TRUE (PresetFileHeader::writePresetFile (longest, makeBlob ({})));
    EXPECT_TRUE (longest.existsAsFile());

    // Nothing but the targets is left behind.
    EXPECT_EQ (sandbox.findChildFiles (juce::File::findFiles, false, "*").size(), 2);

    // A file written over keeps its permissions (a mode no usual umask gives). Over a link, the file it
    // leads to is written and the link stays. Each folder written is synced after the move.
    ASSERT_EQ (::chmod (target.getFullPathName().toRawUTF8(), 0604), 0);
    const auto shared = writePreset (sandbox.getChildFile ("library/Shared.ondpreset"), { 0.1f });
    const auto link = sandbox.getChildFile ("Linked.ondpreset");
    ASSERT_TRUE (shared.createSymbolicLink (link, false));
    synced.clear();
    ASSERT_TRUE (PresetFileHeader::writePresetFile (target, makeBlob ({ 0.8f })));
    ASSERT_TRUE (PresetFileHeader::writePresetFile (link, makeBlob ({ 0.9f })));
    EXPECT_EQ (modeOf (target), 0604u);
    EXPECT_TRUE (link.isSymbolicLink());
    EXPECT_EQ (contentOf (shared), PresetFileHeader::makePresetFile (makeBlob ({ 0.9f })));
    EXPECT_TRUE (synced.contains (sandbox.getFullPathName()) && synced.contains (shared.getParentDirectory().getFullPathName()));

    // It keeps its owner and group too, where we may give them: root may give any.
    if (::geteuid() == 0)
    {
        ASSERT_EQ (::chown (target.getFullPathName().toRawUTF8(), 65534, 65534), 0);
        ASSERT_TRUE (PresetFileHeader::writePresetFile (target, makeBlob ({ 0.7f })));
        struct stat status {};
        ASSERT_EQ (::stat (target.getFullPathName().toRawUTF8(), &status), 0);
        EXPECT_TRUE (status.st_uid == 65534 && status.st_gid == 65534) << status.st_uid << ":" << status.st_gid;
        EXPECT_EQ (modeOf (target), 0604u);
    }
}

TEST_F (PresetFile, TwoProgramsSavingIntoOneFolderAtOnceEachSaveWhatTheyWrote)
{
    // Two programs save their own eight targets over and over into one folder, each save with
    // values of its own, and read back every target at once: a save said to be done holds its bytes.
    const auto folder = sandbox.getChildFile ("shared");
    ASSERT_TRUE (folder.createDirectory().wasOk());
    int start[2];
    ASSERT_EQ (::pipe (start), 0);
    pid_t programs[2] {};

    for (int program = 0; program < 2; ++program)
    {
        programs[program] = ::fork();
        ASSERT_GE (programs[program], 0);

        if (programs[program] == 0)
        {
            // Both start when the test closes the pipe.
            char nothing;
            ::close (start[1]);
            [[maybe_unused]] const auto unblocked = ::read (start[0], &nothing, 1);
            int faults = 0;

            for (int round = 0; round < 400; ++round)
            {
                const auto blob = makeBlob ({ (float) program, (float) round / 400.0f });
                const auto target = folder.getChildFile (juce::String (program) + "-" + juce::String (round % 8) + ".ondpreset");
                juce::MemoryBlock content;

                if (! PresetFileHeader::writePresetFile (target, blob) || ! target.loadFileAsData (content)
                     || content != PresetFileHeader::makePresetFile (blob))
                    ++faults;
            }

            ::_exit (juce::jmin (faults, 100));
        }
    }

    ::close (start[0]);
    ::close (start[1]);

    for (const auto program : programs)
    {
        int status = -1;
        ASSERT_EQ (::waitpid (program, &status, 0), program);
        EXPECT_TRUE (WIFEXITED (status) && WEXITSTATUS (status) == 0) << "faults: " << WEXITSTATUS (status);
    }

    EXPECT_EQ (folder.findChildFiles (juce::File::findFiles, false, "*").size(), 16);
}

TEST_F (PresetFile, FailedWriteLeavesTheOldFileAndSaysWhy)
{
    const auto target = writePreset (sandbox.getChildFile ("Tape.ondpreset"), { 0.1f });
    const auto old = PresetFileHeader::makePresetFile (makeBlob ({ 0.1f }));

    // No file of this process may grow past 40 bytes, whoever runs the test: the write stops halfway.
    rlimit previous {};
    ASSERT_EQ (::getrlimit (RLIMIT_FSIZE, &previous), 0);
    auto limited = previous;
    limited.rlim_cur = 40;
    const auto previousHandler = std::signal (SIGXFSZ, SIG_IGN);
    const auto link = sandbox.getChildFile ("links/Linked.ondpreset");
    ASSERT_TRUE (link.getParentDirectory().createDirectory().wasOk() && target.createSymbolicLink (link, false));
    const auto limitSet = ::setrlimit (RLIMIT_FSIZE, &limited) == 0;
    const auto result = PresetFileHeader::writePresetFile (target, makeBlob ({ 0.9f }));
    const auto linkedResult = PresetFileHeader::writePresetFile (link, makeBlob ({ 0.9f }));
    ::setrlimit (RLIMIT_FSIZE, &previous);
    std::signal (SIGXFSZ, previousHandler);

    ASSERT_TRUE (limitSet);
    EXPECT_EQ (result.getErrorMessage(), "file cannot be written");
    EXPECT_EQ (linkedResult.getErrorMessage(), "file cannot be written");
    EXPECT_EQ (contentOf (target), old);
    EXPECT_TRUE (link.isSymbolicLink());

    // A link that leads nowhere is not followed by a new file, nor replaced.
    const auto dangling = sandbox.getChildFile ("links/Dangling.ondpreset");
    ASSERT_TRUE (sandbox.getChildFile ("gone.ondpreset").createSymbolicLink (dangling, false));
    EXPECT_EQ (PresetFileHeader::writePresetFile (dangling, makeBlob ({})).getErrorMessage(), "file cannot be written");
    EXPECT_TRUE (dangling.isSymbolicLink());

    // A link into a folder that cannot be written (root writes into any, so only other users check this).
    ASSERT_TRUE (sandbox.setReadOnly (true));
    if (! sandbox.hasWriteAccess())
    {
        EXPECT_EQ (PresetFileHeader::writePresetFile (link, makeBlob ({ 0.9f })).getErrorMessage(), "folder cannot be written");
    }
    ASSERT_TRUE (sandbox.setReadOnly (false));
    EXPECT_EQ (contentOf (target), old);

    // A file that no one may write, directly or through a link, is not replaced, even by root.
    ASSERT_EQ (::chmod (target.getFullPathName().toRawUTF8(), 0444), 0);
    EXPECT_EQ (PresetFileHeader::writePresetFile (target, makeBlob ({ 0.9f })).getErrorMessage(), "file is read-only");
    EXPECT_EQ (PresetFileHeader::writePresetFile (link, makeBlob ({ 0.9f })).getErrorMessage(), "file is read-only");
    EXPECT_EQ (contentOf (target), old);
    ASSERT_EQ (::chmod (target.getFullPathName().toRawUTF8(), 0644), 0);

    // Nor is another user's file that we may not write, though its folder lets anyone replace it.
    if (::geteuid() == 0)
    {
        const auto open = sandbox.getChildFile ("open");
        ASSERT_TRUE (open.createDirectory().wasOk() && ::chmod (open.getFullPathName().toRawUTF8(), 0777) == 0);
        const auto rootsFile = writePreset (open.getChildFile ("Root.ondpreset"), { 0.1f });
        const auto program = ::fork();
        ASSERT_GE (program, 0);

        if (program == 0)
            ::_exit (::setuid (65534) == 0
                       && PresetFileHeader::writePresetFile (rootsFile, makeBlob ({ 0.9f })).getErrorMessage() == "file is read-only" ? 0 : 1);

        int status = -1;
        ASSERT_EQ (::waitpid (program, &status, 0), program);
        EXPECT_TRUE (WIFEXITED (status) && WEXITSTATUS (status) == 0);
        EXPECT_EQ (contentOf (rootsFile), old);
        EXPECT_EQ (open.findChildFiles (juce::File::findFiles, false, "*").size(), 1);
    }

    // A directory in the way, or a plain file where the folder should be.
    const auto directory = sandbox.getChildFile ("Folder.ondpreset");
    ASSERT_TRUE (directory.getChildFile ("keep").create().wasOk());
    EXPECT_EQ (PresetFileHeader::writePresetFile (directory, makeBlob ({})).getErrorMessage(), "a folder has that name");
    EXPECT_TRUE (directory.getChildFile ("keep").existsAsFile());
    EXPECT_EQ (PresetFileHeader::writePresetFile (target.getChildFile ("x.ondpreset"), makeBlob ({})).getErrorMessage(),
               "folder not found");

    EXPECT_EQ (sandbox.findChildFiles (juce::File::findFiles, false, "*").size(), 1);
}
