#include "TapeEngine.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace
{
    using namespace TapeConstants;

    float fourthPower (float x) noexcept              { const auto square = x * x; return square * square; }

    /** convert (ramp.next()) for each sample of a block; outside a ramp one conversion fills it. */
    template <typename Convert>
    void rampValues (RampedValue& ramp, Convert&& convert, float* values, int numSamples) noexcept
    {
        if (! ramp.isRamping())
        {
            std::fill (values, values + numSamples, convert (ramp.target));
            return;
        }

        for (int i = 0; i < numSamples; ++i)
            values[i] = convert (ramp.next());
    }

    // Four band vectors (lanes = frame lanes) regrouped so that lanes become bands: one vector per channel.
    void bandsOfChannels (float4 band1, float4 band2, float4 band3, float4 band4, float4& left, float4& right) noexcept
    {
        const auto low  = shuffle<0, 4, 1, 5> (band1, band2);   // {1L, 2L, 1R, 2R}
        const auto high = shuffle<0, 4, 1, 5> (band3, band4);   // {3L, 4L, 3R, 4R}
        left  = shuffle<0, 1, 4, 5> (low, high);
        right = shuffle<2, 3, 6, 7> (low, high);
    }
}

//==============================================================================
TapeEngine::TapeEngine()
{
    prepare (minimumSampleRate);
    snapRamps();
    reset();
}

void TapeEngine::prepare (float newSampleRate) noexcept
{
    // Below 44.1 kHz the chain runs laid out for 44.1 kHz; above the top rate the head tilt would
    // outgrow its buffer. A rate that is not a number counts as the lowest.
    if (! (newSampleRate >= minimumSampleRate))
        newSampleRate = minimumSampleRate;
    else if (newSampleRate > maximumSampleRate)
        newSampleRate = maximumSampleRate;

    sampleRate = newSampleRate;

    const auto baseDelay = sampleRate * tapeDelaySeconds;

    for (int ch = 0; ch < maximumChannels; ++ch)
    {
        wetDelay[ch].reset (baseDelay);
        dryDelay[ch].reset (baseDelay);
    }

    designFourBandSplit (crossovers, sampleRate, float4 (crossoverFrequencies[0]),
                         float4 (crossoverFrequencies[1]), float4 (crossoverFrequencies[2]));

    bandThreshold = bandThresholds;
    bandKnee = bandKnees;
    bandHalfKnee = bandKnees * 0.5f;
    bandDoubleKnee = bandKnees * 2.0f;

    designEqFromCurrent();
}

void TapeEngine::reset() noexcept
{
    for (int ch = 0; ch < maximumChannels; ++ch)
    {
        for (auto* bank : { &headBankA[ch], &headBankB[ch] })
        {
            bank->filters.reset();
            bank->lastOutput = float4();
        }

        // The base delay is a whole number of samples from here on.
        const auto baseDelay = (float) (int) (sampleRate * tapeDelaySeconds);
        wetDelay[ch].reset (baseDelay);
        dryDelay[ch].reset (baseDelay);

        tiltDelay[ch].reset();
        meters[ch].clearPeak();
    }

    for (auto& section : crossovers)
        section.reset();

    pinkNoise.reset();

    for (auto& band : eqBands)
        band.reset();

    bypassDelay.reset (getLatencySamples());
}

void TapeEngine::snapToTargets() noexcept
{
    snapPending.store (true, std::memory_order_release);
}

int TapeEngine::getChainDelaySamples() const noexcept    { return (int) (sampleRate * tapeDelaySeconds) + 3; }
int TapeEngine::getLatencySamples() const noexcept       { return getChainDelaySamples() + 1; }

//==============================================================================
int TapeEngine::tapeTypeFor (float normalised) noexcept
{
    const auto position = (int) (10.0f * sanitisedParameterValue (ParameterIndex::tape, normalised));
    return position < 0 ? 0 : (position > metalTape ? metalTape : position);
}

int TapeEngine::noiseSettingFor (float normalised) noexcept
{
    // Positions past the switch's three (a host may set any value) count as the first.
    const auto position = (int) (10.0f * sanitisedParameterValue (ParameterIndex::noise, normalised));
    return position < 0 || position > noNoise ? highNoise : position;
}

