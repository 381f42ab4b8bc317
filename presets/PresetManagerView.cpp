#include "PresetManagerView.h"
#include "PMArtwork.h"

#include <utility>

namespace
{
    constexpr int folderListKind = 0;
    constexpr int presetListKind = 1;

    // The view takes no clicks on its outer 11 pixels, inside the frame's 16.
    constexpr int clickMargin = 11;

    // Overlays sit 13 pixels inside the view, so the frame's edge shows around them.
    constexpr int overlayInset = 13;
}

//==============================================================================
PresetManagerView::PresetManagerView (PresetStore* store, juce::Component* parent, Delegate* d, const PresetBarStyle& barStyle)
    : deleteDialogue (this, this),
      delegate (d),
      presetBar (barStyle, this),
      background (this),
      folderList (this, folderListKind),
      presetList (this, presetListKind),
      presetStore (store),
      parentComponent (parent)
{
    jassert (presetStore != nullptr);

    saveAsDialogue.setDelegate (this);
    panel.setDelegate (this);

    const auto& current = presetStore->currentPreset;

    for (const auto& folder : presetStore->folders)
        folderList.addItem (folder.name, folder.index, false, folder.index == current.folder);

    presetScroller.setList (&presetList);
    folderScroller.setList (&folderList);
    addAndMakeVisible (folderScroller);
    addAndMakeVisible (presetScroller);

    // Sees every click inside the browser, so the next one takes a failure line away.
    addMouseListener (this, true);

    backdrop.folderCaption = pmImage (PMArt::folderCaption);
    backdrop.presetCaption = pmImage (PMArt::presetCaption);

    for (size_t i = 0; i < backdrop.frame.size(); ++i)
        backdrop.frame[i] = pmImage (PMArt::framePieces[i]);

    // The current preset's folder counts as shown already, so only its preset rows are built.
    if (current.valid)
    {
        displayedFolder = current.folder;
        showFolder (current.folder);
    }

    showCurrentPreset (presetStore->currentPreset);
    addAndMakeVisible (panel);
}

PresetManagerView::~PresetManagerView()
{
    removeMouseListener (this);

    if (parentComponent != nullptr)
        parentComponent->removeComponentListener (this);
}

//==============================================================================
PresetFolder PresetManagerView::folderCopy (int folder) const
{
    if (juce::isPositiveAndBelow (folder, presetStore->folders.size()))
        return presetStore->folders.getReference (folder);

    return {};
}

void PresetManagerView::showFolder (int folder)
{
    const auto previousFolder = displayedFolder;
    const auto previousY = presetScroller.getViewPositionY();

    if (folder != displayedFolder)
    {
        folderList.selectIndex (folder);
        displayedFolder = folder;
        folderScroller.fitList();
        folderScroller.setViewPosition (0, 0);
    }

    const auto shown = folderCopy (folder);
    const auto current = presetStore->currentPreset;

    presetList.clearItems();

    for (const auto& entry : shown.entries)
        presetList.addItem (entry.name, entry.index, entry.writable,
                            current.valid && current.folder == folder && current.index == entry.index);

    showCurrentPreset (presetStore->currentPreset);

    presetScroller.fitList();
    presetScroller.setViewPosition (0, previousFolder == folder ? previousY : 0);
    presetList.layoutRows();
}

void PresetManagerView::showCurrentPreset (const PresetEntry& record)
{
    presetBar.setCurrentPreset (record);
    presetBar.leftArrow.setButtonEnabled (hasPreviousPreset());
    presetBar.rightArrow.setButtonEnabled (hasNextPreset());
    presetBar.repaint();

    // Saving over a factory preset, or over a state no stored preset holds, is never offered.
    panel.saveButton.setButtonEnabled (presetStore->canSaveOver (record));
}

void PresetManagerView::refreshCurrentPreset()
{
    showCurrentPreset (presetStore->currentPreset);
    presetList.selectIndex (-1);
}

//==============================================================================
bool PresetManagerView::hasNextPreset()
{
    return presetStore->hasNextPreset();
}

bool PresetManagerView::hasPreviousPreset()
{
    const auto& current = presetStore->currentPreset;
    return current.valid && (current.folder > 0 || current.index >= 1);
}

void PresetManagerView::stepTo (int folder, int preset)
{
    // A step into an empty folder selects nothing, and the current preset is loaded again.
    presetStore->selectPreset (folder, preset);
    const auto record = presetStore->currentPreset;

    if (record.folder != displayedFolder)
        showFolder (record.folder);

    if (delegate->loadPreset (displayedFolder, record.index).wasOk())
        showCurrentPreset (record);
}

