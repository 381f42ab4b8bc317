#pragma once

#include "PMBrowserBackdrop.h"
#include "PMModalDialogue.h"
#include "PMPanel.h"
#include "PMRevealButton.h"
#include "PMSaveAs.h"
#include "PMScrollableList.h"
#include "PresetBarStyle.h"

#include "../processor/PresetStore.h"

#include <array>
#include <memory>

/** How the dimming plate reports a click. */
class BackgroundPlateDelegate
{
public:
    virtual ~BackgroundPlateDelegate() = default;
    virtual void backgroundClicked() = 0;
};

//==============================================================================
/** The preset browser and the preset bar.

    The bar is always on screen (the editor places it). A click on it opens the browser: a dimming
    plate over the whole editor and, in front of it, this framed panel with the action buttons, the
    folder list and the preset list. A click on the plate, or on the view's 11-pixel margin, closes
    it again, except while a file dialog it opened is pending. Save As and Delete show their
    overlays inside the view.

    The view reads the preset store directly; everything that touches the plug-in's state or the
    file system outside the store goes through its Delegate (the preset manager's controller).
    While the browser is open the plate follows the editor's size, so that it keeps covering the
    whole editor whatever size the host gives the window.
*/
class PresetManagerView  : public juce::Component,
                           public PMRevealButton::Delegate,
                           public BackgroundPlateDelegate,
                           public PMList::Delegate,
                           public PMPanel::Delegate,
                           public PMSaveAs::Delegate,
                           public PMModalDialogue::Delegate,
                           private juce::ComponentListener
{
public:
    /** What the browser asks of its owner. */
    class Delegate
    {
    public:
        virtual ~Delegate() = default;

        /** Applies a stored preset; fails, changing nothing and saying why in a few words, when it
            cannot be read or is not a preset.
        */
        virtual juce::Result loadPreset (int folder, int preset) = 0;

        /** The plug-in's current state blob (parameters only), or nullptr. */
        virtual std::unique_ptr<juce::MemoryBlock> getCurrentStateData() = 0;

        virtual void importPreset() = 0;
        virtual void exportPreset() = 0;
        virtual void deletePreset (int folder, int preset) = 0;

        /** True while a file dialog that Import or Export opened has not been answered. */
        virtual bool isFileDialogPending() = 0;
    };

    /** The plate that dims the editor behind the open browser; a click on it closes the browser
        unless a file dialog is pending.
    */
    class Background  : public juce::Component
    {
    public:
        explicit Background (BackgroundPlateDelegate* d)  : delegate (d) {}
        ~Background() override = default;

        void mouseDown (const juce::MouseEvent&) override   { delegate->backgroundClicked(); }
        void paint (juce::Graphics& g) override             { g.fillAll (juce::Colour (0x99000000)); }

    private:
        BackgroundPlateDelegate* delegate;

        JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (Background)
    };

    /** @param store      the processor's preset store
        @param parent     the component the browser opens over (the editor)
        @param delegate   the controller
        @param barStyle   how the preset bar looks
    */
    PresetManagerView (PresetStore* store, juce::Component* parent, Delegate* delegate, const PresetBarStyle& barStyle);
    ~PresetManagerView() override;

    //==============================================================================
    /** Lists a folder's presets (an index out of range lists none) and shows the current preset.
        Showing the folder already shown keeps the preset list's scroll position.
    */
    void showFolder (int folder);

    /** Shows a record in the bar and enables the arrows and the Save button to suit it. */
    void showCurrentPreset (const PresetEntry& record);

    /** Shows the store's current preset and selects no preset row, for a state that no stored
        preset holds any more.
    */
    void refreshCurrentPreset();

    /** Shows one short line under the action buttons, saying why an action failed. It goes
        with the next click in the browser, or an empty line hides it at once; the browser always
        opens without one.
    */
    void showFailure (const juce::String& line);
    const juce::String& getFailure() const noexcept     { return failureLine; }

    /** Closes the browser and any overlay, freeing state that was waiting to be saved. */
    void closeBrowser();
    bool isBrowserOpen() const noexcept                 { return parentComponent != nullptr && getParentComponent() == parentComponent; }

    int getDisplayedFolder() const noexcept             { return displayedFolder; }

    //==============================================================================
    bool presetNameExists (int folder, const juce::String& name) override;
    void saveAsCancelled() override;
    bool saveAsConfirmed (int folder, const juce::String& name, juce::MemoryBlock* data) override;

    void saveAsClicked() override;
    void saveClicked() override;
    void importClicked() override;
    void exportClicked() override;

    void backgroundClicked() override;

    void revealClicked() override;
    void nextPreset() override;
    void previousPreset() override;
    bool hasNextPreset() override;
    bool hasPreviousPreset() override;

    void listItemClicked (int listKind, int index) override;
    void listItemDeleteClicked (int listKind, int index) override;

    void dialogueFinished (void* context, int result, int folder, int preset) override;

    //==============================================================================
    bool hitTest (int x, int y) override;
    void mouseDown (const juce::MouseEvent&) override;
    void paint (juce::Graphics&) override;
    void resized() override;

    //==============================================================================
    PMModalDialogue deleteDialogue;
    PMSaveAs saveAsDialogue;

private:
    Delegate* delegate;

public:
    /** The preset bar; the editor adds it to itself and lays it out. */
    PMRevealButton presetBar;

    Background background;
    PMScrollableList folderScroller, presetScroller;
    PMList folderList, presetList;
    PMPanel panel;

private:
    void componentMovedOrResized (juce::Component&, bool wasMoved, bool wasResized) override;
    void componentBeingDeleted (juce::Component&) override;

    void stepTo (int folder, int preset);
    PresetFolder folderCopy (int folder) const;

    int displayedFolder = -1;
    PresetStore* presetStore;
    juce::Component* parentComponent;

    PMBrowserBackdrop::Pictures backdrop;       // the frame in the order of PMArt::framePieces
    juce::String failureLine;                   // why the last action failed; empty when none

    /** The preset the delete dialogue names, so the file deleted is that one even if rows have moved since. */
    PresetEntry presetToDelete;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PresetManagerView)
};
