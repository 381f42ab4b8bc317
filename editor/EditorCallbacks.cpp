// What the editor does when a control reports: host parameter changes, change gestures and the
// two value pop-ups.

#include "OndrellaAudioProcessorEditor.h"
#include "ValueText.h"

MVChangeView& OndrellaAudioProcessorEditor::popupFor (int paramIndex) noexcept
{
    // The back panel's parameters, 8 to 15, have their own pop-up.
    return (paramIndex & ~7) == 8 ? settingsView.valuePopup : valuePopup;
}

void OndrellaAudioProcessorEditor::parameterChanged (EComponent*, int paramIndex, float value)
{
    if (! isParameterIndex (paramIndex))
        return;

    // The host and the pop-up hear the value the processor kept, cleaned of anything out of range.
    processor.setParameter (paramIndex, value);
    const auto kept = processor.getParameterValue (paramIndex);
    processor.sendParameterChange (paramIndex, kept);

    const auto& row = parameterDefinitions[paramIndex];
    auto& popup = popupFor (paramIndex);
    popup.setText (formatValueText (row, row.toReal (kept)));
    popup.repaint();
}

void OndrellaAudioProcessorEditor::controlPressed (EComponent* source, int paramIndex, float, float)
{
    if (! isParameterIndex (paramIndex) || source == nullptr)
        return;

    const auto& row = parameterDefinitions[paramIndex];
    const auto bounds = source->getBounds();
    const auto wide = juce::String (row.unitSuffix) == "dB" || paramIndex == ParameterIndex::headTilt;

    auto left = (int) ((float) bounds.getX() + (float) bounds.getWidth() * 0.5f - 15.0f);
    auto width = 30;

    if (wide)
    {
        left -= 6;
        width = 42;
    }

    auto& popup = popupFor (paramIndex);
    popup.setBounds (left, bounds.getY() - 14, width, 14);

    // The pop-up shows the host's value, which is what the press will start from.
    popup.setText (formatValueText (row, row.toReal (getParameterValue (paramIndex))));
    popup.repaint();
    popup.setShowing (true);
}

void OndrellaAudioProcessorEditor::controlReleased (EComponent*, int paramIndex)
{
    popupFor (paramIndex).setShowing (false);
}

juce::String OndrellaAudioProcessorEditor::getParameterName (int paramIndex)
{
    if (! isParameterIndex (paramIndex))
        return {};

    // The two hiss knobs sit under a "NOISE" heading: their captions say what they do there.
    if (paramIndex == ParameterIndex::noiseType)
        return "WHITE / PINK";

    if (paramIndex == ParameterIndex::noiseLevel)
        return "GAIN";

    return parameterDefinitions[paramIndex].name;
}

float OndrellaAudioProcessorEditor::getDefaultValue (int paramIndex)
{
    return isParameterIndex (paramIndex) ? parameterDefinitions[paramIndex].normalisedDefault() : 0.0f;
}

float OndrellaAudioProcessorEditor::getParameterValue (int paramIndex)
{
    // Already finite and within 0..1, whatever a host wrote.
    return isParameterIndex (paramIndex) ? processor.getParameterValue (paramIndex) : 0.0f;
}

// The host sees one gesture per parameter however the controls nest theirs, and never an end
// without its begin: either would leave a host's touch automation in the wrong state.
void OndrellaAudioProcessorEditor::beginParameterGesture (EComponent*, int paramIndex)
{
    if (! isParameterIndex (paramIndex))
        return;

    if (auto* parameter = processor.getParameters()[paramIndex])
        if (openGestures[(size_t) paramIndex]++ == 0)
            parameter->beginChangeGesture();
}

void OndrellaAudioProcessorEditor::endParameterGesture (EComponent*, int paramIndex)
{
    if (! isParameterIndex (paramIndex) || openGestures[(size_t) paramIndex] == 0)
        return;

    if (auto* parameter = processor.getParameters()[paramIndex])
        if (--openGestures[(size_t) paramIndex] == 0)
            parameter->endChangeGesture();
}

void OndrellaAudioProcessorEditor::endOpenGestures()
{
    for (int index = 0; index < numParameters; ++index)
    {
        auto& open = openGestures[(size_t) index];

        if (open > 0)
            if (auto* parameter = processor.getParameters()[index])
                parameter->endChangeGesture();

        open = 0;
    }
}
