#pragma once

#include <cmath>

/** The sixteen parameters of the tape chain.

    A row's position in parameterDefinitions is its ParameterIndex: the key every part of the
    plug-in uses, from the host parameter list to the state blob and the editor's controls.
    Plain C++ so that the signal chain can read it without the framework.
*/
namespace ParameterIndex
{
    enum : int
    {
        inputGain = 0,
        outputGain,
        dryWetMix,
        motorQuality,
        headQuality,
        tapeQuality,
        noise,
        tape,
        crossbleed,
        eqB1Gain,
        eqB2Gain,
        eqB3Gain,
        eqB4Gain,
        noiseType,
        noiseLevel,
        headTilt
    };
}

constexpr int numParameters = 16;

struct ParameterDefinition
{
    int index;
    int type;               // value text kind: 0 numeric; 1 and 2 read their text from labels
    float minimum;
    float maximum;
    float defaultValue;     // in real units
    int reserved;
    const char* name;       // also the host parameter ID
    const char* unitSuffix;
    const char* longName;
    const char* const* labels;

    /** The default as the host sees it, worked out in single precision. */
    float normalisedDefault() const noexcept   { return (defaultValue - minimum) / (maximum - minimum); }

    /** Maps a normalised value to the real value the editor shows and the engine uses. */
    float toReal (float normalised) const noexcept   { return minimum + (maximum - minimum) * normalised; }
};

extern const ParameterDefinition parameterDefinitions[numParameters];

/** Any value read from a host, a state or a preset passes through here before it is used:
    the result is finite and within 0..1, a non-finite value counting as the parameter's default.
*/
inline float sanitisedParameterValue (int index, float normalised) noexcept
{
    if (! std::isfinite (normalised))
        return parameterDefinitions[index].normalisedDefault();

    return normalised < 0.0f ? 0.0f : (normalised > 1.0f ? 1.0f : normalised);
}
