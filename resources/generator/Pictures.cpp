// The editor's pictures. Every one is drawn in the pixels of its normal-density file; the
// places the editor draws them into fix some of the geometry, noted at each picture.

#include "Pictures.h"

#include "editor/Palette.h"

#include <cmath>
#include <cstdint>
#include <utility>

namespace
{
    using juce::Colour;
    using juce::Graphics;
    using juce::Path;
    using juce::Point;
    using juce::Rectangle;

    // The window's palette, and the few tones derived from it.
    const Colour panel  = Palette::panel;
    const Colour ink    = Palette::ink;
    const Colour face   = Palette::face;
    const Colour groove = Palette::groove;
    const Colour paper  { 0xffe6e4d1 };   // labels and the meter dial: the panel, lit
    const Colour signal { 0xffba2e26 };   // the meter's overload lamp, used sparingly as the accent
    const Colour tape   { 0xff4a4339 };   // wound tape

    constexpr float pi = juce::MathConstants<float>::pi;

    //==============================================================================
    /** A line of text as a path with its first glyph's origin at (0, 0), the baseline at y = 0. */
    Path textPath (const juce::Font& font, const juce::String& text, float tracking = 0.0f)
    {
        juce::GlyphArrangement glyphs;
        glyphs.addLineOfText (font.withExtraKerningFactor (tracking), text, 0.0f, 0.0f);
        Path path;
        glyphs.createPath (path);
        return path;
    }

    /** Draws text with its baseline at y, placed left of, centred on or right of x by its ink.
        A positive weight thickens the strokes by that many pixels.
    */
    void drawText (Graphics& g, const juce::Font& font, const juce::String& text, float x, float baseline,
                   juce::Justification justification, Colour colour, float tracking = 0.0f, float weight = 0.0f)
    {
        auto path = textPath (font, text, tracking);
        const auto bounds = path.getBounds();

        float left = x - bounds.getX();

        if (justification.testFlags (juce::Justification::horizontallyCentred))
            left = x - bounds.getCentreX();
        else if (justification.testFlags (juce::Justification::right))
            left = x - bounds.getRight();

        path.applyTransform (juce::AffineTransform::translation (left, baseline));
        g.setColour (colour);
        g.fillPath (path);

        if (weight > 0.0f)
            g.strokePath (path, juce::PathStrokeType (weight, juce::PathStrokeType::mitered));
    }

    Path quadrilateral (Point<float> a, Point<float> b, Point<float> c, Point<float> d)
    {
        Path path;
        path.startNewSubPath (a);
        path.lineTo (b);
        path.lineTo (c);
        path.lineTo (d);
        path.closeSubPath();
        return path;
    }

    Path circle (Point<float> centre, float radius)
    {
        Path path;
        path.addEllipse (centre.x - radius, centre.y - radius, radius * 2.0f, radius * 2.0f);
        return path;
    }

    void fillCircle (Graphics& g, Point<float> centre, float radius, Colour colour)
    {
        g.setColour (colour);
        g.fillPath (circle (centre, radius));
    }

    void strokeCircle (Graphics& g, Point<float> centre, float radius, Colour colour, float thickness)
    {
        g.setColour (colour);
        g.strokePath (circle (centre, radius), juce::PathStrokeType (thickness));
    }

    /** A point at the given distance from centre, the angle clockwise from straight up. */
    Point<float> polar (Point<float> centre, float distance, float angle)
    {
        return { centre.x + distance * std::sin (angle), centre.y - distance * std::cos (angle) };
    }

    /** A screw head with its slot at the given angle. */
    void drawScrew (Graphics& g, Point<float> centre, float radius, float angle)
    {
        fillCircle (g, centre.translated (0.0f, 0.4f), radius + 0.3f, ink.withAlpha (0.25f));
        g.setGradientFill (juce::ColourGradient (paper, centre.x - radius, centre.y - radius,
                                                 face.darker (0.15f), centre.x + radius, centre.y + radius, false));
        g.fillPath (circle (centre, radius));
        strokeCircle (g, centre, radius, ink.withAlpha (0.7f), 0.6f);
        g.setColour (ink.withAlpha (0.85f));
        g.drawLine ({ polar (centre, radius * 0.7f, angle), polar (centre, radius * 0.7f, angle + pi) }, 0.8f);
    }

