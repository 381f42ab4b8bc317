#include "processor/OndrellaAudioProcessor.h"
#include "processor/ParameterTable.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace
{
    struct ExpectedParameter
    {
        const char* name;
        const char* unit;
        const char* longName;
        float minimum, maximum, defaultValue;
        float normalisedDefault;
    };

    const ExpectedParameter expectedParameters[] =
    {
        { "INPUT GAIN",    "dB", "Input Gain Level",    -48.0f, 24.0f, 0.0f, 48.0f / 72.0f },
        { "OUTPUT GAIN",   "dB", "Output Gain Level",   -48.0f, 24.0f, 0.0f, 48.0f / 72.0f },
        { "DRY/WET MIX",   "%",  "Dry/Wet Mix",           0.0f,  1.0f, 1.0f, 1.0f },
        { "MOTOR QUALITY", "%",  "Motor Quality",         0.0f,  1.0f, 1.0f, 1.0f },
        { "HEAD QUALITY",  "%",  "Head Quality",          0.0f,  1.0f, 0.7f, 0.7f },
        { "TAPE QUALITY",  "%",  "Tape Quality",          0.0f,  1.0f, 0.7f, 0.7f },
        { "NOISE",         "%",  "Noise Level",           0.0f,  1.0f, 0.2f, 0.2f },
        { "TAPE",          "%",  "Tape type selection",   0.0f,  1.0f, 0.1f, 0.1f },
        { "CROSSBLEED",    "%",  "Crossbleed",            0.0f,  1.0f, 0.0f, 0.0f },
        { "EQ B1 GAIN",    "dB", "EQ1 Gain",            -12.0f, 12.0f, 0.0f, 0.5f },
        { "EQ B2 GAIN",    "dB", "EQ2 Gain",            -12.0f, 12.0f, 0.0f, 0.5f },
        { "EQ B3 GAIN",    "dB", "EQ3 Gain",            -12.0f, 12.0f, 0.0f, 0.5f },
        { "EQ B4 GAIN",    "dB", "EQ4 Gain",            -12.0f, 12.0f, 0.0f, 0.5f },
        { "NOISE TYPE",    "%",  "Noise Type",            0.0f,  1.0f, 0.0f, 0.0f },
        { "NOISE LEVEL",   "dB", "Noise Level",         -12.0f, 12.0f, 0.0f, 0.5f },
        { "HEAD TILT",     "%",  "Head Tilt",            -1.0f,  1.0f, 0.0f, 0.5f },
    };
}

TEST (ParameterTable, RowsAreInIndexOrderWithTheirRealRanges)
{
    for (int i = 0; i < numParameters; ++i)
    {
        const auto& row = parameterDefinitions[i];
        EXPECT_EQ (row.index, i);
        EXPECT_EQ (row.type, 0);
        EXPECT_EQ (row.reserved, 0);
        EXPECT_EQ (row.labels, nullptr);
        const auto& expected = expectedParameters[i];
        EXPECT_STREQ (row.name, expected.name);
        EXPECT_STREQ (row.unitSuffix, expected.unit) << row.name;
        EXPECT_STREQ (row.longName, expected.longName) << row.name;
        EXPECT_EQ (row.minimum, expected.minimum) << row.name;
        EXPECT_EQ (row.maximum, expected.maximum) << row.name;
        EXPECT_EQ (row.defaultValue, expected.defaultValue) << row.name;
        EXPECT_EQ (row.normalisedDefault(), expected.normalisedDefault) << row.name;
    }
}

TEST (ParameterTable, NormalisedValuesMapToRealValues)
{
    EXPECT_FLOAT_EQ (parameterDefinitions[ParameterIndex::inputGain].toReal (0.5f), -12.0f);
    EXPECT_FLOAT_EQ (parameterDefinitions[ParameterIndex::inputGain].toReal (1.0f), 24.0f);
    EXPECT_FLOAT_EQ (parameterDefinitions[ParameterIndex::inputGain].toReal (0.0f), -48.0f);
    EXPECT_FLOAT_EQ (parameterDefinitions[ParameterIndex::headTilt].toReal (0.25f), -0.5f);
    EXPECT_FLOAT_EQ (parameterDefinitions[ParameterIndex::eqB3Gain].toReal (0.75f), 6.0f);
}

