#pragma once

#include "EComponent.h"

#include <array>

/** A slide switch with three positions, a title above and a label under each position.

    Its parameter carries the position as 0.0, 0.1 or 0.2: the switch writes position / 10
    and shows min (round (value * 10), 2). Clicking a slot selects it; pressing on one slot
    and releasing on another selects nothing. There is no drag, wheel or double-click, and
    no hover or press report, so no value pop-up is shown for a switch.
*/
class ThreeSwitch  : public EComponent
{
public:
    ThreeSwitch();
    ~ThreeSwitch() override;

    /** Binds the switch and gives it its texts. Neither the value nor the picture changes. */
    void setLabels (const juce::String& newTitle,
                    const juce::String& label0, const juce::String& label1, const juce::String& label2,
                    int newParamIndex, MVUICallback* newCallback);

    using EComponent::setValue;
    void setValue (float newValue, bool repaintNow) override;

    /** The selected position, 0..2. */
    int getPosition() const noexcept                        { return position; }

    /** The slot held down by the mouse, or -1. */
    int getPressedSlot() const noexcept                     { return pressed; }

    /** Where slot 0..2 was drawn by the last paint; empty before the first one. */
    juce::Rectangle<float> getSlotBounds (int slot) const   { return slotRects[(size_t) juce::jlimit (0, 2, slot)]; }

    /** The position a normalised value shows. */
    static int positionForValue (float normalisedValue) noexcept;

    void mouseDown (const juce::MouseEvent&) override;
    void mouseUp (const juce::MouseEvent&) override;
    void paint (juce::Graphics&) override;
    void resized() override;

private:
    int slotAt (juce::Point<float>) const noexcept;

    std::array<juce::Rectangle<float>, 3> slotRects;
    juce::String title { "?" };
    std::array<juce::String, 3> positionLabels { "??", "??", "??" };
    std::array<float, 3> positionLabelWidths {};
    float bodyWidth = 5.0f;
    int position = 0;
    int pressed = -1;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ThreeSwitch)
};
