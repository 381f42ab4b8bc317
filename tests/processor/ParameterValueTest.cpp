// What the audio thread reads from a parameter a host has written straight into.
#include "processor/OndrellaAudioProcessor.h"
#include "processor/ParameterTable.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>

namespace
{
    // The framework reports an assertion, in a build that has them, as a line on the error stream.
    class CapturedErrorStream
    {
    public:
        CapturedErrorStream()    : previous (std::cerr.rdbuf (captured.rdbuf())) {}
        ~CapturedErrorStream()   { std::cerr.rdbuf (previous); }

        std::string text() const { return captured.str(); }

    private:
        std::ostringstream captured;
        std::streambuf* previous;
    };
}

TEST (ParameterValue, NaNWrittenIntoAParameterPlaysAsItsDefaultWithoutAnAssertionPerBlock)
{
    OndrellaAudioProcessor processor;
    processor.prepareToPlay (48000.0, 256);

    const auto nan = std::numeric_limits<float>::quiet_NaN();

    // The framework's own conversion may complain once, as the host writes the value.
    for (const auto index : { ParameterIndex::inputGain, ParameterIndex::tape, ParameterIndex::headTilt })
        processor.getParameters()[index]->setValue (nan);

    juce::AudioBuffer<float> buffer (2, 256);
    juce::MidiBuffer midi;
    bool finite = true;
    std::string errors;

    {
        const CapturedErrorStream captured;

        for (int block = 0; block < 8; ++block)
        {
            for (int i = 0; i < buffer.getNumSamples(); ++i)
                for (int ch = 0; ch < 2; ++ch)
                    buffer.setSample (ch, i, 0.5f * std::sin (0.05f * (float) (block * 256 + i)));

            processor.processBlock (buffer, midi);

            for (int ch = 0; ch < 2; ++ch)
                for (int i = 0; i < buffer.getNumSamples(); ++i)
                    finite = finite && std::isfinite (buffer.getSample (ch, i));
        }

        errors = captured.text();
    }

    EXPECT_EQ (errors.find ("Assertion"), std::string::npos) << errors;
    EXPECT_TRUE (finite);

    for (const auto index : { ParameterIndex::inputGain, ParameterIndex::tape, ParameterIndex::headTilt })
        EXPECT_EQ (processor.getParameterValue (index), parameterDefinitions[index].normalisedDefault()) << index;
}