    /** The maker's sign: one period of a wave across a disc. */
    void drawMakerSign (Graphics& g, Point<float> centre, float radius, Colour waveColour)
    {
        fillCircle (g, centre, radius, ink);

        Path wave;
        const float halfWidth = radius * 0.72f, height = radius * 0.33f;

        for (int i = 0; i <= 24; ++i)
        {
            const float t = (float) i / 24.0f;
            const Point<float> p (centre.x - halfWidth + 2.0f * halfWidth * t, centre.y - height * std::sin (t * 2.0f * pi));

            if (i == 0)
                wave.startNewSubPath (p);
            else
                wave.lineTo (p);
        }

        g.setColour (waveColour);
        g.strokePath (wave, juce::PathStrokeType (radius * 0.17f, juce::PathStrokeType::curved,
                                                  juce::PathStrokeType::rounded));
    }

    //==============================================================================
    // "ondrella": the cassette seen through the deck's door, 224 x 132. The wheels ("wheel")
    // turn about (0.296 w, 0.485 h) and (0.72 w, 0.485 h); the preset name is written on the
    // label strip (34, 23, 154, 16), which the view fills itself.
    const Point<float> leftHub  { 0.296f * 224.0f, 0.485f * 132.0f };
    const Point<float> rightHub { 0.72f * 224.0f,  0.485f * 132.0f };

