#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

#include <array>
#include <vector>

#include "MVChangeView.h"
#include "MVImageKnob.h"
#include "MVKnob.h"
#include "MVUICallback.h"
#include "OndrellaView.h"
#include "SettingsView.h"
#include "ThreeSwitch.h"
#include "VUMeterView.h"
#include "WidgetFont.h"

#include "../presets/PresetManagerController.h"
#include "../processor/OndrellaAudioProcessor.h"
#include "../processor/ParameterTable.h"

/** The plug-in window: the front of the tape deck, its flip-over back panel, the preset bar and
    the preset browser that opens from it.

    It is the one MVUICallback of every control: a control's change becomes a host parameter
    change, a drag is bracketed by a change gesture, and the value pop-ups follow the control
    being held. A 33 ms timer turns the tape wheels while the host plays, moves the needles, fades
    the pop-ups and shows host automation on every control. Message thread only; the timer reads
    the audio thread's playing flag and meter peaks through their atomics, nothing else.

    At 667 x 300 or more the full deck is laid out, centred; anything smaller gets the compact
    layout without the tape picture and meters.
*/
class OndrellaAudioProcessorEditor  : public juce::AudioProcessorEditor,
                                      public PresetManagerController::PresetDataProvider,
                                      public MVUICallback,
                                      public juce::Timer,
                                      public juce::ChangeListener
{
public:
    explicit OndrellaAudioProcessorEditor (OndrellaAudioProcessor&);
    ~OndrellaAudioProcessorEditor() override;

    //==============================================================================
    void paint (juce::Graphics&) override;
    void resized() override;
    void mouseDown (const juce::MouseEvent&) override;

    void changeListenerCallback (juce::ChangeBroadcaster*) override;

    /** Opens the back panel (the front flip button). */
    void showSettingsView();

    /** Closes the back panel (its own flip button, or a click on the editor). */
    void hideSettingsView();

    bool isSettingsOpen() const noexcept        { return settingsOpen; }

    /** One tick of the timer; public so that a test can step it. */
    void timerCallback() override;

    //==============================================================================
    // PresetManagerController::PresetDataProvider: the processor's state, parameters only
    std::unique_ptr<juce::MemoryBlock> getPresetData() override;
    void setPresetData (const void* data, int size) override;
    juce::Component* getOwnerComponent() override      { return this; }
    juce::Component* getParentComponent() override     { return this; }

    //==============================================================================
    // MVUICallback
    void parameterChanged (EComponent*, int paramIndex, float value) override;
    void mouseEnteredControl (EComponent*, int) override {}
    void mouseExitedControl (EComponent*, int) override {}
    void controlPressed (EComponent*, int paramIndex, float x, float y) override;
    void controlReleased (EComponent*, int paramIndex) override;
    void reservedCallback1() override {}
    void reservedCallback2() override {}
    juce::String getParameterName (int paramIndex) override;
    float getDefaultValue (int paramIndex) override;
    float getParameterValue (int paramIndex) override;
    void beginParameterGesture (EComponent*, int paramIndex) override;
    void endParameterGesture (EComponent*, int paramIndex) override;

    /** Where a level in decibels comes from a meter peak: -100 for silence (or no number),
        20 log10 (peak) otherwise, never more than the meter can show.
    */
    static float peakToDecibels (float peak) noexcept;

    static constexpr int timerIntervalMs = 33;

    //==============================================================================
    std::vector<EComponent*> controls;      // the front controls the timer re-reads
    MVChangeView valuePopup;
    MVImageKnob tapeQualityKnob, headQualityKnob, motorQualityKnob;
    MVKnob mixKnob, inputGainKnob, outputGainKnob;
    ThreeSwitch tapeSwitch, noiseSwitch;
    OndrellaView tapeView;
    VUMeterView meterLeft, meterRight;
    OndrellaAudioProcessor& processor;
    SettingsView settingsView;
    juce::ImageButton flipButton;
    PresetManagerController presetManager;

    /** The preset bar's look in this window: the name handwritten on the cassette's label. */
    static PresetBarStyle makePresetBarStyle();

private:
    void addControl (EComponent&, int paramIndex);
    MVChangeView& popupFor (int paramIndex) noexcept;
    void updateMeter (VUMeterView&, int channel);
    void endOpenGestures();

    static bool isParameterIndex (int paramIndex) noexcept   { return juce::isPositiveAndBelow (paramIndex, numParameters); }

    bool settingsOpen = false;
    std::array<int, numParameters> openGestures {};   // gestures begun and not yet ended, per parameter
    SharedWidgetFont widgetFontRecord;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (OndrellaAudioProcessorEditor)
};
