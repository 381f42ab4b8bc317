#include "OndrellaAudioProcessorEditor.h"
#include "Palette.h"

#include <BinaryData.h>

#include <cmath>
#include <functional>

OndrellaAudioProcessorEditor::OndrellaAudioProcessorEditor (OndrellaAudioProcessor& p)
    : juce::AudioProcessorEditor (p),
      processor (p),
      presetManager (this, &p.presetStore, makePresetBarStyle())
{
    addControl (tapeQualityKnob, ParameterIndex::tapeQuality);
    addControl (headQualityKnob, ParameterIndex::headQuality);
    addControl (motorQualityKnob, ParameterIndex::motorQuality);

    // Their squares overlap in the compact layout: letting the plate show through keeps one
    // knob from clipping the ring of the next.
    for (auto* knob : { &tapeQualityKnob, &headQualityKnob, &motorQualityKnob })
        knob->setOpaque (false);

    tapeSwitch.setLabels ("TAPE", "NORMAL", "CHROME", "METAL", ParameterIndex::tape, this);
    noiseSwitch.setLabels ("NOISE", "  HIGH  ", "LOW", "OFF", ParameterIndex::noise, this);
    addAndMakeVisible (tapeSwitch);
    addAndMakeVisible (noiseSwitch);

    for (auto* threeSwitch : { &noiseSwitch, &tapeSwitch })
    {
        threeSwitch->setValue (getParameterValue (threeSwitch->getParameterIndex()), false);
        controls.push_back (threeSwitch);
    }

    addControl (mixKnob, ParameterIndex::dryWetMix);
    addControl (inputGainKnob, ParameterIndex::inputGain);
    addControl (outputGainKnob, ParameterIndex::outputGain);

    addAndMakeVisible (tapeView);
    meterLeft.setCaption ("OUTPUT LEFT");
    meterRight.setCaption ("OUTPUT RIGHT");
    addAndMakeVisible (meterLeft);
    addAndMakeVisible (meterRight);

    settingsView.connect (this, JucePlugin_VersionString);
    settingsView.onClose = [this] { hideSettingsView(); };

    setUpFlipButton (flipButton);
    flipButton.onClick = [this] { showSettingsView(); };
    addAndMakeVisible (flipButton);

    processor.addChangeListener (this);

    presetManager.currentPresetChanged();
    addAndMakeVisible (presetManager.view.presetBar);

    setSize (DeckSize::width, DeckSize::height);
    addChildComponent (valuePopup);     // shown by its fade
    startTimer (timerIntervalMs);
}

OndrellaAudioProcessorEditor::~OndrellaAudioProcessorEditor()
{
    stopTimer();
    processor.removeChangeListener (this);

    // A host that closes the window in the middle of a drag would otherwise keep the
    // parameter in touch mode for good.
    endOpenGestures();
    valuePopup.setShowing (false);
    settingsView.valuePopup.setShowing (false);
}

PresetBarStyle OndrellaAudioProcessorEditor::makePresetBarStyle()
{
    PresetBarStyle style;
    int size = 0;

    if (const auto* data = BinaryData::getNamedResource ("NanumBrush_ttf", size))
        if (auto typeface = juce::Typeface::createSystemTypefaceFor (data, (size_t) size))
            style.font = juce::Font (typeface);

    return style;
}

void OndrellaAudioProcessorEditor::addControl (EComponent& control, int paramIndex)
{
    control.setup (paramIndex, this);
    controls.push_back (&control);
    addAndMakeVisible (control);
    control.setValue (getParameterValue (paramIndex));
}

//==============================================================================
void OndrellaAudioProcessorEditor::paint (juce::Graphics& g)
{
    g.fillAll (Palette::panel);
}