    void drawCassette (Graphics& g, const ArtworkFonts& fonts)
    {
        g.fillAll (panel);

        // Shell, with a soft shadow on the panel.
        const Rectangle<float> shell (3.5f, 2.5f, 217.0f, 126.5f);
        g.setColour (ink.withAlpha (0.12f));
        g.fillRoundedRectangle (shell.translated (0.0f, 1.2f).expanded (0.6f), 7.5f);
        g.setGradientFill (juce::ColourGradient (face.brighter (0.06f), 0.0f, shell.getY(),
                                                 face.darker (0.05f), 0.0f, shell.getBottom(), false));
        g.fillRoundedRectangle (shell, 7.0f);
        g.setColour (ink);
        g.drawRoundedRectangle (shell, 7.0f, 1.0f);

        // Bottom rail with the openings for the head, the pinch rollers and the capstans.
        const auto rail = quadrilateral ({ 46.0f, 104.5f }, { 178.0f, 104.5f }, { 187.0f, 129.0f }, { 37.0f, 129.0f });
        g.setColour (face.darker (0.07f));
        g.fillPath (rail);
        g.setColour (ink.withAlpha (0.55f));
        g.strokePath (rail, juce::PathStrokeType (0.8f));

        g.setColour (ink);
        g.fillRoundedRectangle (101.0f, 110.5f, 22.0f, 13.0f, 1.5f);
        g.fillRoundedRectangle (82.0f, 113.0f, 8.0f, 10.0f, 1.2f);
        g.fillRoundedRectangle (134.0f, 113.0f, 8.0f, 10.0f, 1.2f);
        fillCircle (g, { 64.0f, 117.5f }, 3.6f, ink);
        fillCircle (g, { 160.0f, 117.5f }, 3.6f, ink);

        // Screws in the corners.
        drawScrew (g, { 10.5f, 9.5f }, 2.8f, 0.6f);
        drawScrew (g, { 213.5f, 9.5f }, 2.8f, 2.1f);
        drawScrew (g, { 10.5f, 121.5f }, 2.8f, 1.3f);
        drawScrew (g, { 213.5f, 121.5f }, 2.8f, 0.2f);

        // Label.
        const Rectangle<float> label (17.5f, 8.5f, 189.0f, 91.0f);
        g.setColour (ink.withAlpha (0.15f));
        g.fillRoundedRectangle (label.translated (0.0f, 0.8f), 4.0f);
        g.setColour (paper);
        g.fillRoundedRectangle (label, 4.0f);
        g.setColour (ink.withAlpha (0.45f));
        g.drawRoundedRectangle (label, 4.0f, 0.7f);

        // The strip the name is written on, with its rule and the side letter.
        g.setColour (groove);
        g.fillRect (34.0f, 23.0f, 154.0f, 16.0f);
        g.setColour (ink.withAlpha (0.45f));
        g.fillRect (34.0f, 39.5f, 154.0f, 0.6f);
        drawText (g, fonts.sans.withHeight (15.0f), "A", 26.0f, 37.0f, juce::Justification::centred, ink, 0.0f, 0.5f);

        // Accent stripes and small print along the label's foot.
        g.setColour (signal);
        g.fillRect (17.5f, 88.0f, 189.0f, 1.6f);
        g.setColour (ink.withAlpha (0.8f));
        g.fillRect (17.5f, 90.4f, 189.0f, 0.6f);
        drawText (g, fonts.sans.withHeight (6.5f), "ONDRELLA", 24.0f, 97.0f, juce::Justification::left,
                  ink.withAlpha (0.85f), 0.35f, 0.15f);
        drawText (g, fonts.sans.withHeight (6.5f), "HIGH BIAS  C60", 200.0f, 97.0f, juce::Justification::right,
                  ink.withAlpha (0.85f), 0.2f);

        // Window onto the tape packs.
        const Rectangle<float> window (40.0f, 45.0f, 144.0f, 38.0f);
        Path windowPath;
        windowPath.addRoundedRectangle (window, 11.0f);

        g.setColour (paper.brighter (0.2f));
        g.strokePath (windowPath, juce::PathStrokeType (2.0f), juce::AffineTransform::translation (0.0f, 0.6f));

        {
            Graphics::ScopedSaveState state (g);
            g.reduceClipRegion (windowPath);

            g.setGradientFill (juce::ColourGradient (Colour (0xff8d8b7d), 0.0f, window.getY(),
                                                     Colour (0xff6f6d61), 0.0f, window.getBottom(), false));
            g.fillRect (window);

            // Wound tape: the supply reel full, the take-up reel nearly empty.
            const float packs[] = { 27.0f, 16.5f };
            const Point<float> hubs[] = { leftHub, rightHub };

            for (int i = 0; i < 2; ++i)
            {
                fillCircle (g, hubs[i], packs[i], tape);

                for (float r = 14.0f; r < packs[i]; r += 1.6f)
                    strokeCircle (g, hubs[i], r, Colour (0xff5c5448).withAlpha (0.35f), 0.5f);

                strokeCircle (g, hubs[i], packs[i] - 0.3f, Colour (0xff2e2a24), 0.6f);
            }

            // Inner shadow of the window's edge and a faint reflection on the glass.
            g.setColour (Colour (0xff1e1d1a).withAlpha (0.35f));
            g.strokePath (windowPath, juce::PathStrokeType (3.0f), juce::AffineTransform::translation (0.0f, 1.5f));

            g.setColour (juce::Colours::white.withAlpha (0.10f));
            g.fillPath (quadrilateral ({ 100.0f, 45.0f }, { 118.0f, 45.0f }, { 104.0f, 83.0f }, { 86.0f, 83.0f }));
        }

        g.setColour (ink);
        g.strokePath (windowPath, juce::PathStrokeType (1.0f));

        // The holes the hubs turn in; the wheels are drawn over them.
        for (auto hub : { leftHub, rightHub })
        {
            fillCircle (g, hub, 12.6f, Colour (0xff2b2a27));
            strokeCircle (g, hub, 12.6f, ink, 0.8f);
        }
    }

