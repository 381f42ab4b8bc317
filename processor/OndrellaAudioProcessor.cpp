#include "OndrellaAudioProcessor.h"

#include "ParameterTable.h"

#include "../editor/OndrellaAudioProcessorEditor.h"

namespace
{
    constexpr float minimumEngineRate = 44100.0f;

    constexpr juce::int32 fourCharCode (char a, char b, char c, char d) noexcept
    {
        return (juce::int32) (((juce::uint32) (juce::uint8) a << 24) | ((juce::uint32) (juce::uint8) b << 16)
                              | ((juce::uint32) (juce::uint8) c << 8) | (juce::uint32) (juce::uint8) d);
    }
}

//==============================================================================
OndrellaAudioProcessor::OndrellaAudioProcessor()
    : juce::AudioProcessor (BusesProperties().withInput  ("Input",  juce::AudioChannelSet::stereo(), true)
                                             .withOutput ("Output", juce::AudioChannelSet::stereo(), true))
{
    engine.prepare (minimumEngineRate);
    engine.reset();

    for (const auto& row : parameterDefinitions)
    {
        const auto normalisedDefault = row.normalisedDefault();

        addParameter (new juce::AudioParameterFloat (juce::ParameterID { row.name, 1 },
                                                     row.name,
                                                     juce::NormalisableRange<float> (0.0f, 1.0f),
                                                     normalisedDefault));
    }

    applyDefaultPreset();
}

OndrellaAudioProcessor::~OndrellaAudioProcessor()
{
    // A hand-over running on the message thread finishes before the store and the listeners go;
    // one still waiting never runs.
    restoreHandOver.close();
}

//==============================================================================
const juce::String OndrellaAudioProcessor::getName() const    { return "Ondrella"; }

void OndrellaAudioProcessor::prepareToPlay (double sampleRate, int)
{
    // Below 44.1 kHz the chain runs laid out for 44.1 kHz; a nonsense rate from a host counts as that too.
    const auto rate = std::isfinite (sampleRate) ? (float) juce::jmax (sampleRate, (double) minimumEngineRate)
                                                 : minimumEngineRate;
    engine.prepare (rate);
    engine.reset();

    // setLatencySamples only notifies the host when the figure actually changes.
    setLatencySamples (engine.getLatencySamples());
}

void OndrellaAudioProcessor::releaseResources() {}

double OndrellaAudioProcessor::getTailLengthSeconds() const   { return 0.0; }
bool OndrellaAudioProcessor::acceptsMidi() const              { return false; }
bool OndrellaAudioProcessor::producesMidi() const             { return false; }

juce::AudioProcessorEditor* OndrellaAudioProcessor::createEditor()
{
    return new OndrellaAudioProcessorEditor (*this);
}

bool OndrellaAudioProcessor::hasEditor() const                { return true; }

//==============================================================================
int OndrellaAudioProcessor::getNumPrograms()                                  { return 1; }
int OndrellaAudioProcessor::getCurrentProgram()                               { return 0; }
void OndrellaAudioProcessor::setCurrentProgram (int)                          {}
const juce::String OndrellaAudioProcessor::getProgramName (int)               { return {}; }
void OndrellaAudioProcessor::changeProgramName (int, const juce::String&)     {}

//==============================================================================
juce::int32 OndrellaAudioProcessor::getAAXPluginIDForMainBusConfig (const juce::AudioChannelSet& mainInputLayout,
                                                                    const juce::AudioChannelSet&,
                                                                    bool idForAudioSuite) const
{
    if (idForAudioSuite)
        return fourCharCode ('j', 'y', 'a', 'a');

    return mainInputLayout == juce::AudioChannelSet::mono() ? fourCharCode ('j', 'c', 'a', 'a')
                                                            : fourCharCode ('j', 'c', 'a', 'b');
}

bool OndrellaAudioProcessor::isBusesLayoutSupported (const BusesLayout& layouts) const
{
    const auto input  = layouts.getMainInputChannelSet();
    const auto output = layouts.getMainOutputChannelSet();

    if (input.isDisabled() || output.isDisabled())
        return false;

    if (output != juce::AudioChannelSet::mono() && output != juce::AudioChannelSet::stereo())
        return false;

    return input == output;
}

//==============================================================================
void OndrellaAudioProcessor::setParameter (int parameterIndex, float newValue)
{
    if (! juce::isPositiveAndBelow (parameterIndex, numParameters))
        return;

    if (auto* parameter = getParameters()[parameterIndex])
        parameter->setValue (sanitisedParameterValue (parameterIndex, newValue));
}

void OndrellaAudioProcessor::sendParameterChange (int parameterIndex, float newValue)
{
    sendParamChangeMessageToListeners (parameterIndex, newValue);
}

float OndrellaAudioProcessor::getParameterValue (int parameterIndex) const
{
    if (! juce::isPositiveAndBelow (parameterIndex, numParameters))
        return 0.0f;

    // Every parameter is made with a 0..1 range, so its stored value is the normalised one. Read
    // as it is, a value a host wrote unchecked (NaN, say) does not trip the range conversion's
    // assertion on every block; it is cleaned here like any other.
    const auto* parameter = static_cast<const juce::AudioParameterFloat*> (getParameters().getUnchecked (parameterIndex));
    return sanitisedParameterValue (parameterIndex, parameter->get());
}

//==============================================================================
juce::AudioProcessor* JUCE_CALLTYPE createPluginFilter()
{
    return new OndrellaAudioProcessor();
}
