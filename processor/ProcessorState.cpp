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

    if (! parametersOnly)
    {
        // Asked for on any thread: the store answers with what a host may read there.
        const auto identity = presetStore.currentIdentity();

        if (identity.valid)
        {
            out.writeInt (identity.folderNameHash);
            out.writeInt (identity.presetNameHash);
        }
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

        if (PresetStore::isStoreThread())
        {
            presetStore.identifyCurrentPreset (folderNameHash, presetNameHash);
        }
        else
        {
            // The views read the store on the message thread: the preset named is handed over to
            // be made current there, while state reads on this thread name it at once.
            presetStore.noteRestoredIdentity (folderNameHash, presetNameHash);
        }
    }

    engine.snapToTargets();
    restoreHandOver.trigger();
}

void OndrellaAudioProcessor::restoreHandedOver()
{
    presetStore.applyRestoredIdentity();
    sendSynchronousChangeMessage();
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
