#include "OndrellaAudioProcessor.h"

#include "ParameterTable.h"

void OndrellaAudioProcessor::getStateInformation (juce::MemoryBlock& destData)
{
    writeState (destData, false);
}

void OndrellaAudioProcessor::setStateInformation (const void* data, int sizeInBytes)
{
    readState (data, sizeInBytes, false);
}

void OndrellaAudioProcessor::writeState (juce::MemoryBlock& destination, bool)
{
    juce::MemoryOutputStream out (destination, true);

    for (auto* parameter : getParameters())
        out.writeFloat (parameter->getValue());
}

void OndrellaAudioProcessor::readState (const void* data, int sizeInBytes, bool)
{
    juce::MemoryInputStream in (data, (size_t) juce::jmax (0, sizeInBytes), false);

    for (int i = 0; i < numParameters; ++i)
    {
        const auto value = in.getNumBytesRemaining() >= 4 ? in.readFloat()
                                                          : parameterDefinitions[i].normalisedDefault();
        setParameter (i, value);
        sendParameterChange (i, getParameterValue (i));
    }

    sendChangeMessage();
    engine.snapToTargets();
}

void OndrellaAudioProcessor::applyDefaultPreset() {}
