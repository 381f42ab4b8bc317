// Audio through the hosted VST3.
#include "HostedPlugin.h"

#include <cmath>

using namespace HostedPlugin;

namespace
{
    constexpr double rate = 48000.0;
    constexpr int blockSize = 512;

    void fillSine (juce::AudioBuffer<float>& buffer, int startSample)
    {
        for (int ch = 0; ch < buffer.getNumChannels(); ++ch)
            for (int i = 0; i < buffer.getNumSamples(); ++i)
                buffer.setSample (ch, i, 0.5f * (float) std::sin (juce::MathConstants<double>::twoPi * 440.0
                                                                  * (startSample + i) / rate));
    }

    struct Played
    {
        bool finite = true;
        float peakAfterLatency = 0.0f;
    };

    // Plays a few blocks of a sine and looks at what comes back.
    Played playSine (juce::AudioPluginInstance& plugin, int numChannels, int numBlocks = 8)
    {
        Played result;
        juce::AudioBuffer<float> buffer (numChannels, blockSize);
        juce::MidiBuffer midi;

        for (int block = 0; block < numBlocks; ++block)
        {
            fillSine (buffer, block * blockSize);
            plugin.processBlock (buffer, midi);

            for (int ch = 0; ch < numChannels; ++ch)
                for (int i = 0; i < blockSize; ++i)
                {
                    const auto x = buffer.getSample (ch, i);
                    result.finite = result.finite && std::isfinite (x);

                    if (block * blockSize + i > plugin.getLatencySamples())
                        result.peakAfterLatency = juce::jmax (result.peakAfterLatency, std::abs (x));
                }
        }

        return result;
    }
}

TEST (Vst3Audio, SineComesBackFiniteAndAudibleInStereoAndMono)
{
    for (const auto& layout : { juce::AudioChannelSet::stereo(), juce::AudioChannelSet::mono() })
    {
        auto plugin = loadBuiltPlugin (rate, blockSize);
        ASSERT_NE (plugin, nullptr);
        ASSERT_TRUE (plugin->setBusesLayout (makeLayout (layout, layout)));
        plugin->prepareToPlay (rate, blockSize);
        ASSERT_TRUE (reportsLatency (*plugin, 100));
        ASSERT_EQ (plugin->getTotalNumInputChannels(), layout.size());

        const auto played = playSine (*plugin, layout.size());
        EXPECT_TRUE (played.finite) << layout.getDescription();
        EXPECT_GT (played.peakAfterLatency, 0.05f) << layout.getDescription();
        EXPECT_LT (played.peakAfterLatency, 4.0f) << layout.getDescription();
        plugin->releaseResources();
    }
}

TEST (Vst3Audio, TheBypassedPathIsDelayedByTheLatency)
{
    auto plugin = loadBuiltPlugin (rate, blockSize);
    ASSERT_NE (plugin, nullptr);
    plugin->prepareToPlay (rate, blockSize);
    const auto latency = 100;
    ASSERT_TRUE (reportsLatency (*plugin, latency));

    auto* bypass = plugin->getBypassParameter();
    ASSERT_NE (bypass, nullptr);
    bypass->setValueNotifyingHost (1.0f);

    juce::MidiBuffer midi;
    juce::AudioBuffer<float> buffer (2, blockSize);

    // The wrapper takes the bypass switch with the parameter changes of a block; let it arrive.
    buffer.clear();
    plugin->processBlock (buffer, midi);

    buffer.clear();
    buffer.setSample (0, 10, 1.0f);
    buffer.setSample (1, 10, -0.5f);
    plugin->processBlock (buffer, midi);

    for (int i = 0; i < blockSize; ++i)
    {
        const auto expectedLeft = i == 10 + latency ? 1.0f : 0.0f;
        const auto expectedRight = i == 10 + latency ? -0.5f : 0.0f;
        ASSERT_EQ (buffer.getSample (0, i), expectedLeft) << i;
        ASSERT_EQ (buffer.getSample (1, i), expectedRight) << i;
    }

    plugin->releaseResources();
}