    //==============================================================================
    // "wheel": the take-up hub, 25 x 25, turned about its centre. Everything stays inside a
    // circle of radius 12 so it keeps within its repaint square whatever the angle. The
    // spokes are unequal so that the turning shows.
    void drawWheel (Graphics& g, const ArtworkFonts&)
    {
        const Point<float> c (12.5f, 12.5f);
        const float outer = 11.4f, rimInner = 8.2f, hubOuter = 4.6f, bore = 2.4f;

        Path wheel;
        wheel.addEllipse (c.x - outer, c.y - outer, outer * 2.0f, outer * 2.0f);
        wheel.setUsingNonZeroWinding (false);

        // Three openings between the spokes; the spoke at the top is twice as wide.
        const float spokeHalfWidths[] = { 0.42f, 0.21f, 0.21f };
        const float spokeAngles[] = { 0.0f, 2.0f * pi / 3.0f, 4.0f * pi / 3.0f };

        for (int i = 0; i < 3; ++i)
        {
            const float from = spokeAngles[i] + spokeHalfWidths[i];
            const float to = spokeAngles[(i + 1) % 3] + (i == 2 ? 2.0f * pi : 0.0f) - spokeHalfWidths[(i + 1) % 3];
            Path opening;
            opening.addCentredArc (c.x, c.y, rimInner, rimInner, 0.0f, from, to, true);
            opening.addCentredArc (c.x, c.y, hubOuter, hubOuter, 0.0f, to, from, false);
            opening.closeSubPath();
            wheel.addPath (opening);
        }

        wheel.addEllipse (c.x - bore, c.y - bore, bore * 2.0f, bore * 2.0f);

        g.setGradientFill (juce::ColourGradient (Colour (0xfff2f1e6), c.x - outer, c.y - outer,
                                                 Colour (0xffc4c3b0), c.x + outer, c.y + outer, false));
        g.fillPath (wheel);
        g.setColour (ink.withAlpha (0.85f));
        g.strokePath (wheel, juce::PathStrokeType (0.6f));

        // Teeth in the bore, where the deck's spindle takes the hub.
        for (int i = 0; i < 6; ++i)
        {
            const float a = (float) i * pi / 3.0f;
            g.drawLine ({ polar (c, bore - 0.1f, a), polar (c, bore + 0.9f, a) }, 0.7f);
        }

        // A mark on the wide spoke.
        fillCircle (g, polar (c, 9.8f, 0.0f), 0.9f, signal);
    }

    //==============================================================================
    // "vu": the meter's dial, 138 x 92, fully opaque. The needle pivots at (w / 2, 1.02 h) and
    // its tip runs on an ellipse of half-axes 1.02 h and 0.68 h from -0.48 to +0.48 radians;
    // the level in decibels sits at angle 0.87 * 10^(dB / 40) - 0.48. Marks are drawn along
    // the needle itself, so the needle lies on them. The lamp is drawn at (0.76 w, 0.55 h).
    constexpr float dialW = 138.0f, dialH = 92.0f;

    Point<float> alongNeedle (float angle, float reach)
    {
        const Point<float> pivot (dialW * 0.5f, dialH * 1.02f);
        return { pivot.x + std::sin (angle) * dialH * 1.2f * 0.85f * reach,
                 pivot.y - std::cos (angle) * dialH * 0.8f * 0.85f * reach };
    }

    float angleForDecibels (float dB)     { return 0.87f * std::pow (10.0f, dB / 40.0f) - 0.48f; }
    float angleForPercent (float percent) { return 0.87f * std::sqrt (percent / 100.0f) - 0.48f; }

    Path scaleArc (float from, float to, float reach)
    {
        Path arc;

        for (int i = 0; i <= 64; ++i)
        {
            const auto p = alongNeedle (from + (to - from) * (float) i / 64.0f, reach);

            if (i == 0)
                arc.startNewSubPath (p);
            else
                arc.lineTo (p);
        }

        return arc;
    }

