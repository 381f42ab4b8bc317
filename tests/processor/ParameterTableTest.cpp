#include "processor/OndrellaAudioProcessor.h"
#include "processor/ParameterTable.h"

#include <gtest/gtest.h>

#include <limits>

namespace
{
    struct ExpectedParameter
    {
        const char* name;
        float normalisedDefault;
    };

    const ExpectedParameter expectedParameters[] =
    {
        { "INPUT GAIN",    48.0f / 72.0f }, { "OUTPUT GAIN",   48.0f / 72.0f }, { "DRY/WET MIX", 1.0f },
        { "MOTOR QUALITY", 1.0f },          { "HEAD QUALITY",  0.7f },          { "TAPE QUALITY", 0.7f },
        { "NOISE",         0.2f },          { "TAPE",          0.1f },          { "CROSSBLEED", 0.0f },
        { "EQ B1 GAIN",    0.5f },          { "EQ B2 GAIN",    0.5f },          { "EQ B3 GAIN", 0.5f },
        { "EQ B4 GAIN",    0.5f },          { "NOISE TYPE",    0.0f },          { "NOISE LEVEL", 0.5f },
        { "HEAD TILT",     0.5f },
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
        EXPECT_STREQ (row.name, expectedParameters[i].name);
        EXPECT_EQ (row.normalisedDefault(), expectedParameters[i].normalisedDefault) << row.name;
    }

    EXPECT_STREQ (parameterDefinitions[6].longName, "Noise Level");
    EXPECT_STREQ (parameterDefinitions[14].longName, "Noise Level");
    EXPECT_STREQ (parameterDefinitions[15].unitSuffix, "%");
    EXPECT_STREQ (parameterDefinitions[14].unitSuffix, "dB");
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

    // Out-of-range indices are ignored rather than trusted.
    processor.setParameter (-1, 0.5f);
    processor.setParameter (numParameters, 0.5f);
    EXPECT_EQ (processor.getParameterValue (numParameters), 0.0f);
}