void TapeEngine::copyParameters (const float* values) noexcept
{
    const auto value = [values] (int index)    { return sanitisedParameterValue (index, values[index]); };

    inputGain    = value (ParameterIndex::inputGain);
    outputGain   = value (ParameterIndex::outputGain);
    dryWet       = value (ParameterIndex::dryWetMix);
    motorQuality = value (ParameterIndex::motorQuality);
    headQuality  = value (ParameterIndex::headQuality);
    tapeQuality  = value (ParameterIndex::tapeQuality);
    crossbleed   = value (ParameterIndex::crossbleed);
    noiseSetting = noiseSettingFor (values[ParameterIndex::noise]);
    tapeType     = tapeTypeFor (values[ParameterIndex::tape]);

    for (int k = 0; k < 4; ++k)
        eqGain[k] = value (ParameterIndex::eqB1Gain + k);

    noiseType  = value (ParameterIndex::noiseType);
    noiseLevel = value (ParameterIndex::noiseLevel);
    headTilt   = value (ParameterIndex::headTilt);
}

//==============================================================================
template <typename Apply>
void TapeEngine::forEachRampTarget (Apply&& apply) noexcept
{
    apply (ramps.inputGain,  72.0f * inputGain - 48.0f);
    apply (ramps.outputGain, 72.0f * outputGain - 48.0f);
    apply (ramps.dryWet,     dryWet);
    apply (ramps.crossbleed, crossbleed);
    apply (ramps.noiseType,  noiseType);
    apply (ramps.noiseLevel, 24.0f * noiseLevel - 12.0f);

    for (int k = 0; k < 4; ++k)
        apply (ramps.eqGain[k], 24.0f * eqGain[k] - 12.0f);

    // The tilt delays one channel or the other, by up to 12 ms, never both.
    const auto tilt = 2.0f * headTilt - 1.0f;
    const auto maximumDelay = sampleRate * maximumTiltSeconds;
    apply (ramps.tiltDelay[0], tilt < 0.0f ? maximumDelay * -tilt : 0.0f);
    apply (ramps.tiltDelay[1], tilt > 0.0f ? maximumDelay * tilt : 0.0f);
}

void TapeEngine::setRampTargets (int numSamples) noexcept
{
    float eqTargetsBefore[4];
    for (int k = 0; k < 4; ++k)
        eqTargetsBefore[k] = ramps.eqGain[k].target;

    forEachRampTarget ([numSamples] (RampedValue& ramp, float value)    { ramp.setTarget (value, numSamples); });

    // An empty block takes a new EQ setting at once; the tone bands must take it too, since no
    // sample of this block will redesign them and the next block sees no ramp to run.
    if (numSamples <= 0)
        for (int k = 0; k < 4; ++k)
            if (ramps.eqGain[k].target != eqTargetsBefore[k])
            {
                designEqFromCurrent();
                break;
            }
}

void TapeEngine::snapRamps() noexcept
{
    forEachRampTarget ([] (RampedValue& ramp, float value)    { ramp.snap (value); });

    designEqFromCurrent();
}

//==============================================================================
void TapeEngine::designEqFromCurrent() noexcept
{
    for (int k = 0; k < 4; ++k)
    {
        eqDesignGains[k] = gainFromDecibels (ramps.eqGain[k].current);
        eqBands[k].coeffs = designPeakingBank4 (eqFrequencies[k], eqDesignGains[k], sampleRate);
    }
}

float4 TapeEngine::eqGainsToLinear() noexcept
{
    float4 decibels;

    for (int k = 0; k < 4; ++k)
        decibels.set (k, ramps.eqGain[k].next());

    return decibelsToGain (decibels);
}

void TapeEngine::updateEq() noexcept
{
    const auto gains = eqGainsToLinear();

    // A band whose gain has not moved keeps its design (the same gain gives the same one).
    for (int k = 0; k < 4; ++k)
    {
        if (gains[k] != eqDesignGains[k])
        {
            eqDesignGains[k] = gains[k];
            eqBands[k].coeffs = designPeakingBank4 (eqFrequencies[k], gains[k], sampleRate);
        }
    }
}

float4 TapeEngine::processTone (float4 frame) noexcept
{
    return eqBands[3].process (eqBands[2].process (eqBands[1].process (eqBands[0].process (frame))));
}

