#pragma once

#include "BypassDelayLine.h"
#include "Filters.h"
#include "Float4.h"
#include "LevelMeter.h"
#include "ModulatedDelayLine.h"
#include "NoiseRandomState.h"
#include "PinkNoiseFilter.h"
#include "RampedValue.h"
#include "TapeConstants.h"
#include "TiltDelayLine.h"

#include "processor/ParameterTable.h"

#include <atomic>
#include <cmath>
#include <limits>
#include <cstdint>

/** The whole signal state of one plug-in instance: the copies of the sixteen parameters, the
    ramps that smooth them, every filter, delay line and noise state of the tape chain, and the
    level meters.

    Per block, the owner hands over the sixteen normalised parameter values with setParameters()
    and then runs the chain in place with process(). The chain works on a four-lane frame
    {wet left, wet right, dry left, dry right}: the wet lanes carry the head-tilted input and get
    tone, noise, drive, compression and gain; the dry lanes go through the same band split, an
    equal (unity) head bank and an equal delay, so both paths stay aligned. Every buffer is made
    at construction; nothing here allocates, locks or waits afterwards.

    Threads: prepare(), reset(), readParameters() and process() belong to the audio side (the host
    never runs prepare and process at once). snapToTargets() may be called from any thread at any
    time; takeMeterLevel() is the editor's side of the meter handshake.
*/
class TapeEngine
{
public:
    /** The twelve ramps that smooth the parameters over one block. */
    struct Ramps
    {
        RampedValue dryWet, inputGain, outputGain, crossbleed, noiseType, noiseLevel;
        RampedValue tiltDelay[2];   // samples, channel 0 and 1
        RampedValue eqGain[4];      // dB, bands 1 to 4
    };

    static constexpr int maximumChannels = 2;
    static constexpr float minimumSampleRate = 44100.0f;

    /** The highest rate whose full head tilt still fits the tilt buffer (about 1.36 MHz). */
    static constexpr float maximumSampleRate = (float) (TiltDelayLine::size - 2) / TapeConstants::maximumTiltSeconds;

    TapeEngine();

    //==============================================================================
    /** Lays the chain out for a sample rate; always followed by reset(). The rate is kept
        finite and within minimumSampleRate .. maximumSampleRate.
    */
    void prepare (float newSampleRate) noexcept;

    /** Clears every signal state (filters, delays, pink noise, meter peaks). */
    void reset() noexcept;

    /** Asks for every ramp, and the tone bands, to jump to the parameter values of the next
        block instead of ramping to them: after a state or preset has been applied, it is in force
        from the first sample of the next block. Wait-free and callable from any thread.
    */
    void snapToTargets() noexcept;

    float getSampleRate() const noexcept    { return sampleRate; }

    /** The chain's pure delay: int (rate × 0.002) + 3 samples. */
    int getChainDelaySamples() const noexcept;

    /** The latency reported to the host, one sample more than the chain's delay. */
    int getLatencySamples() const noexcept;

    //==============================================================================
    /** Starts a block: takes a snap asked for since the last block, then reads the sixteen
        normalised values through readValue (int index) -> float, in table order. Reading them
        only after the snap request has been seen means a restore's values are all in force
        together. Each value is read as a finite value in 0..1 (anything else counts as the
        parameter's default); the two selectors become positions 0..2.
    */
    template <typename ReadValue>
    void readParameters (ReadValue&& readValue) noexcept
    {
        if (snapPending.exchange (false, std::memory_order_acquire))
            snapThisBlock = true;

        float values[numParameters];
        for (int index = 0; index < numParameters; ++index)
            values[index] = readValue (index);

        copyParameters (values);
    }

    /** The same, from sixteen values already read. */
    void setParameters (const float* normalisedValues) noexcept
    {
        readParameters ([normalisedValues] (int index)    { return normalisedValues[index]; });
    }

    /** Sets the ramp targets from the parameter copies, reaching them in numSamples steps. */
    void setRampTargets (int numSamples) noexcept;