void OndrellaAudioProcessorEditor::resized()
{
    const auto w = (float) getWidth();
    const auto h = (float) getHeight();

    flipButton.setBounds (636, 5, 20, 12);
    settingsView.setBounds (0, 0, getWidth(), getHeight());

    // Each layout is a table of bounds relative to its origin (ox, oy), truncated once added.
    struct Placement { juce::Component* component; float x, y, width, height; };

    const auto placeAll = [] (std::initializer_list<Placement> placements, float ox, float oy)
    {
        for (const auto& p : placements)
            p.component->setBounds ((int) (ox + p.x), (int) (oy + p.y), (int) p.width, (int) p.height);
    };

    const auto fullLayout = DeckSize::isFull (getWidth(), getHeight());

    tapeView.setVisible (fullLayout);
    meterLeft.setVisible (fullLayout);
    meterRight.setVisible (fullLayout);

    auto& bar = presetManager.view.presetBar;

    if (fullLayout)
    {
        const auto ox = juce::jmax (0.0f, w * 0.5f - 333.5f);
        const auto oy = juce::jmax (0.0f, h * 0.5f - 150.0f);

        placeAll ({ { &tapeView,           44.0f,  25.0f, 224.0f, 132.0f },
                    { &meterLeft,         361.0f,  25.0f, 138.0f,  92.0f },
                    { &meterRight,        504.0f,  25.0f, 138.0f,  92.0f },
                    { &tapeQualityKnob,     3.0f, 183.0f, 112.0f, 112.0f },
                    { &headQualityKnob,   103.0f, 183.0f, 112.0f, 112.0f },
                    { &motorQualityKnob,  203.0f, 183.0f, 112.0f, 112.0f },
                    { &inputGainKnob,     370.0f, 211.0f,  84.0f,  84.0f },
                    { &outputGainKnob,    460.0f, 211.0f,  84.0f,  84.0f },
                    { &mixKnob,           550.0f, 211.0f,  84.0f,  84.0f },
                    { &tapeSwitch,        367.0f, 135.0f, 126.0f,  57.0f },
                    { &noiseSwitch,       510.0f, 135.0f, 126.0f,  57.0f },
                    { &presetManager.view, 100.0f,  3.0f, 370.0f, 270.0f },
                    { &flipButton,        636.0f,   5.0f,  20.0f,  12.0f } }, ox, oy);

        // The bar lies on the tape's label, wherever the tape is.
        bar.setFontHeight (18.0f);
        bar.setBounds (tapeView.getX() + 34, tapeView.getY() + 24, 154, 16);
    }
    else
    {
        // Offsets may go negative here: a small window shows the middle of the controls. The two
        // switches change places against the full layout.
        const auto ox = w * 0.5f - 284.0f;
        const auto oy = h * 0.5f - 85.0f;

        placeAll ({ { &tapeQualityKnob,     0.0f,  52.0f, 112.0f, 112.0f },
                    { &headQualityKnob,    90.0f,  52.0f, 112.0f, 112.0f },
                    { &motorQualityKnob,  180.0f,  52.0f, 112.0f, 112.0f },
                    { &tapeSwitch,        432.0f,   8.0f, 126.0f,  57.0f },
                    { &noiseSwitch,       296.0f,   8.0f, 126.0f,  57.0f },
                    { &inputGainKnob,     303.0f,  80.0f,  84.0f,  84.0f },
                    { &outputGainKnob,    383.0f,  80.0f,  84.0f,  84.0f },
                    { &mixKnob,           463.0f,  80.0f,  84.0f,  84.0f },
                    { &presetManager.view, 100.0f, -15.0f, 370.0f, 200.0f },
                    { &bar,                50.0f,  24.0f, 200.0f,  25.0f } }, ox, oy);

        bar.setFontHeight (30.0f);

        // Here the flip button's offsets are added after truncation.
        flipButton.setBounds ((int) ox + 544, (int) oy + 4, 20, 12);
    }

    settingsView.setBounds (0, 0, getWidth(), getHeight());
}

void OndrellaAudioProcessorEditor::mouseDown (const juce::MouseEvent&)
{
    if (settingsView.isVisible())
        hideSettingsView();
}

void OndrellaAudioProcessorEditor::changeListenerCallback (juce::ChangeBroadcaster*)
{
    // A preset was applied or the state restored: the bar follows the current preset.
    presetManager.currentPresetChanged();
}

//==============================================================================
std::unique_ptr<juce::MemoryBlock> OndrellaAudioProcessorEditor::getPresetData()
{
    auto block = std::make_unique<juce::MemoryBlock>();
    processor.writeState (*block, true);
    return block;
}

void OndrellaAudioProcessorEditor::setPresetData (const void* data, int size)
{
    processor.readState (data, size, true);
}

//==============================================================================
void OndrellaAudioProcessorEditor::showSettingsView()
{
    // The panel opens on the host's values, not on those it had when it last closed: they show
    // from the first frame, and a press before the timer's next tick starts from them. The
    // NOISE switch is read the same way: a click moves its position, its value only follows on
    // that tick.
    noiseSwitch.syncFromHost (false);
    settingsView.syncFromHost();

    // The hiss controls mean nothing while the hiss is off.
    const auto dimmedAlpha = (int) (noiseSwitch.getValue() * 10.0f) == 2 ? 0.6f : 1.0f;

    for (auto* knob : { &settingsView.noiseGainKnob, &settingsView.noiseTypeKnob })
        if (! std::equal_to<float>() (knob->getAlpha(), dimmedAlpha))
            knob->setAlpha (dimmedAlpha);

    addAndMakeVisible (settingsView);
    settingsView.resized();
    settingsOpen = true;
}

void OndrellaAudioProcessorEditor::hideSettingsView()
{
    removeChildComponent (&settingsView);
    settingsOpen = false;
}

//==============================================================================
float OndrellaAudioProcessorEditor::peakToDecibels (float peak) noexcept
{
    if (! (peak > 0.00001f))
        return VUMeterView::lowestDecibels;

    const auto decibels = 20.0f * std::log10 (peak);
    return std::isfinite (decibels) ? decibels : VUMeterView::highestDecibels;
}

void OndrellaAudioProcessorEditor::updateMeter (VUMeterView& meter, int channel)
{
    meter.setLevel (peakToDecibels (processor.engine.takeMeterLevel (channel)));
}

void OndrellaAudioProcessorEditor::timerCallback()
{
    tapeView.advance (processor.isPlaying.load (std::memory_order_relaxed));

    updateMeter (meterLeft, 0);
    updateMeter (meterRight, 1);

    for (auto* control : controls)
        control->syncFromHost (false);

    valuePopup.stepFade();

    if (settingsOpen)
    {
        settingsView.syncFromHost();
        settingsView.valuePopup.stepFade();
    }
}