void TapeEngine::designHeadBanks (int numChannels) noexcept
{
    // The designs depend on the head quality and the rate only: the same two give the same designs.
    const auto h = headQuality;

    if (! (h == headDesign.headQuality && sampleRate == headDesign.sampleRate))
    {
        const float4 rate (sampleRate);
        const auto frequencies = headBankFrequencies + float4 (0.0f, 0.0f, 0.0f, headLowPassShift * fourthPower (h));
        const float4 gains (headBankGains[0] * (h + 0.2f) + 15.0f * h, headBankGains[1] * (1.5f * h + 0.2f), 1.0f, 1.0f);

        headDesign.a = designBiquadBank4 (rate, frequencies, headBankQ, 0, 0, gains);
        headDesign.b = designBiquadBank4 (rate, frequencies, headBankQ, 1, 1, float4 (1.0f));
        headDesign.headQuality = h;
        headDesign.sampleRate = sampleRate;
    }

    for (int ch = 0; ch < numChannels; ++ch)
    {
        headBankA[ch].filters.coeffs = headDesign.a;
        headBankB[ch].filters.coeffs = headDesign.b;
    }
}

void TapeEngine::setCompressionRatios() noexcept
{
    bandRatio = bandRatios * tapeTypeRatioFactors[tapeType];
    bandInverseRatio = float4 (1.0f) / bandRatio;
    bandSlope = bandInverseRatio - 1.0f;
}

//==============================================================================
void TapeEngine::addNoiseAndDrive (int numChannels, int numSamples) noexcept
{
    auto& c = chunkScratch;

    // The white samples first: the draws in the sequence's order, one or two a frame, turned into
    // samples four lanes at a time ({first, second, first, second} in stereo, the first in all
    // four lanes in mono), the same division in each lane as for a single one.
    for (int i = 0; i < numSamples; ++i)
    {
        const auto first = low24 (noiseSource.next());
        const auto second = numChannels < 2 ? first : low24 (noiseSource.next());
        c.noise[i] = whiteNoiseFromLow24 (float4 (first, second, first, second));
    }

    auto pink = pinkNoise;

    for (int i = 0; i < numSamples; ++i)
    {
        const auto t = ramps.noiseType.next();
        const auto white = c.noise[i];
        const auto noise = white * (1.0f - t) + pink.process (white) * t;
        const auto g = noiseGainConverter (ramps.noiseLevel.next());

        const auto frame = c.frames[i] + noise * (block.noiseAmplitude * float4 (g, g, 0.0f, 0.0f));
        c.frames[i] = (frame * block.drive) * float4 (c.inputGains[i], c.inputGains[i], 1.0f, 1.0f);
    }

    pinkNoise = pink;
}

float TapeEngine::advanceWowPhase() noexcept
{
    // The phase stays in [0, 2π) and moves by far less than 2π a sample, so the remainder is
    // nearly always the sum itself or one exact subtraction; fmod is only the fallback.
    const auto sum = wowPhase + block.wowIncrement;
    wowPhase = sum < twoPi ? sum : (sum < 2.0f * twoPi ? sum - twoPi : std::fmod (sum, twoPi));
    return wowPhase;
}

inline void TapeEngine::applyCrossbleed (float4& wetBandsLeft, float4& wetBandsRight) noexcept
{
    const auto amounts = crossbleedBandAmounts * ramps.crossbleed.next();
    const auto left  = wetBandsLeft + amounts * wetBandsRight;
    const auto right = wetBandsRight + amounts * wetBandsLeft;
    const auto compensation = 1.0f - crossbleedCompensation * amounts;
    wetBandsLeft = left * compensation;
    wetBandsRight = right * compensation;
}

