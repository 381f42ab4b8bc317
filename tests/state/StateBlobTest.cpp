// The state blob: its exact bytes, how short, long and broken blobs are applied, and how the
// current preset travels with the host's state.
#include "StateTestSupport.h"
#include "tests/support/MessagePump.h"

#include <cmath>
#include <limits>

namespace
{
    juce::MemoryBlock bytesOf (std::initializer_list<int> bytes)
    {
        juce::MemoryBlock block;

        for (auto b : bytes)
        {
            const auto c = (char) (juce::uint8) b;
            block.append (&c, 1);
        }

        return block;
    }

    struct ParameterChangeRecorder  : juce::AudioProcessorListener
    {
        void audioProcessorParameterChanged (juce::AudioProcessor*, int index, float value) override
        {
            heard.push_back ({ index, value });
        }

        void audioProcessorChanged (juce::AudioProcessor*, const ChangeDetails&) override {}

        std::vector<std::pair<int, float>> heard;
    };

    struct ChangeCounter  : juce::ChangeListener
    {
        void changeListenerCallback (juce::ChangeBroadcaster*) override    { ++changes; }
        int changes = 0;
    };
}

class StateBlob  : public SandboxedTest
{
protected:
    // Two factory folders and a preset each, so that the host's state has a preset to name.
    void makeFactoryFolders()
    {
        writePreset (factoryRoot().getChildFile ("00_Factory Presets/01_ONDRELLA.ondpreset"), tableDefaults());
        writePreset (factoryRoot().getChildFile ("01_Worn/01_Dusty.ondpreset"), { 0.1f });
        writePreset (factoryRoot().getChildFile ("01_Worn/02_Seasick.ondpreset"), { 0.2f });
    }
};

//==============================================================================
TEST_F (StateBlob, WritesSixteenLittleEndianFloatsInTableOrder)
{
    OndrellaAudioProcessor processor;
    ASSERT_FALSE (processor.presetStore.currentPreset.valid);

    const float values[] = { 0.0f, 1.0f, 0.5f, 0.25f, 0.75f, 0.125f, 0.2f, 0.1f,
                             0.0f, 1.0f, 0.5f, 0.25f, 0.75f, 0.125f, 0.5f, 0.5f };

    for (int i = 0; i < numParameters; ++i)
        processor.setParameter (i, values[i]);

    juce::MemoryBlock host;
    processor.getStateInformation (host);

    // No preset is current, so even the host's copy holds only the values.
    const auto expected = bytesOf ({ 0x00, 0x00, 0x00, 0x00,   0x00, 0x00, 0x80, 0x3f,   0x00, 0x00, 0x00, 0x3f,   0x00, 0x00, 0x80, 0x3e,
                                     0x00, 0x00, 0x40, 0x3f,   0x00, 0x00, 0x00, 0x3e,   0xcd, 0xcc, 0x4c, 0x3e,   0xcd, 0xcc, 0xcc, 0x3d,
                                     0x00, 0x00, 0x00, 0x00,   0x00, 0x00, 0x80, 0x3f,   0x00, 0x00, 0x00, 0x3f,   0x00, 0x00, 0x80, 0x3e,
                                     0x00, 0x00, 0x40, 0x3f,   0x00, 0x00, 0x00, 0x3e,   0x00, 0x00, 0x00, 0x3f,   0x00, 0x00, 0x00, 0x3f });
    EXPECT_EQ (host, expected);

    juce::MemoryBlock parametersOnly;
    processor.writeState (parametersOnly, true);
    EXPECT_EQ (parametersOnly, expected);
}

