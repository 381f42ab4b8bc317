// Meant to run under ThreadSanitizer: every field that two threads share must be race-free.

#include "editor/OndrellaAudioProcessorEditor.h"
#include "processor/OndrellaAudioProcessor.h"
#include "processor/ParameterTable.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <thread>

namespace
{
    using Clock = std::chrono::steady_clock;
    constexpr auto runTime = std::chrono::milliseconds (700);

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

    juce::MemoryBlock randomState (juce::Random& random)
    {
        juce::MemoryBlock block;
        juce::MemoryOutputStream out (block, false);
        for (int i = 0; i < numParameters; ++i)
            out.writeFloat (random.nextFloat());
        out.flush();
        return block;
    }

    void prepare (OndrellaAudioProcessor& processor)
    {
        processor.prepareToPlay (48000.0, 256);
        processor.setParameter (ParameterIndex::noise, 0.0f);   // both instances draw hiss from the shared sequence
        processor.setParameter (ParameterIndex::dryWetMix, 0.7f);
    }
}

TEST (Concurrency, TwoInstancesProcessOnTwoThreads)
{
    OndrellaAudioProcessor first, second;
    prepare (first);
    prepare (second);

    {
        AudioThread a (first, 2), b (second, 2);
        std::this_thread::sleep_for (runTime);
        EXPECT_FALSE (a.nonFinite.load());
        EXPECT_FALSE (b.nonFinite.load());
        EXPECT_GT (a.blocks.load(), 0);
        EXPECT_GT (b.blocks.load(), 0);
    }
}

TEST (Concurrency, StateRestoresAndMeterReadsRaceRunningBlocks)
{
    OndrellaAudioProcessor processor;
    prepare (processor);

    std::atomic<bool> stopReader { false };
    std::atomic<int> readings { 0 };
    std::thread meterReader ([&]
    {
        // The editor's timer, on a thread of its own here.
        while (! stopReader.load())
        {
            const auto left = processor.engine.takeMeterLevel (0);
            const auto right = processor.engine.takeMeterLevel (1);
            if (left >= 0.0f && right >= 0.0f && ! processor.isPlaying.load (std::memory_order_relaxed))
                readings.fetch_add (1);
            std::this_thread::sleep_for (std::chrono::microseconds (200));
        }
    });

    {
        AudioThread audio (processor, 2);
        juce::Random random (42);
        const auto end = Clock::now() + runTime;
        int restores = 0;

        while (Clock::now() < end)
        {
            const auto state = randomState (random);
            ASSERT_EQ (state.getSize(), 64u);
            processor.setStateInformation (state.getData(), (int) state.getSize());

            processor.setParameter (random.nextInt (numParameters), random.nextFloat());
            processor.setParameter (ParameterIndex::eqB2Gain, random.nextFloat());
            processor.engine.snapToTargets();
            ++restores;
        }

        EXPECT_GT (restores, 10);
        EXPECT_FALSE (audio.nonFinite.load());
        EXPECT_GT (audio.blocks.load(), 10);
    }

    stopReader.store (true);
    meterReader.join();
    EXPECT_GT (readings.load(), 0);
}

TEST (Concurrency, AnOpenEditorsTimerRacesBlocksAndStateRestores)
{
    OndrellaAudioProcessor processor;
    prepare (processor);
    processor.isPlaying = true;

    std::unique_ptr<juce::AudioProcessorEditor> editor (processor.createEditorIfNeeded());
    ASSERT_NE (editor, nullptr);
    auto& deck = dynamic_cast<OndrellaAudioProcessorEditor&> (*editor);
    deck.showSettingsView();

    std::atomic<bool> stopRestoring { false };
    std::atomic<int> restores { 0 };
    std::thread restorer ([&]
    {
        // A host restoring a project from a thread of its own.
        juce::Random random (7);
        while (! stopRestoring.load())
        {
            const auto state = randomState (random);
            processor.setStateInformation (state.getData(), (int) state.getSize());
            restores.fetch_add (1);
            std::this_thread::sleep_for (std::chrono::microseconds (300));
        }
    });

    {
        AudioThread audio (processor, 2);

        // The message thread runs the editor's 33 ms timer and the change broadcasts meanwhile.
        juce::MessageManager::getInstance()->runDispatchLoopUntil ((int) runTime.count());

        EXPECT_FALSE (audio.nonFinite.load());
        EXPECT_GT (audio.blocks.load(), 10);
    }

    stopRestoring.store (true);
    restorer.join();
    EXPECT_GT (restores.load(), 10);
    EXPECT_TRUE (deck.tapeView.isPlaying());
    EXPECT_LT (deck.tapeView.getWheelAngle(), 0.0f);

    processor.editorBeingDeleted (editor.get());
    editor.reset();
}