void TapeEngine::compressBands (const float4* wetBands, float* output, int numSamples) noexcept
{
    // One sample's level → gain → output path is a long chain of dependent steps (log, knee, exp).
    // Run as three loops over the chunk, each loop's samples are independent of one another and
    // short enough for the processor to work on several at once. The steps are those of a single
    // sample, in the same order. The values of the block are held in locals: the stores to the
    // scratch buffers, members too, would otherwise make the compiler read them again each time.
    auto* levels = chunkScratch.levels;
    auto* gains = chunkScratch.gains;
    const auto preGain = block.bandPreGain;
    const auto threshold = bandThreshold, halfKnee = bandHalfKnee, doubleKnee = bandDoubleKnee, slope = bandSlope;
    const auto outputScale = block.tapeOutputScale;
    const auto toDecibels = float4 (1.0f) / ln10;

    for (int i = 0; i < numSamples; ++i)
    {
        const auto magnitude = abs (wetBands[i] * preGain);

        // Nearly always every band is a normal number, whose log needs no checks.
        if (__builtin_expect (isNormalPositive (magnitude).all(), 1))
        {
            levels[i] = logOfNormal (magnitude) * toDecibels * 20.0f;
            continue;
        }

        // The level in dB; a band that is exactly zero counts as -500 dB (and its log is never taken).
        const auto silent = magnitude == float4();
        levels[i] = select (silent, float4 (-500.0f),
                            log (select (silent, float4 (1.0f), magnitude)) * toDecibels * 20.0f);
    }

    const auto kneeTop = threshold + halfKnee, kneeBottom = threshold - halfKnee;

    for (int i = 0; i < numSamples; ++i)
    {
        const auto level = levels[i];
        const auto d = level - threshold;
        const auto kneeOffset = d + halfKnee;
        const auto aboveKnee = slope * d;
        const auto inKnee = slope * (kneeOffset * kneeOffset) / doubleKnee;

        gains[i] = select (level >= kneeTop, aboveKnee, select (level >= kneeBottom, inKnee, float4()));
    }

    for (int i = 0; i < numSamples; ++i)
        gains[i] = exp (gains[i] * (1.0f / 20.0f) * ln10);

    // The band sums of four samples at once: with the four outputs transposed into lanes, the
    // lanes of each add up in the same order as sumLanes().
    int i = 0;

    for (; i + 4 <= numSamples; i += 4)
    {
        float4 y[4];

        for (int k = 0; k < 4; ++k)
            y[k] = (wetBands[i + k] * preGain) * (bandPostGains * gains[i + k]);

        const auto low01 = shuffle<0, 4, 1, 5> (y[0], y[1]), high01 = shuffle<2, 6, 3, 7> (y[0], y[1]);
        const auto low23 = shuffle<0, 4, 1, 5> (y[2], y[3]), high23 = shuffle<2, 6, 3, 7> (y[2], y[3]);
        const auto band1 = shuffle<0, 1, 4, 5> (low01, low23), band2 = shuffle<2, 3, 6, 7> (low01, low23);
        const auto band3 = shuffle<0, 1, 4, 5> (high01, high23), band4 = shuffle<2, 3, 6, 7> (high01, high23);

        (((band1 + band3) + (band2 + band4)) * outputScale).store (output + i);
    }

    for (; i < numSamples; ++i)
    {
        const auto y = (wetBands[i] * preGain) * (bandPostGains * gains[i]);
        output[i] = sumLanes (y) * outputScale;
    }
}

//==============================================================================
void TapeEngine::makeFinite (float* samples, int numSamples) noexcept
{
    // Nothing that is not a number may reach a filter or delay state, where it would stay for good;
    // and nothing near the float range, which the gains ahead could carry past it.
    constexpr float largest = 1.0e15f;
    const float4 lowest (-largest), highest (largest), finiteLimit (std::numeric_limits<float>::max());

    int i = 0;

    for (; i + 4 <= numSamples; i += 4)
    {
        const auto x = float4::load (samples + i);
        select (abs (x) <= finiteLimit, clamp (x, lowest, highest), float4()).store (samples + i);
    }

    for (; i < numSamples; ++i)
    {
        const auto x = samples[i];
        samples[i] = ! std::isfinite (x) ? 0.0f : (x < -largest ? -largest : (x > largest ? largest : x));
    }
}