TEST_F (StateBlob, HostStateNamesTheCurrentPresetByHash)
{
    makeFactoryFolders();
    OndrellaAudioProcessor processor;
    ASSERT_TRUE (processor.presetStore.currentPreset.valid);
    ASSERT_EQ (processor.presetStore.currentPreset.name, "ONDRELLA");

    juce::MemoryBlock host;
    processor.getStateInformation (host);
    ASSERT_EQ (host.getSize(), 72u);

    // "Factory Presets" and "ONDRELLA" hash to 0x98ceec1e and 0xa5507c89.
    const auto* bytes = static_cast<const juce::uint8*> (host.getData());
    EXPECT_EQ (juce::MemoryBlock (bytes + 64, 8), bytesOf ({ 0x1e, 0xec, 0xce, 0x98, 0x89, 0x7c, 0x50, 0xa5 }));

    juce::MemoryBlock parametersOnly;
    processor.writeState (parametersOnly, true);
    EXPECT_EQ (parametersOnly.getSize(), 64u);
}

TEST_F (StateBlob, HostStateRestoresValuesAndCurrentPreset)
{
    makeFactoryFolders();
    OndrellaAudioProcessor processor;
    auto& store = processor.presetStore;

    ASSERT_TRUE (store.selectPreset (1, 1));
    processor.setParameter (ParameterIndex::crossbleed, 0.8f);
    processor.setParameter (ParameterIndex::headTilt, 0.1f);

    juce::MemoryBlock host;
    processor.getStateInformation (host);
    const auto saved = parameterValues (processor);

    ASSERT_TRUE (store.selectPreset (0, 0));
    processor.setParameter (ParameterIndex::crossbleed, 0.0f);
    processor.setParameter (ParameterIndex::headTilt, 0.9f);

    // Parameters only: the values come back, the preset stays as it is.
    processor.readState (host.getData(), (int) host.getSize(), true);
    EXPECT_EQ (parameterValues (processor), saved);
    EXPECT_EQ (store.currentPreset.name, "ONDRELLA");

    processor.setStateInformation (host.getData(), (int) host.getSize());
    EXPECT_EQ (parameterValues (processor), saved);
    EXPECT_TRUE (store.currentPreset.valid);
    EXPECT_EQ (store.currentPreset.folder, 1);
    EXPECT_EQ (store.currentPreset.name, "Seasick");

    // A fresh instance re-identifies the same preset from the same bytes.
    OndrellaAudioProcessor other;
    other.setStateInformation (host.getData(), (int) host.getSize());
    EXPECT_EQ (other.presetStore.currentPreset.name, "Seasick");
    EXPECT_EQ (parameterValues (other), saved);
}

TEST_F (StateBlob, UnknownPresetIdentityLeavesNoPresetCurrent)
{
    makeFactoryFolders();
    OndrellaAudioProcessor processor;

    // 66 bytes: the hash words read as zero, which names nothing; the name stays for the bar.
    ASSERT_TRUE (processor.presetStore.selectPreset (1, 0));
    auto cut = makeBlob ({});
    cut.append ("\x01\x02", 2);
    processor.setStateInformation (cut.getData(), (int) cut.getSize());
    EXPECT_FALSE (processor.presetStore.currentPreset.valid);
    EXPECT_EQ (processor.presetStore.currentPreset.name, "Dusty");

    juce::MemoryBlock host;
    processor.getStateInformation (host);
    EXPECT_EQ (host.getSize(), 64u);
}

