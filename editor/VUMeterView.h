#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include "WidgetFont.h"

/** A needle meter with an overload lamp and a caption.

    The editor's timer hands it one level in decibels per 33 ms tick. The needle follows the
    square root of the linear level with a rise three times faster than its fall, and only
    the horizontal band that the needle covered before and after the tick is repainted. The
    lamp lights for a tick at or above 0 dBFS and while the needle stays near the right stop.

    Levels that are not finite are ignored and huge ones are held at +12 dB, so nothing a
    processor reports can stick the needle.
*/
class VUMeterView  : public juce::Component
{
public:
    VUMeterView();
    ~VUMeterView() override;

    void setCaption (const juce::String& newCaption);
    const juce::String& getCaption() const noexcept   { return caption; }

    /** Replaces the meter face, e.g. with one made elsewhere. */
    void setImage (const juce::Image& newFace);

    /** One tick's level: moves the needle and repaints the band it swept. */
    void setLevel (float decibels);

    float getSmoothedLevel() const noexcept           { return smoothedLevel; }
    float getInstantLevel() const noexcept            { return instantLevel; }
    juce::Point<float> getPivot() const noexcept      { return pivot; }
    juce::Point<float> getTip() const noexcept        { return tip; }
    bool isLampLit() const noexcept;

    /** The needle's angle from vertical for a smoothed level, negative to the left. */
    static double needleAngle (float level) noexcept;

    void paint (juce::Graphics&) override;
    void resized() override {}

    static constexpr float lowestDecibels = -100.0f;
    static constexpr float highestDecibels = 12.0f;
    static constexpr double riseRate = 0.15, fallRate = 0.05;

protected:
    juce::Point<float> pivot, tip;
    juce::String caption { "INPUT" };
    float smoothedLevel = 0.0f;
    float instantLevel = 0.0f;
    juce::Image meterImage;

private:
    juce::Rectangle<int> bandFor (juce::Point<float> from, juce::Point<float> to) const;

    juce::Rectangle<int> needleBand;   // what the needle covered when last set

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (VUMeterView)
};