void TapeEngine::process (float* const* channels, int numChannels, int numSamples) noexcept
{
    if (channels == nullptr || numChannels <= 0)
        return;

    if (numChannels > maximumChannels)
        numChannels = maximumChannels;

    if (numSamples < 0)
        numSamples = 0;

    designHeadBanks (numChannels);
    setCompressionRatios();
    block.noiseAmplitude = noiseAmplitudes[noiseSetting];

    // A snap asked for before this block's values were read takes them at once.
    if (snapThisBlock)
    {
        snapThisBlock = false;
        snapRamps();
    }
    else
    {
        setRampTargets (numSamples);
    }

    eqRamping = false;
    for (const auto& ramp : ramps.eqGain)
        eqRamping = eqRamping || ramp.isRamping();

    if (numSamples == 0)
        return;

    const auto driveAmount = 1.0f + 12.0f * (1.0f - tapeQuality) + 2.0f * (1.0f - headQuality);
    block.drive = float4 (driveAmount, driveAmount, 1.0f, 1.0f);
    block.wowIncrement = (15.0f + 10.0f * (1.0f - motorQuality)) / sampleRate;
    block.wowDepth = 35.0f * (1.0f - motorQuality);
    block.bandPreGain = bandPreGains * tapeTypeBandGains[tapeType];
    block.tapeOutputScale = 0.15f + 0.2f * fourthPower (tapeQuality);

    noiseSource.beginBlock (numSamples * numChannels);

    for (int start = 0; start < numSamples; start += chunkSize)
    {
        float* chunk[maximumChannels] {};
        for (int ch = 0; ch < numChannels; ++ch)
            chunk[ch] = channels[ch] + start;

        processChunk (chunk, numChannels, std::min (chunkSize, numSamples - start));
    }

    updateMeters (channels, numChannels, numSamples);
}

void TapeEngine::processChunk (float* const* channels, int numChannels, int numSamples) noexcept
{
    // Each stage runs over the whole chunk before the next one starts. Within a sample the stages
    // still see exactly the values they would see one sample at a time (each keeps its own state
    // and ramps), so the numbers are the same; but filter states stay in registers for a chunk,
    // and the independent samples of the compressor overlap in the processor.
    auto& c = chunkScratch;
    const bool stereo = numChannels >= 2;

    const auto bytes = sizeof (float) * (std::size_t) numSamples;
    std::memcpy (c.input[0], channels[0], bytes);
    std::memcpy (c.input[1], channels[stereo ? 1 : 0], bytes);
    makeFinite (c.input[0], numSamples);

    if (stereo)
        makeFinite (c.input[1], numSamples);
    else
        std::memcpy (c.input[1], c.input[0], bytes);

    bypassDelay.pushBlock (c.input[0], c.input[1], numSamples);

    // The frame: {tilted left, tilted right, left, right}; mono has no tilt.
    if (stereo)
    {
        tiltDelay[0].process (c.input[0], c.tilted[0], ramps.tiltDelay[0], numSamples);
        tiltDelay[1].process (c.input[1], c.tilted[1], ramps.tiltDelay[1], numSamples);
    }

    for (int i = 0; i < numSamples; ++i)
        c.frames[i] = stereo ? float4 (c.tilted[0][i], c.tilted[1][i], c.input[0][i], c.input[1][i])
                             : float4 (c.input[0][i]);

    rampValues (ramps.inputGain, inputGainConverter, c.inputGains, numSamples);
    rampValues (ramps.dryWet, [] (float value) { return value; }, c.mixes, numSamples);
    rampValues (ramps.outputGain, outputGainConverter, c.outputGains, numSamples);

    if (eqRamping)
    {
        for (int i = 0; i < numSamples; ++i)
        {
            updateEq();
            c.frames[i] = processTone (c.frames[i]);
        }
    }
    else
    {
        processToneBlock (c.frames, numSamples);
    }

    addNoiseAndDrive (numChannels, numSamples);

    splitBandsBlock (numSamples);

    for (int i = 0; i < numSamples; ++i)
    {
        // With no depth the offset is 0 whatever the sine; the phase moves on all the same.
        const auto phase = advanceWowPhase();
        c.wowOffsets[i] = block.wowDepth != 0.0f ? block.wowDepth * std::sin (phase) : 0.0f;

        const auto band1 = c.band1[i], band2 = c.frames[i], band3 = c.band3[i], band4 = c.band4[i];

        float4 wetBands[maximumChannels];
        bandsOfChannels (band1, band2, band3, band4, wetBands[0], wetBands[1]);

        if (stereo)
            applyCrossbleed (wetBands[0], wetBands[1]);

        // The dry band sums of both channels in lanes 2 and 3, added lane by lane.
        const auto drySums = (band1 + band3) + (band2 + band4);

        for (int ch = 0; ch < numChannels; ++ch)
        {
            c.wetBands[ch][i] = wetBands[ch];
            c.dry[ch][i] = drySums[2 + ch];
        }
    }

    for (int ch = 0; ch < numChannels; ++ch)
        compressBands (c.wetBands[ch], c.wet[ch], numSamples);

    for (int ch = 0; ch < numChannels; ++ch)
    {
        auto headA = headBankA[ch], headB = headBankB[ch];
        auto* wet = c.wet[ch];
        auto* dry = c.dry[ch];

        for (int i = 0; i < numSamples; ++i)
        {
            wet[i] = runHeadBank (headA, wet[i]);
            dry[i] = runHeadBank (headB, dry[i]);
        }

        headBankA[ch] = headA;
        headBankB[ch] = headB;

        wetDelay[ch].process (wet, c.wowOffsets, wet, numSamples);
        dryDelay[ch].process (dry, dry, numSamples);

        auto* out = channels[ch];
        int i = 0;

        for (; i + 4 <= numSamples; i += 4)
        {
            const auto mix = float4::load (c.mixes + i);
            ((mix * float4::load (wet + i)) * float4::load (c.outputGains + i)
               + (1.0f - mix) * float4::load (dry + i)).store (out + i);
        }

        for (; i < numSamples; ++i)
        {
            const auto mix = c.mixes[i];
            out[i] = (mix * wet[i]) * c.outputGains[i] + (1.0f - mix) * dry[i];
        }
    }
}

