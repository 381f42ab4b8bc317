#include "OndrellaAudioProcessor.h"

#include "ParameterTable.h"

#include <cstring>

void OndrellaAudioProcessor::getStateInformation (juce::MemoryBlock& destData)
{
    writeState (destData, false);
}

void OndrellaAudioProcessor::setStateInformation (const void* data, int sizeInBytes)
{
    readState (data, sizeInBytes, false);
}

//==============================================================================
void OndrellaAudioProcessor::writeState (juce::MemoryBlock& destination, bool parametersOnly)
{
    juce::MemoryOutputStream out (destination, true);

    for (int i = 0; i < numParameters; ++i)
        out.writeFloat (getParameterValue (i));

    const auto& current = presetStore.currentPreset;

    if (! parametersOnly && current.valid)
    {
        // A folder index out of range (negative ones included) is written as the empty name.
        const auto folderName = juce::isPositiveAndBelow (current.folder, presetStore.folders.size())
                                    ? presetStore.folders.getReference (current.folder).name
                                    : juce::String();

        out.writeInt (folderName.hashCode());
        out.writeInt (current.name.hashCode());
    }

    out.flush();
}

void OndrellaAudioProcessor::readState (const void* data, int sizeInBytes, bool parametersOnly)
{
    const auto size = data != nullptr ? (size_t) juce::jmax (0, sizeInBytes) : (size_t) 0;
    juce::MemoryInputStream in (data, size, false);

    // Reads a little-endian word; a word cut short by the end of the blob reads as zero.
    const auto readWord = [&in]() -> juce::uint32
    {
        if (in.getNumBytesRemaining() >= 4)
            return (juce::uint32) in.readInt();

        in.skipNextBytes (in.getNumBytesRemaining());
        return 0;
    };

    for (int i = 0; i < numParameters; ++i)
    {
        auto value = parameterDefinitions[i].normalisedDefault();

        if (! in.isExhausted())
        {
            const auto word = readWord();
            std::memcpy (&value, &word, sizeof (value));
        }

        // setParameter clamps and takes a non-finite value as the default; listeners hear what was kept.
        setParameter (i, value);
        sendParameterChange (i, getParameterValue (i));
    }

    if (! parametersOnly && ! in.isExhausted())
    {
        const auto folderNameHash = (int) readWord();
        const auto presetNameHash = (int) readWord();
        bool found = false;

        for (const auto& folder : presetStore.folders)
        {
            if (folder.name.hashCode() != folderNameHash)
                continue;

            for (const auto& entry : folder.entries)
            {
                if (entry.name.hashCode() == presetNameHash)
                {
                    found = presetStore.selectPreset (folder.index, entry.index);
                    break;
                }
            }

            if (found)
                break;
        }

        if (! found)
            presetStore.currentPreset.valid = false;
    }

    sendChangeMessage();
    engine.snapToTargets();
}

//==============================================================================
void OndrellaAudioProcessor::applyDefaultPreset()
{
    // Without the default preset, or with a file that fails the header rule, the table defaults stay.
    if (! presetStore.chooseDefaultPreset())
        return;

    const auto& current = presetStore.currentPreset;

    if (auto data = presetStore.loadPresetData (current.folder, current.index))
        if (PresetFileHeader::extractStateBlob (*data, presetStore.expectedRawSize))
            readState (data->getData(), (int) data->getSize(), true);
}