    /** Runs the chain in place over a block of one or two channels (more are left alone) and
        updates the meters. A block of no samples only takes the new ramp targets.
    */
    void process (float* const* channels, int numChannels, int numSamples) noexcept;

    /** The host's bypass: the input delayed by getLatencySamples(), nothing else. */
    void processBypassed (float* const* channels, int numChannels, int numSamples) noexcept;

    //==============================================================================
    /** The editor's side of the meter handshake: the peak of a channel since the previous take. */
    float takeMeterLevel (int channel) noexcept;

    const LevelMeter& getMeter (int channel) const noexcept    { return meters[channel & 1]; }

    //==============================================================================
    // Read-only views for tests and diagnostics.
    const Ramps& getRamps() const noexcept                      { return ramps; }
    int getTapeType() const noexcept                            { return tapeType; }
    int getNoiseSetting() const noexcept                        { return noiseSetting; }
    const BiquadBank4& getEqBand (int band) const noexcept      { return eqBands[band & 3]; }

    /** The selector positions of normalised "TAPE" and "NOISE" values. */
    static int tapeTypeFor (float normalised) noexcept;
    static int noiseSettingFor (float normalised) noexcept;

private:
    struct HeadBank
    {
        BiquadBank4 filters;
        float4 lastOutput;
    };

    /** How many samples each stage runs over before the next stage takes them. */
    static constexpr int chunkSize = 64;

    /** One chunk's values between the stages. */
    struct ChunkScratch
    {
        float4 frames[chunkSize];   // the frame, then band 2 after the split
        float4 band1[chunkSize], band3[chunkSize], band4[chunkSize];
        float4 noise[chunkSize];
        float input[maximumChannels][chunkSize], tilted[maximumChannels][chunkSize];
        float4 wetBands[maximumChannels][chunkSize];    // the four wet bands of a channel
        float4 levels[chunkSize], gains[chunkSize];     // the compressor's, for one channel
        float wet[maximumChannels][chunkSize], dry[maximumChannels][chunkSize];
        float inputGains[chunkSize], mixes[chunkSize], outputGains[chunkSize], wowOffsets[chunkSize];
    };

    struct BlockValues
    {
        float4 drive { 1.0f };
        float4 bandPreGain { 1.0f };
        float4 noiseAmplitude;
        float wowIncrement = 0.0f;
        float wowDepth = 0.0f;
        float tapeOutputScale = 0.0f;
    };

    /** exp (dB × 0.115129255) of a ramp's value, worked out again only when the value moves:
        outside a ramp the gain of a block is one exp, not one a sample.
    */
    struct DecibelConverter
    {
        float decibels = std::numeric_limits<float>::quiet_NaN();
        float gain = 1.0f;

        float operator() (float newDecibels) noexcept
        {
            if (newDecibels != decibels)
            {
                decibels = newDecibels;
                gain = TapeConstants::gainFromDecibels (newDecibels);
            }

            return gain;
        }
    };

    //==============================================================================
    template <typename Apply>
    void forEachRampTarget (Apply&& apply) noexcept;

    void copyParameters (const float* values) noexcept;
    void snapRamps() noexcept;
    void designEqFromCurrent() noexcept;
    void designHeadBanks (int numChannels) noexcept;
    void setCompressionRatios() noexcept;

    float4 eqGainsToLinear() noexcept;
    void updateEq() noexcept;
    float4 processTone (float4 frame) noexcept;

    void addNoiseAndDrive (int numChannels, int numSamples) noexcept;
    void processChunk (float* const* channels, int numChannels, int numSamples) noexcept;
    void processToneBlock (float4* frames, int numSamples) noexcept;
    void splitBandsBlock (int numSamples) noexcept;
    float advanceWowPhase() noexcept;
    [[gnu::always_inline]] inline void applyCrossbleed (float4& wetBandsLeft, float4& wetBandsRight) noexcept;
    void compressBands (const float4* wetBands, float* output, int numSamples) noexcept;

