#include "SettingsView.h"
#include "Artwork.h"
#include "Palette.h"
#include "WidgetFont.h"

#include "../processor/ParameterTable.h"

void setUpFlipButton (juce::ImageButton& button)
{
    const auto picture = loadImage ("flip");
    const juce::Colour none;

    button.setImages (false, true, true,
                      picture, 1.0f, none,
                      picture, 0.5f, none,
                      picture, 0.5f, none,
                      0.0f);

    // A click on it must not leave it holding the keyboard focus, where Return would flip the
    // deck; the framework's buttons take the focus by default, and the deck has no keyboard use.
    button.setWantsKeyboardFocus (false);
}

//==============================================================================
SettingsView::SettingsView()
{
    noiseOverlayImage = loadImage ("noise_overlay");
    iosLogoImage      = loadImage ("ios_logo");
    logoImage         = loadImage ("morvel_logo");
    cautionImage      = loadImage ("caution");

    setUpFlipButton (flipButton);
    flipButton.onClick = [this] { flipButtonClicked(); };

    addAndMakeVisible (flipButton);
    addChildComponent (valuePopup);     // shown by its fade
}

SettingsView::~SettingsView()
{
    onClose = nullptr;
}

void SettingsView::connect (MVUICallback* editor, const juce::String& version)
{
    for (int band = 0; band < 4; ++band)
    {
        auto& slider = eqSliders[(size_t) band];
        slider.setCallback (editor);
        slider.setParameterIndex (ParameterIndex::eqB1Gain + band);
        addAndMakeVisible (slider);
    }

    crossbleedKnob.setParameterIndex (ParameterIndex::crossbleed);
    crossbleedKnob.setCallback (editor);
    crossbleedKnob.setImages (loadImage ("knob"), loadImage ("knobhandle"));
    crossbleedKnob.setCaptionHidden (true);
    crossbleedKnob.setOpaque (false);
    addAndMakeVisible (crossbleedKnob);

    for (auto [knob, index] : { std::pair { &noiseGainKnob, (int) ParameterIndex::noiseLevel },
                                std::pair { &noiseTypeKnob, (int) ParameterIndex::noiseType } })
    {
        knob->setParameterIndex (index);
        knob->setCallback (editor);
        knob->setOpaque (false);
        addAndMakeVisible (*knob);
    }

    tapeHeadSlider.setup (ParameterIndex::headTilt, editor);
    addAndMakeVisible (tapeHeadSlider);

    versionLabel.setFont (widgetFont (10.0f));
    versionLabel.setText ("v" + version, juce::dontSendNotification);
    versionLabel.setJustificationType (juce::Justification::centredRight);
    versionLabel.setColour (juce::Label::textColourId, juce::Colour (0x9940403d));
    addAndMakeVisible (versionLabel);
}

void SettingsView::flipButtonClicked()
{
    if (onClose != nullptr)
        onClose();
}

std::array<EComponent*, 8> SettingsView::getControlsInSyncOrder() noexcept
{
    return { &eqSliders[0], &eqSliders[1], &eqSliders[2], &eqSliders[3],
             &noiseGainKnob, &noiseTypeKnob, &crossbleedKnob, &tapeHeadSlider };
}

void SettingsView::syncFromHost()
{
    for (auto* control : getControlsInSyncOrder())
        control->syncFromHost (false);
}

//==============================================================================
void SettingsView::resized()
{
    // Below the full size the button keeps its distance from the right edge, so the back can
    // always be turned round.
    flipButton.setBounds (DeckSize::isFull (getWidth(), getHeight()) ? 636 : getWidth() - 31, 5, 20, 12);

    for (int band = 0; band < 4; ++band)
        eqSliders[(size_t) band].setBounds (458 + 40 * band, 188, 13, 79);

    noiseGainKnob.setBounds (49, 198, 84, 84);
    noiseTypeKnob.setBounds (129, 198, 84, 84);
    crossbleedKnob.setBounds (75, 53, 112, 112);
    tapeHeadSlider.setBounds (450, 52, 150, 92);
    versionLabel.setBounds (getWidth() - 50, getHeight() - 14, 50, 14);
}

void SettingsView::drawHzLabel (juce::Graphics& g, const juce::Component& slider, int hz)
{
    const auto centre = (float) slider.getX() + (float) slider.getWidth() * 0.5f;
    const juce::Rectangle<int> box ((int) (centre - 16.0f), (int) ((float) slider.getBottom() + 2.0f), 32, 10);

    g.drawText (juce::String (hz) + "Hz", box, juce::Justification::centred, true);
}

void SettingsView::paint (juce::Graphics& g)
{
    g.fillAll (Palette::panel);

    const auto drawStretched = [&g] (const juce::Image& image, juce::Rectangle<float> area)
    {
        if (image.isValid())
            g.drawImage (image, area, juce::RectanglePlacement::stretchToFit);
    };

    // Pictures at full strength, whatever colour the context was left with.
    g.setColour (juce::Colours::black);
    drawStretched (noiseOverlayImage, getLocalBounds().toFloat());
    drawStretched (cautionImage, { 254.0f, 47.0f, 150.0f, 98.0f });
    drawStretched (logoImage, { 274.0f, 191.0f, 105.0f, 21.0f });
    drawStretched (iosLogoImage, { 266.0f, 229.0f, 116.0f, 15.0f });

    // The headings of a column share their top with the first control of the other column's row.
    g.setFont (widgetFont (11.0f).withExtraKerningFactor (0.2f));
    g.setColour (Palette::ink);

    const auto upperTop = tapeHeadSlider.getY() - 28;
    const auto lowerTop = eqSliders[0].getY() - 28;
    const auto heading = [&g] (const char* text, const juce::Component& column, int top)
    {
        g.drawText (text, column.getX(), top, column.getWidth(), 26, juce::Justification::centred, true);
    };

    heading ("TAPE HEAD", tapeHeadSlider, upperTop);
    heading ("EQ", tapeHeadSlider, lowerTop);
    heading ("BLEED", crossbleedKnob, upperTop);
    heading ("NOISE", crossbleedKnob, lowerTop);

    g.setFont (widgetFont (10.0f));
    g.setColour (Palette::caption);
    g.drawText ("TILT", tapeHeadSlider.getX(), (int) ((float) tapeHeadSlider.getBottom() - 3.0f - 11.0f),
                tapeHeadSlider.getWidth(), 11, juce::Justification::centred, true);

    const int bandFrequencies[] = { 60, 400, 2000, 7500 };

    for (size_t band = 0; band < eqSliders.size(); ++band)
        drawHzLabel (g, eqSliders[band], bandFrequencies[band]);
}