void PresetManagerView::nextPreset()
{
    if (! hasNextPreset())
        return;

    const auto& current = presetStore->currentPreset;
    const auto count = folderCopy (current.folder).entries.size();

    if (current.index == count - 1)
        stepTo (current.folder + 1, 0);
    else
        stepTo (current.folder, current.index + 1);
}

void PresetManagerView::previousPreset()
{
    if (! hasPreviousPreset())
        return;

    const auto& current = presetStore->currentPreset;

    if (current.index == 0)
        stepTo (current.folder - 1, folderCopy (current.folder - 1).entries.size() - 1);
    else
        stepTo (current.folder, current.index - 1);
}

//==============================================================================
void PresetManagerView::revealClicked()
{
    if (parentComponent == nullptr)
        return;

    // A failure line belongs to the action that failed, never to a later opening.
    showFailure ({});
    background.setBounds (parentComponent->getLocalBounds());
    parentComponent->addAndMakeVisible (background);
    parentComponent->addAndMakeVisible (this);
    parentComponent->addComponentListener (this);
}

void PresetManagerView::backgroundClicked()
{
    // A pending file dialog answers into this browser, so it stays open until the answer comes.
    if (! delegate->isFileDialogPending())
        closeBrowser();
}

void PresetManagerView::showFailure (const juce::String& line)
{
    if (line != failureLine)
    {
        failureLine = line;
        repaint();
    }
}

void PresetManagerView::closeBrowser()
{
    showFailure ({});
    saveAsDialogue.discardPendingData();
    removeChildComponent (&saveAsDialogue);
    removeChildComponent (&deleteDialogue);

    if (parentComponent != nullptr)
    {
        parentComponent->removeComponentListener (this);
        parentComponent->removeChildComponent (this);
        parentComponent->removeChildComponent (&background);
    }
}

void PresetManagerView::componentMovedOrResized (juce::Component& component, bool, bool wasResized)
{
    // The plate keeps covering the whole editor whatever size the host gives it.
    if (&component == parentComponent && wasResized)
        background.setBounds (component.getLocalBounds());
}

void PresetManagerView::componentBeingDeleted (juce::Component& component)
{
    if (&component == parentComponent)
    {
        component.removeComponentListener (this);
        parentComponent = nullptr;
    }
}

//==============================================================================
void PresetManagerView::listItemClicked (int listKind, int index)
{
    if (listKind == folderListKind)
    {
        // The folder list stays where it was scrolled while the preset list changes.
        const auto y = folderScroller.getViewPositionY();
        showFolder (index);
        folderScroller.setViewPosition (0, y);
        return;
    }

    // Applied first, made current after; the processor's change message re-shows the folder later.
    const auto loaded = delegate->loadPreset (displayedFolder, index);

    if (loaded.wasOk())
    {
        presetStore->selectPreset (displayedFolder, index);
        showCurrentPreset (presetStore->currentPreset);
        return;
    }

    // The list has highlighted the row already. The folder is read again, so a row whose file has
    // gone goes too, and the highlight returns to the current preset's row, if it is listed.
    presetStore->scanFolder (displayedFolder);
    showFolder (displayedFolder);
    showFailure ("Could not load: " + loaded.getErrorMessage());
}

void PresetManagerView::listItemDeleteClicked (int listKind, int index)
{
    if (listKind != presetListKind)
        return;

    const auto folder = folderCopy (displayedFolder);
    presetToDelete = juce::isPositiveAndBelow (index, folder.entries.size()) ? folder.entries.getReference (index)
                                                                              : PresetEntry();

    deleteDialogue.ask (presetToDelete.name, "Delete preset?", displayedFolder, index);
    deleteDialogue.setBounds (getLocalBounds().reduced (overlayInset));
    addAndMakeVisible (deleteDialogue);
}

void PresetManagerView::dialogueFinished (void*, int result, int folder, int)
{
    const auto named = std::exchange (presetToDelete, PresetEntry());

    if (result != 1)
        return;

    // Rows may have moved since the question was asked (a rescan in between): the file deleted is
    // the one the dialogue named, found again by its path.
    for (const auto& entry : folderCopy (folder).entries)
    {
        if (named.path.isNotEmpty() && entry.path == named.path)
        {
            delegate->deletePreset (folder, entry.index);
            return;
        }
    }

    showFolder (displayedFolder);
}