    /** One sample into a head bank: the last four inputs, one per lane, through its four filters
        at once; lane 0 of the result is the bank's output.
    */
    static float runHeadBank (HeadBank& bank, float input) noexcept
    {
        bank.lastOutput = bank.filters.process (shiftDownAndInsert (bank.lastOutput, input));
        return bank.lastOutput[0];
    }
    void updateMeters (const float* const* channels, int numChannels, int numSamples) noexcept;

    /** The input of a channel made safe for the chain: what is not a number becomes 0, the rest is
        held within ±1e15. In place, four samples at a time.
    */
    static void makeFinite (float* samples, int numSamples) noexcept;

    //==============================================================================
    float wowPhase = 0.0f;
    float sampleRate = minimumSampleRate;

    // Parameter copies, normalised, starting at the table defaults so a new engine has no ramp to run.
    float inputGain      = parameterDefinitions[ParameterIndex::inputGain].normalisedDefault();
    float outputGain     = parameterDefinitions[ParameterIndex::outputGain].normalisedDefault();
    float dryWet         = parameterDefinitions[ParameterIndex::dryWetMix].normalisedDefault();
    float crossbleed     = parameterDefinitions[ParameterIndex::crossbleed].normalisedDefault();
    float noiseType      = parameterDefinitions[ParameterIndex::noiseType].normalisedDefault();
    float noiseLevel     = parameterDefinitions[ParameterIndex::noiseLevel].normalisedDefault();
    float eqGain[4]      { parameterDefinitions[ParameterIndex::eqB1Gain].normalisedDefault(),
                           parameterDefinitions[ParameterIndex::eqB2Gain].normalisedDefault(),
                           parameterDefinitions[ParameterIndex::eqB3Gain].normalisedDefault(),
                           parameterDefinitions[ParameterIndex::eqB4Gain].normalisedDefault() };
    float motorQuality   = parameterDefinitions[ParameterIndex::motorQuality].normalisedDefault();
    float headQuality    = parameterDefinitions[ParameterIndex::headQuality].normalisedDefault();
    float tapeQuality    = parameterDefinitions[ParameterIndex::tapeQuality].normalisedDefault();
    float headTilt       = parameterDefinitions[ParameterIndex::headTilt].normalisedDefault();
    int32_t tapeType     = tapeTypeFor (parameterDefinitions[ParameterIndex::tape].normalisedDefault());
    int32_t noiseSetting = noiseSettingFor (parameterDefinitions[ParameterIndex::noise].normalisedDefault());

    Ramps ramps;

    CrossoverSection4 crossovers[9];
    HeadBank headBankA[maximumChannels], headBankB[maximumChannels];
    BiquadBank4 eqBands[4];
    float eqDesignGains[4] {};   // the linear gains eqBands are designed for

    float4 bandRatio, bandInverseRatio, bandSlope;
    float4 bandThreshold, bandKnee, bandHalfKnee, bandDoubleKnee;

    ModulatedDelayLine wetDelay[maximumChannels], dryDelay[maximumChannels];
    TiltDelayLine tiltDelay[maximumChannels];
    PinkNoiseFilter pinkNoise;
    NoiseRandomSource noiseSource;
    BypassDelayLine bypassDelay;
    LevelMeter meters[maximumChannels];

    /** The head-bank designs of the last block and what they were made for. */
    struct HeadDesign
    {
        BiquadCoeffs4 a, b;
        float headQuality = std::numeric_limits<float>::quiet_NaN();
        float sampleRate = 0.0f;
    };

    BlockValues block;
    HeadDesign headDesign;
    ChunkScratch chunkScratch;
    DecibelConverter inputGainConverter, outputGainConverter, noiseGainConverter;
    bool eqRamping = false;

    // Set by snapToTargets() on any thread; taken when a block starts to read its parameters.
    std::atomic<bool> snapPending { false };
    bool snapThisBlock = false;
};