TEST_F (StateBlob, ARestoreKeepsTheCurrentPresetAndNeverLeavesAGuessToBeSavedOver)
{
    // Both files show as "Warm": the current one stays current through a restore of its state.
    writePreset (factoryRoot().getChildFile ("01_Set/01_Warm.ondpreset"), { 0.1f });
    writePreset (factoryRoot().getChildFile ("01_Set/02_Warm.ondpreset"), { 0.2f });
    OndrellaAudioProcessor processor;
    auto& store = processor.presetStore;
    const auto restoreInto = [] (OndrellaAudioProcessor& target, OndrellaAudioProcessor& source)
    {
        target.presetStore.scanFolder (target.presetStore.folders.size() - 1);   // to list what the source saved
        juce::MemoryBlock host;
        source.getStateInformation (host);
        target.setStateInformation (host.getData(), (int) host.getSize());
    };

    ASSERT_TRUE (store.selectPreset (0, 1));
    restoreInto (processor, processor);
    EXPECT_EQ (store.currentPreset.index, 1);

    // Save As "Take.2", then "Take2": both show as "Take2", and Save after a restore writes the one current.
    const auto user = store.folders.size() - 1;
    const auto takeDot2 = userPresetsFolder().getChildFile ("Take.2.ondpreset"), take2 = userPresetsFolder().getChildFile ("Take2.ondpreset");
    ASSERT_TRUE (store.savePresetToFolder (makeBlob ({ 0.1f }), "Take.2", user));
    ASSERT_TRUE (store.savePresetToFolder (makeBlob ({ 0.2f }), "Take2", user));
    restoreInto (processor, processor);
    ASSERT_TRUE (store.saveCurrentPreset (makeBlob ({ 0.9f })));
    EXPECT_EQ (contentOf (take2), PresetFileHeader::makePresetFile (makeBlob ({ 0.9f })));
    EXPECT_EQ (contentOf (takeDot2), PresetFileHeader::makePresetFile (makeBlob ({ 0.1f })));

    // Where neither is current, the state could mean either: the first is shown, but never saved over.
    OndrellaAudioProcessor other;
    restoreInto (other, processor);
    EXPECT_EQ (other.presetStore.currentPreset.path, takeDot2.getFullPathName());
    EXPECT_FALSE (other.presetStore.saveCurrentPreset (makeBlob ({ 0.5f })));
    EXPECT_EQ (contentOf (takeDot2), PresetFileHeader::makePresetFile (makeBlob ({ 0.1f })));

    // Likewise for names that hash alike; a name only one file answers to is saved over as ever.
    ASSERT_EQ (juce::String ("Verse 1a").hashCode(), juce::String ("Verse 2B").hashCode());
    ASSERT_TRUE (store.savePresetToFolder (makeBlob ({}), "Verse 1a", user));
    ASSERT_TRUE (store.savePresetToFolder (makeBlob ({}), "Verse 2B", user));
    restoreInto (other, processor);
    EXPECT_EQ (other.presetStore.currentPreset.name, "Verse 1a");
    EXPECT_FALSE (other.presetStore.canSaveOver (other.presetStore.currentPreset));
    ASSERT_TRUE (store.savePresetToFolder (makeBlob ({}), "Solo", user));
    restoreInto (other, processor);
    EXPECT_EQ (other.presetStore.currentPreset.name, "Solo");
    EXPECT_TRUE (other.presetStore.canSaveOver (other.presetStore.currentPreset));

    store.currentPreset.folder = 7;
    juce::MemoryBlock outOfRange;
    processor.getStateInformation (outOfRange);
    ASSERT_EQ (outOfRange.getSize(), 72u);
    EXPECT_EQ (juce::ByteOrder::littleEndianInt (static_cast<const char*> (outOfRange.getData()) + 64), 0u);
}

//==============================================================================
TEST_F (StateBlob, EmptyBlobRestoresDefaultsAndKeepsThePreset)
{
    makeFactoryFolders();
    OndrellaAudioProcessor processor;
    ASSERT_TRUE (processor.presetStore.selectPreset (1, 0));

    for (int i = 0; i < numParameters; ++i)
        processor.setParameter (i, 0.0f);

    ChangeCounter counter;
    processor.addChangeListener (&counter);
    processor.setStateInformation (nullptr, 0);
    EXPECT_EQ (parameterValues (processor), tableDefaults());
    EXPECT_EQ (processor.presetStore.currentPreset.name, "Dusty");
    EXPECT_TRUE (processor.presetStore.currentPreset.valid);

    // The broadcast arrives later, on the message thread.
    ASSERT_TRUE (TestSupport::deliverPendingMessages());
    EXPECT_EQ (counter.changes, 1);
    processor.removeChangeListener (&counter);
}