TEST (ParameterTable, SanitisingKeepsValuesFiniteAndInRange)
{
    EXPECT_EQ (sanitisedParameterValue (0, 1.2f), 1.0f);
    EXPECT_EQ (sanitisedParameterValue (0, -0.5f), 0.0f);
    EXPECT_EQ (sanitisedParameterValue (3, 0.25f), 0.25f);
    EXPECT_EQ (sanitisedParameterValue (4, std::numeric_limits<float>::quiet_NaN()), 0.7f);
    EXPECT_EQ (sanitisedParameterValue (7, std::numeric_limits<float>::infinity()), 0.1f);
    EXPECT_EQ (sanitisedParameterValue (0, -std::numeric_limits<float>::infinity()), 48.0f / 72.0f);
}

//==============================================================================
TEST (HostParameters, HostSeesSixteenContinuousParametersInTableOrder)
{
    OndrellaAudioProcessor processor;
    const auto& parameters = processor.getParameters();
    ASSERT_EQ (parameters.size(), numParameters);

    for (int i = 0; i < numParameters; ++i)
    {
        auto* parameter = dynamic_cast<juce::AudioParameterFloat*> (parameters[i]);
        const juce::AudioProcessorParameter& hostView = *parameters[i];
        ASSERT_NE (parameter, nullptr);

        EXPECT_EQ (parameter->getParameterIndex(), i);
        EXPECT_EQ (parameter->getParameterID(), juce::String (expectedParameters[i].name));
        EXPECT_EQ (parameter->getName (100), juce::String (expectedParameters[i].name));
        EXPECT_EQ (parameter->getLabel(), juce::String());
        EXPECT_EQ (hostView.getDefaultValue(), expectedParameters[i].normalisedDefault);
        EXPECT_EQ (parameter->get(), expectedParameters[i].normalisedDefault);
        EXPECT_EQ (parameter->range.start, 0.0f);
        EXPECT_EQ (parameter->range.end, 1.0f);
        EXPECT_EQ (parameter->range.interval, 0.0f);
        EXPECT_EQ (parameter->range.skew, 1.0f);
        EXPECT_FALSE (parameter->isDiscrete());
        EXPECT_FALSE (parameter->isBoolean());
        EXPECT_TRUE (parameter->isAutomatable());
        EXPECT_FALSE (parameter->isMetaParameter());
        EXPECT_FALSE (parameter->isOrientationInverted());
        EXPECT_EQ (parameter->getCategory(), juce::AudioProcessorParameter::genericParameter);
        EXPECT_EQ (hostView.getNumSteps(), juce::AudioProcessor::getDefaultNumParameterSteps());
    }
}

TEST (HostParameters, ValuesAreClampedAndShownAsBareNumbers)
{
    OndrellaAudioProcessor processor;
    auto* parameter = processor.getParameters()[ParameterIndex::crossbleed];

    parameter->setValue (1.2f);
    EXPECT_EQ (parameter->getValue(), 1.0f);
    parameter->setValue (-0.5f);
    EXPECT_EQ (parameter->getValue(), 0.0f);

    parameter->setValue (0.25f);
    EXPECT_EQ (parameter->getText (parameter->getValue(), 100), "0.2500000");
    EXPECT_EQ (parameter->getText (parameter->getValue(), 4), "0.25");
    EXPECT_FLOAT_EQ (parameter->getValueForText ("0.75"), 0.75f);

    auto* inputGain = processor.getParameters()[ParameterIndex::inputGain];
    EXPECT_EQ (inputGain->getCurrentValueAsText(), "0.6666667");
}

TEST (HostParameters, ProcessorSetterClampsAndReplacesNonFiniteValues)
{
    OndrellaAudioProcessor processor;

    processor.setParameter (ParameterIndex::noise, 1.2f);
    EXPECT_EQ (processor.getParameters()[ParameterIndex::noise]->getValue(), 1.0f);

    processor.setParameter (ParameterIndex::headQuality, std::numeric_limits<float>::quiet_NaN());
    EXPECT_EQ (processor.getParameters()[ParameterIndex::headQuality]->getValue(), 0.7f);

    // Out-of-range indices are ignored rather than trusted: no parameter moves.
    std::vector<float> before;
    for (auto* parameter : processor.getParameters())
        before.push_back (parameter->getValue());

    processor.setParameter (-1, 0.5f);
    processor.setParameter (numParameters, 0.5f);
    processor.setParameter (std::numeric_limits<int>::max(), 0.5f);

    for (int i = 0; i < numParameters; ++i)
        EXPECT_EQ (processor.getParameters()[i]->getValue(), before[(size_t) i]) << i;

    EXPECT_EQ (processor.getParameterValue (numParameters), 0.0f);
    EXPECT_EQ (processor.getParameterValue (-1), 0.0f);
}