    void drawMeter (Graphics& g, const ArtworkFonts& fonts)
    {
        const float minAngle = -0.48f, maxAngle = 0.48f, redFrom = angleForDecibels (0.0f);

        g.fillAll (panel);

        // Dial behind its glass, ending just above the needle's foot.
        const Rectangle<float> dial (0.5f, 0.5f, 137.0f, 88.0f);
        g.setGradientFill (juce::ColourGradient (paper.brighter (0.06f), 0.0f, 10.0f,
                                                 paper.darker (0.04f), 0.0f, dial.getBottom(), false));
        g.fillRoundedRectangle (dial, 3.0f);

        // Scale: the main arc, the overload stretch, marks along the needle and their figures.
        g.setColour (ink);
        g.strokePath (scaleArc (minAngle, redFrom, 0.95f), juce::PathStrokeType (1.1f));
        g.setColour (signal);
        g.strokePath (scaleArc (redFrom, maxAngle, 0.965f), juce::PathStrokeType (2.6f));

        struct Mark { float dB; const char* text; };
        const Mark marks[] = { { -40.0f, "40" }, { -30.0f, nullptr }, { -20.0f, "20" }, { -15.0f, nullptr },
                               { -10.0f, "10" }, { -7.0f, nullptr }, { -5.0f, "5" }, { -4.0f, nullptr },
                               { -3.0f, "3" }, { -2.0f, nullptr }, { -1.0f, nullptr }, { 0.0f, "0" },
                               { 1.0f, nullptr } };

        const auto figures = fonts.sans.withHeight (7.5f);

        for (const auto& mark : marks)
        {
            const float a = angleForDecibels (mark.dB);
            const bool major = mark.text != nullptr;
            g.setColour (mark.dB > 0.0f ? signal : ink);
            g.drawLine ({ alongNeedle (a, 0.95f), alongNeedle (a, major ? 1.04f : 1.0f) }, major ? 0.9f : 0.7f);

            if (major)
            {
                const auto at = alongNeedle (a, 1.1f);
                drawText (g, figures, mark.text, at.x, at.y + 2.6f, juce::Justification::centred,
                          mark.dB >= 0.0f ? signal : ink, 0.0f, 0.1f);
            }
        }

        // Second scale inside: the level in percent of full scale.
        g.setColour (ink.withAlpha (0.7f));
        g.strokePath (scaleArc (minAngle, angleForPercent (100.0f), 0.86f), juce::PathStrokeType (0.6f));

        for (float percent = 0.0f; percent <= 100.0f; percent += 20.0f)
        {
            const float a = angleForPercent (percent);
            g.drawLine ({ alongNeedle (a, 0.86f), alongNeedle (a, 0.83f) }, 0.6f);
        }

        const auto small = fonts.sans.withHeight (5.5f);

        for (auto [percent, text] : { std::pair<float, const char*> { 0.0f, "0" }, { 50.0f, "50" }, { 100.0f, "100" } })
        {
            const auto at = alongNeedle (angleForPercent (percent), 0.77f);
            drawText (g, small, text, at.x, at.y + 2.0f, juce::Justification::centred, ink.withAlpha (0.75f));
        }

        drawText (g, fonts.sans.withHeight (9.0f), "dB", 69.0f, 64.0f, juce::Justification::centred, ink, 0.15f, 0.2f);

        // The housing the needle rises from.
        const Point<float> hub (dialW * 0.5f, dial.getBottom());
        Path housing;
        housing.addCentredArc (hub.x, hub.y, 14.0f, 12.0f, 0.0f, -0.5f * pi, 0.5f * pi, true);
        housing.closeSubPath();
        g.setGradientFill (juce::ColourGradient (Colour (0xff5a5a54), hub.x, hub.y - 12.0f,
                                                 Colour (0xff2f2f2c), hub.x, hub.y, false));
        g.fillPath (housing);
        g.setColour (juce::Colours::white.withAlpha (0.18f));
        g.strokePath (housing, juce::PathStrokeType (0.6f), juce::AffineTransform::translation (0.0f, 0.6f));

        // Bezel of the overload lamp, which the meter lights at (0.76 w, 0.55 h, 4, 4).
        const Point<float> lamp (0.76f * dialW + 2.0f, 0.55f * dialH + 2.0f);
        fillCircle (g, lamp, 3.6f, ink.withAlpha (0.18f));
        strokeCircle (g, lamp, 3.6f, ink.withAlpha (0.6f), 0.6f);
        drawText (g, fonts.sans.withHeight (5.0f), "PEAK", lamp.x, lamp.y + 9.2f, juce::Justification::centred,
                  ink.withAlpha (0.75f), 0.2f);

        // Glass: the frame's shadow along the top and a light edge.
        g.setGradientFill (juce::ColourGradient (ink.withAlpha (0.16f), 0.0f, dial.getY(),
                                                 ink.withAlpha (0.0f), 0.0f, dial.getY() + 7.0f, false));
        g.fillRoundedRectangle (dial, 3.0f);
        g.setColour (ink);
        g.drawRoundedRectangle (dial, 3.0f, 1.0f);
    }

