#include "OndrellaAudioProcessor.h"

namespace
{
    // Output channels beyond the inputs carry nothing of ours.
    void clearChannelsWithoutInput (juce::AudioBuffer<float>& buffer, int numInputs, int numOutputs)
    {
        for (auto channel = numInputs; channel < juce::jmin (numOutputs, buffer.getNumChannels()); ++channel)
            buffer.clear (channel, 0, buffer.getNumSamples());
    }

    // The engine runs one or two channels, and never more than the block holds.
    int engineChannels (const juce::AudioBuffer<float>& buffer, int numInputs, int numOutputs)
    {
        return juce::jmin (numInputs, numOutputs, buffer.getNumChannels(), TapeEngine::maximumChannels);
    }
}

void OndrellaAudioProcessor::processBlock (juce::AudioBuffer<float>& buffer, juce::MidiBuffer&)
{
    // Flush-to-zero for the whole block; the caller's mode comes back on every way out.
    juce::ScopedNoDenormals noDenormals;

    if (auto* currentPlayHead = getPlayHead())
    {
        const auto position = currentPlayHead->getPosition();
        isPlaying.store (position.hasValue() && position->getIsPlaying(), std::memory_order_relaxed);
    }

    engine.readParameters ([this] (int index)    { return getParameterValue (index); });

    const auto numInputs = getTotalNumInputChannels();
    const auto numOutputs = getTotalNumOutputChannels();
    clearChannelsWithoutInput (buffer, numInputs, numOutputs);

    if (numInputs == 0)
        return;

    engine.process (buffer.getArrayOfWritePointers(), engineChannels (buffer, numInputs, numOutputs),
                    buffer.getNumSamples());
}

void OndrellaAudioProcessor::processBlockBypassed (juce::AudioBuffer<float>& buffer, juce::MidiBuffer&)
{
    // The bypassed audio keeps the reported latency, so that a host's compensation still lines up.
    const auto numInputs = getTotalNumInputChannels();
    const auto numOutputs = getTotalNumOutputChannels();
    clearChannelsWithoutInput (buffer, numInputs, numOutputs);

    engine.processBypassed (buffer.getArrayOfWritePointers(), engineChannels (buffer, numInputs, numOutputs),
                            buffer.getNumSamples());
}
