// The preset file: the bytes written, the one acceptance rule, and writing that never loses the old file.
#include "StateTestSupport.h"

#include <unistd.h>

namespace
{
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

TEST_F (PresetFile, OnePayloadByteSetsTheFirstValueToZeroAndTheRestToDefaults)
{
    OndrellaAudioProcessor processor;
    auto content = headerForm (17, 1);
    content[16] = 0x7f;
    ASSERT_TRUE (PresetFileHeader::extractStateBlob (content));
    processor.readState (content.getData(), (int) content.getSize(), true);

    auto expected = tableDefaults();
    expected[0] = 0.0f;
    EXPECT_EQ (parameterValues (processor), expected);
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

    // Nothing but the target is left behind.
    EXPECT_EQ (sandbox.findChildFiles (juce::File::findFiles, false, "*").size(), 1);
}

TEST_F (PresetFile, FailedWriteLeavesTheOldFileAndReportsIt)
{
    // A temporary name too long for the file system makes the write fail, whoever runs the test.
    const auto longName = juce::String::repeatedString ("x", 240) + ".ondpreset";
    const auto target = sandbox.getChildFile (longName);
    const auto old = PresetFileHeader::makePresetFile (makeBlob ({ 0.1f }));
    writeFile (target, old);

    EXPECT_FALSE (PresetFileHeader::writePresetFile (target, makeBlob ({ 0.9f })));

    juce::MemoryBlock content;
    ASSERT_TRUE (target.loadFileAsData (content));
    EXPECT_EQ (content, old);

    // A directory in the way, or no folder at all.
    const auto directory = sandbox.getChildFile ("Folder.ondpreset");
    ASSERT_TRUE (directory.getChildFile ("keep").create().wasOk());
    EXPECT_FALSE (PresetFileHeader::writePresetFile (directory, makeBlob ({})));
    EXPECT_TRUE (directory.getChildFile ("keep").existsAsFile());
    EXPECT_FALSE (PresetFileHeader::writePresetFile (sandbox.getChildFile ("missing/x.ondpreset"), makeBlob ({})));

    EXPECT_EQ (sandbox.findChildFiles (juce::File::findFiles, false, "*").size(), 1);
}

TEST_F (PresetFile, UnwritableFolderIsReported)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "permission bits do not bind root";

    const auto folder = sandbox.getChildFile ("locked");
    ASSERT_TRUE (folder.createDirectory().wasOk());
    const auto target = writePreset (folder.getChildFile ("Old.ondpreset"), { 0.1f });
    ASSERT_TRUE (folder.setReadOnly (true));

    EXPECT_FALSE (PresetFileHeader::writePresetFile (target, makeBlob ({ 0.9f })));
    folder.setReadOnly (false);

    juce::MemoryBlock content;
    ASSERT_TRUE (target.loadFileAsData (content));
    EXPECT_EQ (content, PresetFileHeader::makePresetFile (makeBlob ({ 0.1f })));
}