void TapeEngine::processToneBlock (float4* frames, int numSamples) noexcept
{
    auto band0 = eqBands[0], band1 = eqBands[1], band2 = eqBands[2], band3 = eqBands[3];

    for (int i = 0; i < numSamples; ++i)
        frames[i] = band3.process (band2.process (band1.process (band0.process (frames[i]))));

    eqBands[0] = band0;
    eqBands[1] = band1;
    eqBands[2] = band2;
    eqBands[3] = band3;
}

void TapeEngine::splitBandsBlock (int numSamples) noexcept
{
    // The sections over the chunk, each in the same order within its band: band 1 is
    // 0 → 1 → 2, band 2 is 3 → 4 → 5 (left in frames), band 3 is 3 → 6 → 7 and band 4 is 3 → 6 → 8.
    auto& c = chunkScratch;
    const auto bytes = sizeof (float4) * (std::size_t) numSamples;

    // Sections that do not feed one another run in pairs, in one loop each.
    using Type = CrossoverType;

    std::memcpy (c.band1, c.frames, bytes);
    CrossoverSection4::processPair<Type::LowPass, Type::HighPass> (crossovers[0], c.band1, crossovers[3], c.frames, numSamples);
    std::memcpy (c.band4, c.frames, bytes);
    CrossoverSection4::processPair<Type::AllPass, Type::HighPass> (crossovers[1], c.band1, crossovers[6], c.band4, numSamples);
    std::memcpy (c.band3, c.band4, bytes);
    CrossoverSection4::processPair<Type::AllPass, Type::HighPass> (crossovers[2], c.band1, crossovers[8], c.band4, numSamples);
    CrossoverSection4::processPair<Type::LowPass, Type::LowPass> (crossovers[4], c.frames, crossovers[7], c.band3, numSamples);
    crossovers[5].process (c.frames, numSamples);
}

void TapeEngine::processBypassed (float* const* channels, int numChannels, int numSamples) noexcept
{
    if (channels == nullptr || numChannels <= 0 || numSamples <= 0)
        return;

    if (numChannels > maximumChannels)
        numChannels = maximumChannels;

    for (int i = 0; i < numSamples; ++i)
    {
        const auto left = channels[0][i];
        bypassDelay.push (0, left);
        bypassDelay.push (1, numChannels > 1 ? channels[1][i] : left);

        for (int ch = 0; ch < numChannels; ++ch)
            channels[ch][i] = bypassDelay.read (ch);

        bypassDelay.advance();
    }
}

//==============================================================================
void TapeEngine::updateMeters (const float* const* channels, int numChannels, int numSamples) noexcept
{
    for (int ch = 0; ch < numChannels; ++ch)
    {
        auto peak = 0.0f;

        for (int i = 0; i < numSamples; ++i)
        {
            const auto a = std::abs (channels[ch][i]);
            if (a > peak)
                peak = a;
        }

        meters[ch].update (peak);
    }
}

float TapeEngine::takeMeterLevel (int channel) noexcept
{
    return meters[channel & 1].take();
}
