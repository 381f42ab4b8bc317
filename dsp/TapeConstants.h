#pragma once

#include "Float4.h"

#include <cmath>

/** The fixed numbers of the tape model, shared by every engine and never written.

    Per-band tables hold bands 1 to 4 (below 419.6 Hz, 419.6 to 1818.2 Hz, 1818.2 to 5015 Hz and
    above 5015 Hz) in lanes 0 to 3. Tables indexed by tape type or noise setting have three rows.
*/
namespace TapeConstants
{
    enum TapeType : int        { normalTape = 0, chromeTape, metalTape };
    enum NoiseSetting : int    { highNoise = 0, lowNoise, noNoise };

    constexpr int numTapeTypes = 3;
    constexpr int numNoiseSettings = 3;

    /** ln 10, for levels in dB. */
    inline constexpr float4 ln10 { 2.3025851f };

    /** Decibels to a linear gain: exp (dB × this) = 10^(dB / 20). */
    constexpr float decibelsToExponent = 0.115129255f;

    /** A level in dB as a linear gain, in single precision. */
    inline float gainFromDecibels (float decibels) noexcept    { return std::exp (decibels * decibelsToExponent); }

    /** 3.6, -2.4, 1.2 and 8.4 dB. */
    inline constexpr float4 bandPreGains { 1.51356101f, 0.758577466f, 1.14815319f, 2.63026834f };

    /** Compressor thresholds in dB. */
    inline constexpr float4 bandThresholds { -13.2f, -4.8f, -25.2f, -23.4f };

    inline constexpr float4 bandRatios { 2.98f, 6.94f, 4.96f, 6.94f };

    /** Knee widths in dB. */
    inline constexpr float4 bandKnees { 30.0f, 30.0f, 30.0f, 5.35f };

    /** -6.4, 1.237, 4.4 and -7.6 dB. */
    inline constexpr float4 bandPostGains { 0.478630006f, 1.15308833f, 1.65958714f, 0.416869462f };

    /** The three crossover frequencies of the band split, in Hz. */
    inline constexpr float crossoverFrequencies[3] { 419.6f, 1818.2f, 5015.0f };

    /** Head response: low shelf, high shelf, high-pass and low-pass (before the head-quality shift). */
    inline constexpr float4 headBankFrequencies { 196.0f, 4600.0f, 71.377144f, 12800.0f };
    inline constexpr float4 headBankQ { 0.227686003f, 0.458999991f, 0.146156996f, 0.818000019f };

    /** 9.54496765 dB and -6.72 dB on the two shelves. */
    inline constexpr float4 headBankGains { 3.0008781f, 0.461317629f, 1.0f, 1.0f };

    /** How far the head bank's low-pass rises with the head quality to the fourth power, in Hz. */
    constexpr float headLowPassShift = 9000.0f;

    /** Peak hiss amplitude on the two wet lanes, by noise setting (high, low, off). */
    inline constexpr float4 noiseAmplitudes[numNoiseSettings] { { 0.005f, 0.005f, 0.0f, 0.0f },
                                                                { 0.001f, 0.001f, 0.0f, 0.0f },
                                                                { 0.0f,   0.0f,   0.0f, 0.0f } };

    /** Compression ratio factor by tape type (normal, chrome, metal). */
    inline constexpr float4 tapeTypeRatioFactors[numTapeTypes] { { 2.0f }, { 1.0f }, { 0.5f } };

    /** Extra drive of bands 1 and 4 by tape type. */
    inline constexpr float4 tapeTypeBandGains[numTapeTypes] { { 1.0f, 1.0f, 1.0f, 1.0f },
                                                              { 2.0f, 1.0f, 1.0f, 1.0f },
                                                              { 2.0f, 1.0f, 1.0f, 2.5f } };

    /** Centre frequencies of the four tone bands, in Hz, and their shared Q. */
    inline constexpr float eqFrequencies[4] { 60.0f, 400.0f, 2000.0f, 7500.0f };
    constexpr float eqQ = 0.6f;

    /** How much of each band of one channel leaks into the other at full crossbleed. */
    inline constexpr float4 crossbleedBandAmounts { 0.0f, 0.1f, 0.375f, 0.75f };

    /** 1 - 1/sqrt(2): the level compensation of the crossbleed. */
    constexpr float crossbleedCompensation = 0.2928932f;

    /** Phase wrap of the wow oscillator. */
    constexpr float twoPi = 6.2831855f;

    /** The head tilt reaches 12 ms; the tape path's base delay is 2 ms. */
    constexpr float maximumTiltSeconds = 0.012f;
    constexpr float tapeDelaySeconds = 0.002f;
}