    //==============================================================================
    // "knob" and "knobhandle": an 80 x 80 body drawn into an 81 x 80 box and, over it, the
    // pointer layer turned about the same centre: pointing straight up is the middle of the
    // range. The range marks are drawn by the knob outside a radius of 43.
    const Point<float> knobCentre { 40.0f, 40.0f };
    constexpr float skirtRadius = 35.0f, capRadius = 27.0f;

    void drawKnobBody (Graphics& g, const ArtworkFonts&)
    {
        const auto c = knobCentre;

        // Shadow on the panel.
        g.setGradientFill (juce::ColourGradient (ink.withAlpha (0.35f), c.x, c.y + 1.5f,
                                                 ink.withAlpha (0.0f), c.x + skirtRadius + 4.0f, c.y + 1.5f, true));
        g.fillPath (circle (c.translated (0.0f, 1.5f), skirtRadius + 4.0f));

        // Skirt.
        g.setGradientFill (juce::ColourGradient (Colour (0xff5a5a54), c.x, c.y - skirtRadius,
                                                 Colour (0xff2f2f2c), c.x, c.y + skirtRadius, false));
        g.fillPath (circle (c, skirtRadius));
        strokeCircle (g, c, skirtRadius - 0.4f, Colour (0xff262624), 0.8f);

        // Cap: brushed, lit from the upper left.
        fillCircle (g, c.translated (0.0f, 1.2f), capRadius + 0.8f, Colour (0xff222220).withAlpha (0.6f));
        g.setGradientFill (juce::ColourGradient (Colour (0xffe6e5d5), c.x - capRadius, c.y - capRadius,
                                                 Colour (0xffafae9a), c.x + capRadius, c.y + capRadius, false));
        g.fillPath (circle (c, capRadius));

        for (float r = 2.0f; r < capRadius; r += 1.3f)
            strokeCircle (g, c, r, (static_cast<int> (r * 7.0f) % 2 == 0 ? juce::Colours::white : ink).withAlpha (0.05f), 0.5f);

        g.setGradientFill (juce::ColourGradient (juce::Colours::white.withAlpha (0.35f), c.x, c.y - capRadius,
                                                 juce::Colours::white.withAlpha (0.0f), c.x, c.y, false));
        g.strokePath (circle (c, capRadius - 1.0f), juce::PathStrokeType (1.2f));
        strokeCircle (g, c, capRadius, ink.withAlpha (0.8f), 0.7f);
    }

    void drawKnobHandle (Graphics& g, const ArtworkFonts&)
    {
        const auto c = knobCentre;

        // Grip flutes on the skirt, which turn with the pointer.
        for (int i = 0; i < 40; ++i)
        {
            const float a = (float) i * 2.0f * pi / 40.0f;
            g.setColour (juce::Colours::white.withAlpha (0.10f));
            g.drawLine ({ polar (c, capRadius + 2.5f, a), polar (c, skirtRadius - 1.2f, a) }, 0.8f);
        }

        // The pointer: a light line across the skirt and a dark groove on the cap.
        g.setColour (paper);
        g.drawLine ({ polar (c, capRadius + 1.5f, 0.0f), polar (c, skirtRadius - 0.8f, 0.0f) }, 2.2f);
        g.setColour (ink);
        g.drawLine ({ polar (c, 11.0f, 0.0f), polar (c, capRadius - 3.0f, 0.0f) }, 2.6f);
        fillCircle (g, polar (c, 11.0f, 0.0f), 1.3f, ink);
        fillCircle (g, polar (c, capRadius - 3.0f, 0.0f), 1.3f, ink);
    }

