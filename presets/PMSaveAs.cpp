#include "PMSaveAs.h"
#include "PMArtwork.h"

PMTextInput::PMTextInput()
{
    const juce::Colour ink (0xff3d3d3d), field (0xffeeeeee), none (0x00000000);

    setColour (backgroundColourId, none);
    setColour (textColourId, ink);
    setColour (highlightColourId, ink);
    setColour (highlightedTextColourId, field);
    setColour (outlineColourId, none);
    setColour (focusedOutlineColourId, none);
    setColour (shadowColourId, none);
    setColour (juce::CaretComponent::caretColourId, ink);
    setFont (pmFont (PMFace::regular, 18.0f));

    // Where the window could not give it the focus at once, the first click into it selects the
    // name, so typing still replaces it.
    setSelectAllWhenFocused (true);
}

PMTextInput::~PMTextInput() = default;

//==============================================================================
PMSaveAs::PMSaveAs()
    : captionImage (pmImage (PMArt::nameCaption))
{
    nameField.addListener (this);

    applyButtonArt (cancelButton, PMArt::cancel);
    applyButtonArt (saveButton, PMArt::save);
    applyButtonArt (overwriteButton, PMArt::overwrite);

    for (auto* button : { &cancelButton, &saveButton, &overwriteButton })
    {
        button->setDelegate (this);
        addAndMakeVisible (button);
    }

    addAndMakeVisible (nameField);
}

PMSaveAs::~PMSaveAs()
{
    nameField.removeListener (this);
}

void PMSaveAs::prepare (std::unique_ptr<juce::MemoryBlock> stateToSave, int targetFolder, const juce::String& startName)
{
    data = std::move (stateToSave);
    folder = targetFolder;
    showFailure ({});
    nameField.setText (startName, true);
    updateButtons();
}

void PMSaveAs::focusName()
{
    nameField.grabKeyboardFocus();
    nameField.selectAll();
}

void PMSaveAs::showFailure (const juce::String& line)
{
    failureLine = line;
    repaint();
}

void PMSaveAs::updateButtons()
{
    const auto name = nameField.getText();

    // Length counts characters, not bytes.
    if (name.length() < 2 || ! PresetStore::isAcceptablePresetName (name))
    {
        saveButton.setVisible (true);
        overwriteButton.setVisible (false);
        saveButton.setButtonEnabled (false);
        return;
    }

    const auto exists = delegate != nullptr && delegate->presetNameExists (folder, name);
    overwriteButton.setVisible (exists);
    saveButton.setVisible (! exists);
    saveButton.setButtonEnabled (! exists);
}

void PMSaveAs::textEditorReturnKeyPressed (juce::TextEditor&)
{
    if (saveButton.isVisible() && saveButton.isButtonEnabled())
        buttonClicked (&saveButton);
}

void PMSaveAs::buttonClicked (PMSimpleButton* button)
{
    if (button == &saveButton || button == &overwriteButton)
    {
        const auto name = nameField.getText();

        // A file of that name may have appeared since Save was shown: show Overwrite instead of replacing it.
        if (button == &saveButton && delegate != nullptr && delegate->presetNameExists (folder, name))
        {
            updateButtons();
            return;
        }

        // After a failed save the state stays, for another try under another name.
        if (delegate != nullptr && delegate->saveAsConfirmed (folder, name, data.get()))
            data.reset();
    }

    if (button == &cancelButton)
    {
        data.reset();

        if (delegate != nullptr)
            delegate->saveAsCancelled();
    }
}

//==============================================================================
juce::Point<float> PMSaveAs::fieldOrigin() const noexcept
{
    return { (float) (getWidth() * 0.5 - 100.0), (float) (getHeight() * 0.5 - 9.6) };
}

void PMSaveAs::paint (juce::Graphics& g)
{
    const auto w = (float) getWidth(), h = (float) getHeight();
    const auto field = fieldOrigin();

    g.fillAll (juce::Colour (0xaa000000));

    // The box grows downwards to hold a failure line under the buttons.
    const auto failureHeight = failureLine.isEmpty() ? 0.0f : 18.0f;
    g.setColour (juce::Colour (0xff333333));
    g.fillRoundedRectangle (w * 0.5f - 107.0f, h * 0.5f - 28.0f, 214.0f, 78.0f + failureHeight, 4.0f);

    g.setColour (juce::Colour (0xffeeeeee));
    g.fillRoundedRectangle (field.x, field.y, 200.0f, 24.0f, 4.0f);

    if (captionImage.isValid())
        g.drawImage (captionImage, { field.x, field.y - 11.0f, 53.0f, 7.0f });

    if (failureLine.isNotEmpty())
        drawFailureLine (g, failureLine, { field.x, field.y + 56.0f, 200.0f, 16.0f });
}

void PMSaveAs::resized()
{
    const auto field = fieldOrigin();
    nameField.setBounds (juce::roundToInt (field.x), juce::roundToInt (field.y), 200, 24);

    const auto buttonY = (int) (field.y + 29.0f);
    saveButton.setBounds ((int) (field.x + 144.0f), buttonY, 56, 24);
    overwriteButton.setBounds (saveButton.getBounds());   // only one of the two is shown
    cancelButton.setBounds ((int) (field.x + 88.0f), buttonY, 48, 24);
}