TEST_F (StateBlob, ShortBlobsTakeDefaultsAndACutValueReadsAsZero)
{
    OndrellaAudioProcessor processor;
    const auto full = makeBlob ({ 0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 0.6f, 0.7f, 0.8f, 0.9f, 0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 0.6f, 0.9f });

    processor.readState (full.getData(), 62, false);
    auto values = parameterValues (processor);
    EXPECT_FLOAT_EQ (values[14], 0.6f);
    EXPECT_EQ (values[15], 0.0f);

    processor.readState (full.getData(), 8, true);
    values = parameterValues (processor);
    EXPECT_FLOAT_EQ (values[1], 0.2f);

    for (int i = 2; i < numParameters; ++i)
        EXPECT_EQ (values[(size_t) i], parameterDefinitions[i].normalisedDefault()) << i;

    // A negative size is an empty blob.
    processor.readState (full.getData(), -5, false);
    EXPECT_EQ (parameterValues (processor), tableDefaults());
}

TEST_F (StateBlob, LongBlobsIgnoreWhatFollowsTheValues)
{
    OndrellaAudioProcessor processor;
    auto blob = makeBlob ({ 0.3f });
    blob.append ("trailing bytes that are not hashes at all", 41);

    processor.readState (blob.getData(), (int) blob.getSize(), true);
    EXPECT_FLOAT_EQ (parameterValues (processor)[0], 0.3f);
    EXPECT_EQ (processor.presetStore.currentPreset.name, "ONDRELLA");
}

TEST_F (StateBlob, BrokenValuesBecomeDefaultsAndListenersHearWhatIsKept)
{
    OndrellaAudioProcessor processor;
    ParameterChangeRecorder recorder;
    processor.addListener (&recorder);

    const auto nan = std::numeric_limits<float>::quiet_NaN();
    const auto inf = std::numeric_limits<float>::infinity();
    const auto blob = makeBlob ({ nan, inf, -inf, 2.5f, -1.0f, 0.3f });
    processor.setStateInformation (blob.getData(), (int) blob.getSize());

    const auto values = parameterValues (processor);
    EXPECT_EQ (values[0], parameterDefinitions[0].normalisedDefault());
    EXPECT_EQ (values[1], parameterDefinitions[1].normalisedDefault());
    EXPECT_EQ (values[2], parameterDefinitions[2].normalisedDefault());
    EXPECT_EQ (values[3], 1.0f);
    EXPECT_EQ (values[4], 0.0f);
    EXPECT_FLOAT_EQ (values[5], 0.3f);

    ASSERT_EQ (recorder.heard.size(), (size_t) numParameters);

    for (int i = 0; i < numParameters; ++i)
    {
        EXPECT_EQ (recorder.heard[(size_t) i].first, i);
        EXPECT_EQ (recorder.heard[(size_t) i].second, values[(size_t) i]) << i;
    }

    processor.removeListener (&recorder);

    // Garbage of every length never leaves a value outside 0..1.
    juce::Random random (42);

    for (int size = 0; size < 200; size += 7)
    {
        juce::MemoryBlock garbage ((size_t) size);

        for (size_t b = 0; b < garbage.getSize(); ++b)
            garbage[b] = (char) random.nextInt (256);

        processor.setStateInformation (garbage.getData(), size);

        for (auto v : parameterValues (processor))
            EXPECT_TRUE (std::isfinite (v) && v >= 0.0f && v <= 1.0f) << size;
    }
}

TEST_F (StateBlob, WriteStateAppendsToWhatTheBlockHolds)
{
    OndrellaAudioProcessor processor;
    juce::MemoryBlock block ("abc", 3);
    processor.writeState (block, true);
    ASSERT_EQ (block.getSize(), 67u);
    EXPECT_EQ (juce::MemoryBlock (block.getData(), 3), juce::MemoryBlock ("abc", 3));
}
