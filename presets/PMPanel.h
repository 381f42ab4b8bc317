#pragma once

#include "PMSimpleButton.h"

/** The open browser's row of action buttons: Save and Save As at the left, Import and Export at
    the right, each as wide as its picture is drawn and as high as the panel. It draws nothing
    itself; the browser paints the strip behind it.
*/
class PMPanel  : public juce::Component,
                 private PMSimpleButton::Delegate
{
public:
    class Delegate
    {
    public:
        virtual ~Delegate() = default;
        virtual void saveAsClicked() = 0;
        virtual void saveClicked() = 0;
        virtual void importClicked() = 0;
        virtual void exportClicked() = 0;
    };

    PMPanel();
    ~PMPanel() override;

    void setDelegate (Delegate* newDelegate) noexcept   { delegate = newDelegate; }

    void paint (juce::Graphics&) override {}
    void resized() override;

    PMSimpleButton saveAsButton, saveButton, importButton, exportButton;

private:
    void buttonClicked (PMSimpleButton*) override;

    Delegate* delegate = nullptr;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PMPanel)
};
