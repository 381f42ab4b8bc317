#pragma once

#include <juce_graphics/juce_graphics.h>

#include <array>

/** What the open browser paints behind its widgets, for a view of w x h: the nine-piece frame,
    the dark strip behind the action buttons, the two list captions and the two list panes.

    The browser paints it, and so does the artwork generator's proof of the browser, so that the
    pictures are judged against the real thing. A missing picture leaves its part unpainted.
*/
namespace PMBrowserBackdrop
{
    struct Pictures
    {
        std::array<juce::Image, 9> frame;   // clockwise from the top-left corner, the centre last
        juce::Image folderCaption, presetCaption;
    };

    inline void drawStretched (juce::Graphics& g, const juce::Image& image, juce::Rectangle<float> area)
    {
        if (image.isValid() && ! area.isEmpty())
            g.drawImage (image, area, juce::RectanglePlacement::stretchToFit);
    }

    inline void paint (juce::Graphics& g, float w, float h, const Pictures& pictures)
    {
        constexpr float e = 16.0f;   // the frame's corners and edges, as drawn

        // Corners at their size, edges stretched along themselves, the centre over the inside.
        const juce::Rectangle<float> frameAreas[] { { 0.0f, 0.0f, e, e }, { e, 0.0f, w - 2.0f * e, e }, { w - e, 0.0f, e, e },
                                                    { w - e, e, e, h - 2.0f * e }, { w - e, h - e, e, e }, { e, h - e, w - 2.0f * e, e },
                                                    { 0.0f, h - e, e, e }, { 0.0f, e, e, h - 2.0f * e }, { e, e, w - 2.0f * e, h - 2.0f * e } };

        // Pictures at full strength, whatever colour the context was left with.
        g.setColour (juce::Colours::black);

        for (size_t i = 0; i < pictures.frame.size(); ++i)
            drawStretched (g, pictures.frame[i], frameAreas[i]);

        // The strip behind the action buttons, with rounded top corners.
        const auto r = juce::jmin ((w - 24.0f) / 2.0f, 2.0f);
        juce::Path strip;
        strip.startNewSubPath (12.0f, 14.0f);
        strip.cubicTo (12.0f, 12.9f, 12.0f + 0.45f * r, 12.0f, 12.0f + r, 12.0f);
        strip.lineTo (w - 12.0f - r, 12.0f);
        strip.cubicTo (w - 12.0f - 0.45f * r, 12.0f, w - 12.0f, 12.9f, w - 12.0f, 14.0f);
        strip.lineTo (w - 12.0f, 52.0f);
        strip.lineTo (12.0f, 52.0f);
        strip.closeSubPath();
        strip.setUsingNonZeroWinding (true);
        g.setColour (juce::Colour (0xff141414));
        g.fillPath (strip);

        const auto split = (float) (((double) w - 32.0) * 0.4);
        g.setColour (juce::Colours::black);
        drawStretched (g, pictures.folderCaption, { 19.0f, 60.0f, 41.0f, 7.0f });
        drawStretched (g, pictures.presetCaption, { split + 36.0f, 60.0f, 30.0f, 7.0f });

        // The panes reach a little beyond the lists they hold.
        g.setColour (juce::Colour (0xff2b2b2b));
        g.fillRoundedRectangle (19.0f, 70.0f, split + 10.0f, h - 91.0f, 2.0f);
        g.fillRoundedRectangle (split + 36.0f, 70.0f, (float) (((double) w - 32.0) * 0.6) - 24.0f, h - 91.0f, 2.0f);
    }
}