    //==============================================================================
    // "noise_overlay": a light grain over the whole back panel, one pixel fine at each density.
    void drawGrain (juce::Image& image, int density)
    {
        std::uint32_t state = 0x9e3779b9u + (std::uint32_t) density;

        auto next = [&state]
        {
            state ^= state << 13;
            state ^= state >> 17;
            state ^= state << 5;
            return (float) (state >> 8) / 16777216.0f;
        };

        const juce::Image::BitmapData pixels (image, juce::Image::BitmapData::writeOnly);

        for (int y = 0; y < image.getHeight(); ++y)
        {
            for (int x = 0; x < image.getWidth(); ++x)
            {
                const float u = next();

                if (u < 0.30f)
                    pixels.setPixelColour (x, y, ink.withAlpha (0.03f + 0.10f * next()));
                else if (u < 0.42f)
                    pixels.setPixelColour (x, y, juce::Colours::white.withAlpha (0.05f + 0.12f * next()));
            }
        }
    }

    //==============================================================================
    // "ios_logo": the product's mark for the back panel, drawn into 116 x 15 there.
    void drawProductMark (Graphics& g, const ArtworkFonts& fonts)
    {
        // A cassette in outline.
        const Rectangle<float> shell (1.5f, 2.5f, 31.0f, 19.0f);
        g.setColour (ink);
        g.drawRoundedRectangle (shell, 2.5f, 1.6f);
        strokeCircle (g, { 11.0f, 10.0f }, 3.2f, ink, 1.4f);
        strokeCircle (g, { 23.0f, 10.0f }, 3.2f, ink, 1.4f);
        g.fillRect (5.0f, 5.0f, 24.0f, 1.2f);

        Path rail;
        rail.startNewSubPath (8.0f, 21.5f);
        rail.lineTo (10.5f, 16.8f);
        rail.lineTo (23.5f, 16.8f);
        rail.lineTo (26.0f, 21.5f);
        g.strokePath (rail, juce::PathStrokeType (1.2f));

        drawText (g, fonts.sans.withHeight (21.0f), "ONDRELLA", 40.0f, 20.5f, juce::Justification::left, ink, 0.16f, 0.7f);
    }

    // "morvel_logo": the maker's wordmark, 105 x 21.
    void drawMakerMark (Graphics& g, const ArtworkFonts& fonts)
    {
        drawMakerSign (g, { 10.5f, 10.5f }, 9.5f, panel);
        drawText (g, fonts.sans.withHeight (16.0f), "Morvellan", 24.5f, 16.0f, juce::Justification::left, ink, 0.06f, 0.45f);
    }

