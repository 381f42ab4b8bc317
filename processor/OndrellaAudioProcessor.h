#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

#include <atomic>

#include "../dsp/TapeEngine.h"
#include "MessageThreadHandOver.h"
#include "PresetStore.h"

/** The processor the host creates for each instance of the plug-in.

    It owns the sixteen host parameters (in table order), the tape engine that processBlock
    drives and the preset store; it saves and restores its state as a blob and broadcasts a
    change whenever a state has been applied.

    Threads: processBlock runs on the audio thread and touches only the parameters (atomic), the
    engine and the playing flag, never the store. Everything else runs on the message thread,
    except that a host may construct the processor, and read or restore its state, on a thread of
    its own. A restore there applies the values at once, but leaves the preset it names to the
    message thread, which makes it current and broadcasts the change (see PresetStore). The
    processor may be deleted on any thread, even while the message thread is doing that.
*/
class OndrellaAudioProcessor  : public juce::AudioProcessor,
                                public juce::ChangeBroadcaster
{
public:
    OndrellaAudioProcessor();
    ~OndrellaAudioProcessor() override;

    //==============================================================================
    const juce::String getName() const override;

    void prepareToPlay (double sampleRate, int maximumExpectedSamplesPerBlock) override;
    void releaseResources() override;

    void processBlock (juce::AudioBuffer<float>&, juce::MidiBuffer&) override;
    void processBlockBypassed (juce::AudioBuffer<float>&, juce::MidiBuffer&) override;
    using juce::AudioProcessor::processBlock;
    using juce::AudioProcessor::processBlockBypassed;

    double getTailLengthSeconds() const override;
    bool acceptsMidi() const override;
    bool producesMidi() const override;

    juce::AudioProcessorEditor* createEditor() override;
    bool hasEditor() const override;

    int getNumPrograms() override;
    int getCurrentProgram() override;
    void setCurrentProgram (int index) override;
    const juce::String getProgramName (int index) override;
    void changeProgramName (int index, const juce::String& newName) override;

    void getStateInformation (juce::MemoryBlock& destData) override;
    void setStateInformation (const void* data, int sizeInBytes) override;

    juce::int32 getAAXPluginIDForMainBusConfig (const juce::AudioChannelSet& mainInputLayout,
                                                const juce::AudioChannelSet& mainOutputLayout,
                                                bool idForAudioSuite) const override;

    bool isBusesLayoutSupported (const BusesLayout& layouts) const override;

    /** Sets a parameter's normalised value without telling anyone; values are clamped to 0..1
        and a non-finite one counts as the parameter's default. Indices outside 0..15 are ignored.
    */
    JUCE_BEGIN_IGNORE_WARNINGS_GCC_LIKE ("-Wdeprecated-declarations")
    void setParameter (int parameterIndex, float newValue) override;
    JUCE_END_IGNORE_WARNINGS_GCC_LIKE

    /** Tells the parameter's listeners, and through them the host, of a value set by setParameter. */
    void sendParameterChange (int parameterIndex, float newValue);

    /** Reads a parameter as the signal chain and the editor use it: finite and within 0..1. */
    float getParameterValue (int parameterIndex) const;

    //==============================================================================
    /** Writes the sixteen values, and unless parametersOnly the current preset's identity. */
    void writeState (juce::MemoryBlock& destination, bool parametersOnly);

    /** Applies a state blob: missing values take their defaults, and unless parametersOnly
        trailing preset identity re-selects the current preset (off the message thread, once the
        message thread has run). Ends with a change broadcast, which comes from the message thread.
    */
    void readState (const void* data, int sizeInBytes, bool parametersOnly);

    //==============================================================================
    /** The host transport's playing flag, written by the audio thread and read by the editor. */
    std::atomic<bool> isPlaying { false };

    TapeEngine engine;
    PresetStore presetStore;

private:
    void applyDefaultPreset();

    /** On the message thread after a restore: makes current the preset that a restore on another
        thread named, and broadcasts the change.
    */
    void restoreHandedOver();

    // Every broadcast after a restore goes through this, never through the broadcaster's own
    // message, whose delivery could outlive the processor when it is deleted on another thread.
    MessageThreadHandOver restoreHandOver { [this] { restoreHandedOver(); } };

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (OndrellaAudioProcessor)
};
