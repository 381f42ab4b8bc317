#include "PMModalDialogue.h"
#include "PMArtwork.h"

PMModalDialogue::PMModalDialogue (juce::Component* parentToLeave, Delegate* d)
    : parentComponent (parentToLeave), delegate (d)
{
    const auto font = pmFont (PMFace::regular, 16.0f);
    nameLabel.setFont (font.withHeight (22.0f));
    questionLabel.setFont (font);

    for (auto* label : { &nameLabel, &questionLabel })
        label->setJustificationType (juce::Justification::centred);

    applyButtonArt (confirmButton, PMArt::confirm);
    applyButtonArt (cancelButton, PMArt::cancel);

    for (auto* button : { &confirmButton, &cancelButton })
    {
        button->setDelegate (this);
        addAndMakeVisible (button);
    }

    addAndMakeVisible (nameLabel);
    addAndMakeVisible (questionLabel);
}

PMModalDialogue::~PMModalDialogue() = default;

void PMModalDialogue::ask (const juce::String& presetName, const juce::String& question, int folderIndex, int presetIndex)
{
    nameLabel.setText (presetName, juce::dontSendNotification);
    questionLabel.setText (question, juce::dontSendNotification);
    folder = folderIndex;
    preset = presetIndex;
}

void PMModalDialogue::buttonClicked (PMSimpleButton* button)
{
    juce::Component::SafePointer<PMModalDialogue> self (this);

    if (delegate != nullptr)
    {
        if (button == &cancelButton)   delegate->dialogueFinished (context, 0, folder, preset);
        if (button == &confirmButton)  delegate->dialogueFinished (context, 1, folder, preset);
    }

    if (self != nullptr && parentComponent != nullptr)
        parentComponent->removeChildComponent (this);
}

void PMModalDialogue::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colour (0xaa000000));

    g.setColour (juce::Colour (0xff333333));
    g.fillRoundedRectangle ((float) (getWidth() * 0.5 - 125.0), (float) (getHeight() * 0.5 - 60.0), 250.0f, 120.0f, 4.0f);
}

void PMModalDialogue::resized()
{
    const auto x0 = (float) (getWidth() * 0.5 - 125.0);
    const auto y0 = (float) (getHeight() * 0.5 - 60.0);

    confirmButton.setBounds ((int) (x0 + 192.0f), (int) (y0 + 86.0f), 48, 24);
    cancelButton.setBounds ((int) (x0 + 134.0f), (int) (y0 + 86.0f), 48, 24);
    nameLabel.setBounds ((int) (x0 + 5.0f), (int) (y0 + 10.0f), 240, 20);
    questionLabel.setBounds ((int) (x0 + 5.0f), (int) (y0 + 45.0f), 240, 15);
}
