#pragma once

#include <juce_graphics/juce_graphics.h>

/** The one font of the editor's text, shared by every control, pop-up and label.

    It lives in one process-wide record that the first open editor creates, from the embedded
    "Arial" data, and the last closing editor frees: each editor holds one SharedWidgetFont for
    its whole life. The typeface is built once per record, never per call or per control.
    Message thread only.
*/
class SharedWidgetFont
{
public:
    SharedWidgetFont();
    ~SharedWidgetFont();

    /** How many editors (holders) are alive right now. */
    static int getLiveEditorCount() noexcept;

    /** True while the record exists. */
    static bool isAlive() noexcept;

private:
    SharedWidgetFont (const SharedWidgetFont&) = delete;
    SharedWidgetFont& operator= (const SharedWidgetFont&) = delete;
};

/** The shared font at the given height.

    Outside any editor (a control drawn on its own) there is no record; the framework's default
    sans-serif stands in, which costs no typeface of our own. When the embedded data is missing,
    the same sans-serif stands in for the record too.
*/
juce::Font widgetFont (float height);
