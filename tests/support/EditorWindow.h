#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

#include <memory>

namespace TestSupport
{
    /** Lets an editor go as a host does: the processor is told first. */
    struct CloseAsHostDoes
    {
        void operator() (juce::AudioProcessorEditor* editor) const
        {
            editor->getAudioProcessor()->editorBeingDeleted (editor);
            delete editor;
        }
    };

    /** A processor's editor, as the processor makes it, owned as a host owns it. */
    template <typename Editor>
    using HostedEditor = std::unique_ptr<Editor, CloseAsHostDoes>;

    template <typename Editor>
    HostedEditor<Editor> createEditor (juce::AudioProcessor& processor)
    {
        return HostedEditor<Editor> (dynamic_cast<Editor*> (processor.createEditorIfNeeded()));
    }

    /** Shows an editor in a window of its own in the screen's top-left corner, as a host does,
        and paints it once, as the window soon would be: controls click where they last painted.

        A bare X server tells a window mapped under the pointer where the real pointer is, and the
        framework takes that as a mouse event; the pointer goes to the opposite corner first, so
        that only a test's own events move the mouse.
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
