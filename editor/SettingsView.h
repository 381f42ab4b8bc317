#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <array>
#include <functional>

#include "EQSlider.h"
#include "MVChangeView.h"
#include "MVImageKnob.h"
#include "MVKnob.h"
#include "TapeHeadSlider.h"

/** The deck's full size. A window at least this big shows the whole deck; a smaller one gets the
    compact layout.
*/
struct DeckSize
{
    static constexpr int width = 667, height = 300;

    static constexpr bool isFull (int w, int h) noexcept    { return w >= width && h >= height; }
};

/** The back of the tape deck: tone section, bleed, hiss and head tilt.

    The editor lays it over its whole area while it is open. The panel only lays out and paints;
    its controls report to the editor's MVUICallback once connect() has bound them, and the
    editor's timer keeps them in step with the host while the panel is shown. Clicks on the
    panel's background are taken by the panel and do nothing.
*/
class SettingsView  : public juce::Component
{
public:
    SettingsView();
    ~SettingsView() override;

    /** Binds every control to its parameter and the editor, adds them, and sets the version text. */
    void connect (MVUICallback* editor, const juce::String& version);

    /** The back flip button's click: tells the owner to close the panel. */
    void flipButtonClicked();

    /** Draws a band's frequency, e.g. "400Hz", under an EQ slider with the context's font and colour. */
    static void drawHzLabel (juce::Graphics&, const juce::Component& slider, int hz);

    /** The eight controls in the order the editor re-reads them from the host. */
    std::array<EComponent*, 8> getControlsInSyncOrder() noexcept;

    /** Brings every control to the host's value, without reporting anything. */
    void syncFromHost();

    void paint (juce::Graphics&) override;
    void resized() override;

    //==============================================================================
    std::array<EQSlider, 4> eqSliders;
    MVImageKnob crossbleedKnob;
    MVKnob noiseGainKnob;
    MVKnob noiseTypeKnob;
    TapeHeadSlider tapeHeadSlider;
    juce::ImageButton flipButton;
    juce::Image noiseOverlayImage, iosLogoImage, logoImage, cautionImage;
    MVChangeView valuePopup;
    juce::Label versionLabel;

    /** Called when the back flip button is clicked; the editor closes the panel. */
    std::function<void()> onClose;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SettingsView)
};

/** Sets up a "flip" button: its picture, full strength normally, half under the mouse and pressed,
    and no keyboard focus, so that no key can click it.
*/
void setUpFlipButton (juce::ImageButton&);