//==============================================================================
void PresetManagerView::saveAsClicked()
{
    // A restore still on its way names the preset the name starts from.
    presetStore->applyRestoredIdentity();
    auto data = delegate->getCurrentStateData();
    int targetFolder = -1;

    for (const auto& folder : presetStore->folders)
    {
        if (folder.writable)
        {
            targetFolder = folder.index;
            break;
        }
    }

    saveAsDialogue.prepare (std::move (data), targetFolder, presetStore->currentPreset.name);
    saveAsDialogue.setBounds (getLocalBounds().reduced (overlayInset));
    addAndMakeVisible (saveAsDialogue);
    saveAsDialogue.focusName();
}

void PresetManagerView::saveClicked()
{
    // A restore still on its way names the preset Save acts on; when Save is not offered for that
    // one, it is only shown.
    presetStore->applyRestoredIdentity();

    if (! presetStore->canSaveOver (presetStore->currentPreset))
    {
        showFolder (displayedFolder);
        return;
    }

    if (auto data = delegate->getCurrentStateData())
    {
        // Saved over the preset's own file, whatever its name: the names shown can differ from the
        // files' ("Take.2" shows as "Take2"), and the name rule guards only new files.
        const auto saved = presetStore->saveCurrentPreset (*data);

        // A failed save changed nothing, so nothing is shown again.
        if (saved.failed())
        {
            showFailure ("Could not save: " + saved.getErrorMessage());
            return;
        }
    }

    // The save rescans the folder, so the rows are rebuilt to match its files again.
    showFolder (displayedFolder);
}

void PresetManagerView::importClicked()
{
    delegate->importPreset();
}

void PresetManagerView::exportClicked()
{
    delegate->exportPreset();
}

bool PresetManagerView::presetNameExists (int folder, const juce::String& name)
{
    // Saving replaces a file exactly when the one it would write is there; names are not compared,
    // since a file system may or may not tell letter cases apart.
    if (presetStore->getFolderDirectory (folder) == juce::File() || ! PresetStore::isAcceptablePresetName (name))
        return false;

    return presetStore->presetFileForName (folder, name).exists();
}

void PresetManagerView::saveAsCancelled()
{
    removeChildComponent (&saveAsDialogue);
}

bool PresetManagerView::saveAsConfirmed (int folder, const juce::String& name, juce::MemoryBlock* data)
{
    if (data != nullptr)
    {
        // A failed save leaves the overlay open with its name and state, the browser as it was.
        const auto saved = presetStore->savePresetToFolder (*data, name, folder);

        if (saved.failed())
        {
            saveAsDialogue.showFailure ("Could not save: " + saved.getErrorMessage());
            return false;
        }
    }

    removeChildComponent (&saveAsDialogue);
    showFolder (folder);
    return true;
}

//==============================================================================
bool PresetManagerView::hitTest (int x, int y)
{
    const auto w = juce::jmax (getWidth(), 2 * clickMargin);
    const auto h = juce::jmax (getHeight(), 2 * clickMargin);
    return x >= clickMargin && x < w - clickMargin && y >= clickMargin && y < h - clickMargin;
}

void PresetManagerView::mouseDown (const juce::MouseEvent&)
{
    showFailure ({});
}

void PresetManagerView::paint (juce::Graphics& g)
{
    // A failure line takes the captions' place while it is shown; the overlays lie above it.
    auto pictures = backdrop;

    if (failureLine.isNotEmpty())
        pictures.folderCaption = pictures.presetCaption = juce::Image();

    PMBrowserBackdrop::paint (g, (float) getWidth(), (float) getHeight(), pictures);

    if (failureLine.isNotEmpty())
        drawFailureLine (g, failureLine, { 19.0f, 53.0f, (float) getWidth() - 38.0f, 17.0f });
}

void PresetManagerView::resized()
{
    const auto w = (double) getWidth(), h = (double) getHeight();
    const auto trunc = [] (double v) { return (int) (float) v; };

    if (parentComponent != nullptr)
        background.setBounds (parentComponent->getLocalBounds());

    panel.setBounds (23, 20, trunc (w - 45.0), 24);
    folderScroller.setBounds (19, 71, trunc ((w - 32.0) * 0.4 - 2.0 + 10.0), trunc (h - 91.0));
    presetScroller.setBounds (trunc ((w - 32.0) * 0.4 + 39.0 - 3.0), 71, trunc ((w - 32.0) * 0.6 - 26.0), trunc (h - 91.0));
    saveAsDialogue.setBounds (getLocalBounds().reduced (overlayInset));
    deleteDialogue.setBounds (getLocalBounds().reduced (overlayInset));
}
