// Meant to run under ThreadSanitizer: every field that two threads share must be race-free.

#include "editor/OndrellaAudioProcessorEditor.h"
#include "processor/OndrellaAudioProcessor.h"
#include "processor/ParameterTable.h"
#include "tests/state/StateTestSupport.h"
#include "tests/support/EditorWindow.h"
#include "tests/support/MessagePump.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <thread>

namespace
{
    // An audio thread: processes blocks of a sine until told to stop; counts blocks and checks the output.
    struct AudioThread
    {
        AudioThread (OndrellaAudioProcessor& p, int channels)
            : processor (p), buffer (channels, 256)
        {
            thread = std::thread ([this]
            {
                juce::MidiBuffer midi;
                float phase = 0.0f;

                while (! stop.load())
                {
                    for (int ch = 0; ch < buffer.getNumChannels(); ++ch)
                        for (int i = 0; i < buffer.getNumSamples(); ++i)
                            buffer.setSample (ch, i, 0.5f * std::sin (phase + 0.06f * (float) i));

                    phase = std::fmod (phase + 0.06f * (float) buffer.getNumSamples(), 6.2831853f);
                    processor.processBlock (buffer, midi);

                    for (int ch = 0; ch < buffer.getNumChannels(); ++ch)
                        for (int i = 0; i < buffer.getNumSamples(); ++i)
                            if (! std::isfinite (buffer.getSample (ch, i)))
                                nonFinite.store (true);

                    blocks.fetch_add (1);
                }
            });
        }

        ~AudioThread()
        {
            stop.store (true);
            thread.join();
        }

        OndrellaAudioProcessor& processor;
        juce::AudioBuffer<float> buffer;
        std::atomic<bool> stop { false }, nonFinite { false };
        std::atomic<int> blocks { 0 };
        std::thread thread;
    };

    void prepare (OndrellaAudioProcessor& processor)
    {
        processor.prepareToPlay (48000.0, 256);
        processor.setParameter (ParameterIndex::noise, 0.0f);   // both instances draw hiss from the shared sequence
        processor.setParameter (ParameterIndex::dryWetMix, 0.7f);
    }

    // A host state naming each stored preset in turn, with values of its own.
    std::vector<juce::MemoryBlock> statesNamingEachPreset (OndrellaAudioProcessor& processor)
    {
        std::vector<juce::MemoryBlock> states;
        juce::Random random (7);

        for (const auto& folder : processor.presetStore.folders)
            for (const auto& entry : folder.entries)
            {
                processor.presetStore.selectPreset (folder.index, entry.index);

                for (int i = 0; i < numParameters; ++i)
                    processor.setParameter (i, random.nextFloat());

                processor.getStateInformation (states.emplace_back());
            }

        return states;
    }
}

// Factory folders and user presets for the host's states to name.
class Concurrency  : public SandboxedTest
{
protected:
    void SetUp() override
    {
        SandboxedTest::SetUp();
        writePreset (factoryRoot().getChildFile ("00_Factory Presets/01_ONDRELLA.ondpreset"), { 0.1f });
        writePreset (factoryRoot().getChildFile ("01_Vintage/01_Dusty.ondpreset"), { 0.2f });
        writePreset (userPresetsFolder().getChildFile ("Mine.ondpreset"), { 0.3f });
    }
};

TEST_F (Concurrency, TwoInstancesProcessOnTwoThreads)
{
    OndrellaAudioProcessor first, second;
    prepare (first);
    prepare (second);

    {
        AudioThread a (first, 2), b (second, 2);

        while (a.blocks.load() < 400 || b.blocks.load() < 400)
            std::this_thread::yield();

        EXPECT_FALSE (a.nonFinite.load());
        EXPECT_FALSE (b.nonFinite.load());
    }
}

TEST_F (Concurrency, AHostRestoringPresetsFromItsThreadRacesBlocksAndTheOpenBrowser)
{
    OndrellaAudioProcessor processor;
    prepare (processor);
    processor.isPlaying = true;
    const auto states = statesNamingEachPreset (processor);

    auto editor = TestSupport::createEditor<OndrellaAudioProcessorEditor> (processor);
    ASSERT_NE (editor, nullptr);
    auto& deck = *editor;
    auto& browser = deck.presetManager.view;
    deck.showSettingsView();
    browser.revealClicked();

    std::atomic<bool> stopRestoring { false };
    std::atomic<int> restores { 0 }, readsNamingNoPreset { 0 };
    std::thread restorer ([&]
    {
        // A host restoring projects from a thread of its own, reading each state back as hosts do.
        for (size_t i = 0; ! stopRestoring.load(); ++i)
        {
            const auto& state = states[i % states.size()];
            processor.setStateInformation (state.getData(), (int) state.getSize());
            juce::MemoryBlock readBack;
            processor.getStateInformation (readBack);
            readsNamingNoPreset.fetch_add (readBack.getSize() == 72 ? 0 : 1, std::memory_order_relaxed);
            restores.fetch_add (1, std::memory_order_relaxed);
        }
    });

    {
        AudioThread audio (processor, 2);

        // The message thread meanwhile: the editor's timer ticks, the user switches folders, loads
        // and saves presets and has the user folder rescanned, and the bar is refreshed. (Relaxed
        // counts, so that the loop orders nothing between the threads for the sanitizer.)
        for (int step = 0; step < 40 || restores.load (std::memory_order_relaxed) < 40
                                     || audio.blocks.load (std::memory_order_relaxed) < 40; ++step)
        {
            deck.timerCallback();
            browser.listItemClicked (0, step % processor.presetStore.folders.size());
            browser.listItemClicked (1, 0);
            browser.saveClicked();
            deck.presetManager.presetMessageReceived (nullptr, "r");
            deck.presetManager.currentPresetChanged();
            EXPECT_TRUE (TestSupport::deliverPendingMessages());
        }

        EXPECT_FALSE (audio.nonFinite.load());
    }

    stopRestoring.store (true);
    restorer.join();
    EXPECT_EQ (readsNamingNoPreset.load(), 0);
    EXPECT_TRUE (deck.tapeView.isPlaying());
    EXPECT_LT (deck.tapeView.getWheelAngle(), 0.0f);
}

TEST_F (Concurrency, AProcessorDeletedOnAHostThreadRightAfterARestore)
{
    // A state naming a stored factory preset, so that each restore hands a preset over.
    juce::MemoryBlock state;
    {
        OndrellaAudioProcessor named;
        ASSERT_TRUE (named.presetStore.selectPreset (1, 0));
        named.getStateInformation (state);
    }
    ASSERT_EQ (state.getSize(), 72u);

    // A scanner or a quick project reload, while the message thread sits in its dispatch loop as
    // the framework's own message thread does when no editor is open.
    std::atomic<bool> done { false };
    std::thread host ([&]
    {
        for (int round = 0; round < 600; ++round)
        {
            OndrellaAudioProcessor processor;
            processor.setStateInformation (state.getData(), (int) state.getSize());

            // Deleted at once or a little later, so that some deletions meet the hand-over running.
            for (int step = 0; step < round % 64; ++step)
                std::this_thread::yield();
        }

        done.store (true);
    });

    EXPECT_TRUE (TestSupport::runMessagesUntil ([&] { return done.load(); }));
    host.join();
    EXPECT_TRUE (TestSupport::deliverPendingMessages());
}
