#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <array>

/** The picture of the tape deck, with two tape wheels that turn while the host plays.

    It takes no mouse input. The editor's timer calls advance every 33 ms; the view then
    repaints only its two wheel boxes, and nothing while the transport is stopped. Every
    picture is drawn at its normal size (the deck 224 x 132, a wheel 25 x 25), whatever
    density it comes in; a missing picture is simply not drawn.
*/
class OndrellaView  : public juce::Component
{
public:
    OndrellaView();
    ~OndrellaView() override;

    /** Replaces the deck and wheel pictures, e.g. with ones made elsewhere. */
    void setImages (const juce::Image& tape, const juce::Image& wheel);

    /** One timer tick: keeps the transport state, and while it plays turns both wheels
        0.03 rad anticlockwise and repaints them.
    */
    void advance (bool transportPlaying);

    bool isPlaying() const noexcept                 { return playing; }
    float getWheelAngle() const noexcept            { return wheelAngle; }
    void setWheelAngle (float newAngle);

    /** The areas the left and right wheel cover, in the view's own coordinates. */
    const std::array<juce::Rectangle<int>, 2>& getWheelBoxes() const noexcept   { return wheelBoxes; }

    void paint (juce::Graphics&) override;
    void resized() override;

    static constexpr int wheelSize = 25;
    static constexpr float wheelStep = 0.03f;

private:
    void drawWheel (juce::Graphics&, juce::Point<float> centre) const;
    void repaintWheels();
    std::array<juce::Point<float>, 2> wheelCentres() const;

    bool playing = false;
    float wheelAngle = 0.0f;
    juce::Image tapeImage, wheelImage;
    std::array<juce::Rectangle<int>, 2> wheelBoxes;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (OndrellaView)
};
