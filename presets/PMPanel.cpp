#include "PMPanel.h"
#include "PMArtwork.h"

PMPanel::PMPanel()
{
    applyButtonArt (saveAsButton, PMArt::panelSaveAs);
    applyButtonArt (saveButton,   PMArt::panelSave);
    applyButtonArt (importButton, PMArt::panelImport);
    applyButtonArt (exportButton, PMArt::panelExport);

    for (auto* button : { &saveAsButton, &saveButton, &importButton, &exportButton })
    {
        button->setDelegate (this);
        addAndMakeVisible (button);
    }
}

PMPanel::~PMPanel() = default;

void PMPanel::resized()
{
    const auto h = getHeight();
    const auto w = (float) getWidth();
    const auto saveWidth = saveButton.getDrawWidth();
    const auto importWidth = importButton.getDrawWidth();
    const auto exportWidth = exportButton.getDrawWidth();

    // A panel narrower than the four buttons lets them overlap; Save stays at 0 and Export flush right.
    saveButton.setBounds (0, 0, (int) saveWidth, h);
    saveAsButton.setBounds ((int) (saveWidth + 8.0f), 0, (int) saveAsButton.getDrawWidth(), h);
    exportButton.setBounds ((int) (w - exportWidth), 0, (int) exportWidth, h);
    importButton.setBounds ((int) (w - exportWidth - importWidth - 8.0f), 0, (int) importWidth, h);
}

void PMPanel::buttonClicked (PMSimpleButton* button)
{
    if (delegate == nullptr)
        return;

    if (button == &saveAsButton)  delegate->saveAsClicked();
    if (button == &saveButton)    delegate->saveClicked();
    if (button == &importButton)  delegate->importClicked();
    if (button == &exportButton)  delegate->exportClicked();
}