    //==============================================================================
    // "caution": the service sticker on the back, 150 x 98.
    void drawCaution (Graphics& g, const ArtworkFonts& fonts)
    {
        const Rectangle<float> sticker (1.0f, 1.0f, 148.0f, 96.0f);
        Path outline;
        outline.addRoundedRectangle (sticker, 4.0f);

        g.setColour (ink.withAlpha (0.15f));
        g.fillPath (outline, juce::AffineTransform::translation (0.0f, 0.8f));
        g.setColour (paper);
        g.fillPath (outline);

        {
            Graphics::ScopedSaveState state (g);
            g.reduceClipRegion (outline);
            g.setColour (ink);
            g.fillRect (sticker.withHeight (22.0f));
        }

        // Warning sign and heading in the band.
        Path sign;
        sign.addTriangle (17.0f, 4.5f, 26.0f, 19.5f, 8.0f, 19.5f);
        g.setColour (paper);
        g.strokePath (sign, juce::PathStrokeType (1.6f, juce::PathStrokeType::curved, juce::PathStrokeType::rounded));
        g.fillRect (16.2f, 9.5f, 1.6f, 5.5f);
        fillCircle (g, { 17.0f, 17.0f }, 0.9f, paper);

        drawText (g, fonts.sans.withHeight (13.0f), "CAUTION", 34.0f, 16.5f, juce::Justification::left, paper, 0.3f, 0.6f);

        const auto body = fonts.sans.withHeight (7.0f);
        const float left = 9.0f;
        drawText (g, body, "NO USER-SERVICEABLE PARTS INSIDE.", left, 33.0f, juce::Justification::left, ink, 0.04f, 0.15f);
        drawText (g, body, "REFER SERVICING TO QUALIFIED", left, 42.0f, juce::Justification::left, ink, 0.04f, 0.15f);
        drawText (g, body, "PERSONNEL ONLY.", left, 51.0f, juce::Justification::left, ink, 0.04f, 0.15f);

        g.setColour (ink.withAlpha (0.5f));
        g.fillRect (left, 57.5f, 132.0f, 0.6f);

        const auto small = fonts.sans.withHeight (6.5f);
        drawText (g, small, "MODEL", left, 67.0f, juce::Justification::left, ink.withAlpha (0.8f), 0.1f);
        drawText (g, small, "OND-122", 52.0f, 67.0f, juce::Justification::left, ink, 0.1f, 0.2f);
        drawText (g, small, "TYPE", left, 76.0f, juce::Justification::left, ink.withAlpha (0.8f), 0.1f);
        drawText (g, small, "TAPE PROCESSOR", 52.0f, 76.0f, juce::Justification::left, ink, 0.1f, 0.2f);
        drawText (g, small, "MAKER", left, 85.0f, juce::Justification::left, ink.withAlpha (0.8f), 0.1f);
        drawText (g, small, "MORVELLAN", 52.0f, 85.0f, juce::Justification::left, ink, 0.1f, 0.2f);

        // The maker's sign in the corner.
        drawMakerSign (g, { 128.0f, 76.0f }, 9.0f, paper);

        g.setColour (ink);
        g.strokePath (outline, juce::PathStrokeType (1.0f));
    }

    //==============================================================================
    // "flip": the button that turns the deck round, 20 x 12.
    void drawFlip (Graphics& g, const ArtworkFonts&)
    {
        Path arc;
        arc.addCentredArc (10.0f, 6.0f, 7.5f, 3.8f, 0.0f, 0.5f, 2.0f * pi - 0.2f, true);

        g.setColour (ink);
        g.strokePath (arc, juce::PathStrokeType (1.3f, juce::PathStrokeType::curved, juce::PathStrokeType::rounded));

        const auto tip = arc.getCurrentPosition();
        Path head;
        head.addTriangle (tip.x + 2.8f, tip.y, tip.x - 1.2f, tip.y - 2.6f, tip.x - 1.2f, tip.y + 2.6f);
        g.fillPath (head);
    }
}

const std::vector<PictureSpec>& getPictureSpecs()
{
    static const std::vector<PictureSpec> specs {
        { "ondrella",      224, 132,  448, 264, true,  drawCassette,     nullptr },
        { "wheel",          25,  25,   50,  50, false, drawWheel,        nullptr },
        { "vu",            138,  92,  276, 184, true,  drawMeter,        nullptr },
        { "knob",           80,  80,  160, 160, false, drawKnobBody,     nullptr },
        { "knobhandle",     80,  80,  160, 160, false, drawKnobHandle,   nullptr },
        { "noise_overlay", 663, 295, 1326, 590, false, nullptr,          drawGrain },
        { "ios_logo",      187,  24,  373,  48, false, drawProductMark,  nullptr },
        { "morvel_logo",   105,  21,  210,  42, false, drawMakerMark,    nullptr },
        { "caution",       150,  98,  300, 196, false, drawCaution,      nullptr },
        { "flip",           20,  12,   40,  24, false, drawFlip,         nullptr },
    };

    return specs;
}
