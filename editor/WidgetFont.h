#pragma once

#include <juce_graphics/juce_graphics.h>

/** The one font of the editor's text, shared by every control, pop-up and label.

    It is built once from the embedded "Arial" data and lives for as long as any
    SharedWidgetFont does: the first holder creates it and the last one frees it. Every
    control holds one, and so will the editor, so the font is there whenever something
    can paint with it. Message thread only.
*/
class SharedWidgetFont
{
public:
    SharedWidgetFont();
    ~SharedWidgetFont();

    /** How many holders are alive right now. */
    static int getNumHolders() noexcept;

private:
    SharedWidgetFont (const SharedWidgetFont&) = delete;
    SharedWidgetFont& operator= (const SharedWidgetFont&) = delete;
};

/** The shared font at the given height.

    When no SharedWidgetFont holds the font, a font is made for this one call, so the result
    is always usable. When the embedded data is missing, the system's sans-serif stands in.
*/
juce::Font widgetFont (float height);
