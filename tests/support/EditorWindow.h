#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

#include <memory>

namespace TestSupport
{
    /** Lets an editor go as a host does: the processor is told first. */
    struct CloseAsHostDoes
    {
        void operator() (juce::AudioProcessorEditor* e) const    { e->getAudioProcessor()->editorBeingDeleted (e); delete e; }
    };

    /** A processor's editor as the processor makes it, owned as a host owns it. */
    template <typename Editor>
    std::unique_ptr<Editor, CloseAsHostDoes> createEditor (juce::AudioProcessor& processor)
    {
        return std::unique_ptr<Editor, CloseAsHostDoes> (dynamic_cast<Editor*> (processor.createEditorIfNeeded()));
    }

    /** Shows an editor in a window in the screen's top-left corner, as a host does, and paints it
        once, as the window soon would be: controls click where they last painted. A bare X server
        tells a window mapped under the pointer where the pointer is, so the pointer goes to the
        opposite corner first: only a test's own events move the mouse.
    */
    inline void showInWindow (juce::Component& editor)
    {
        auto& desktop = juce::Desktop::getInstance();
        const auto screen = desktop.getDisplays().getPrimaryDisplay()->totalArea;
        desktop.setMousePosition (screen.getBottomRight() - juce::Point<int> (1, 1));
        editor.setTopLeftPosition (screen.getPosition());
        editor.addToDesktop (juce::ComponentPeer::windowHasTitleBar);
        editor.setVisible (true);
        editor.createComponentSnapshot (editor.getLocalBounds());
    }
}
