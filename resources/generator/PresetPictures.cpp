// The preset browser's pictures: the nine pieces of its frame, the list captions and every
// button face with its word. All are drawn in the browser's drawn units; lines and letters sit
// on whole units so that they stay crisp when the browser shows them at half their pixel size.

#include "PresetPictures.h"

#include <cmath>

namespace
{
    using juce::Colour;
    using juce::Graphics;
    using juce::Path;
    using juce::Rectangle;

    // The pictures' own tones, chosen against the colours the browser paints.
    const Colour panelBody    { 0xff1e1e1e };  // the frame's inside, between the strip and the panes
    const Colour panelEdge    { 0xff3a3a3a };  // the frame's hairline
    const Colour panelEdgeLit { 0xff565656 };  // the hairline along the top, catching the light
    const Colour faceOutline  { 0xff0b0b0b };
    const Colour lettering    { 0xffe8e8e8 };
    const Colour captionInk   { 0xffbcbcbc };
    const Colour warning      { 0xffba2e26 };  // the deck's overload red, kept for deleting

    constexpr int density = 2;   // pixels per drawn unit in every file

    /** A picture drawn in drawn units into a file of twice the size. */
    template <typename Draw>
    PresetPictureSpec drawn (const char* name, int width, int height, Draw draw)
    {
        return { name, width, height, [width, height, draw] (const ArtworkFonts& fonts)
        {
            juce::Image image (juce::Image::ARGB, width * density, height * density, true, juce::SoftwareImageType());
            Graphics g (image);
            g.addTransform (juce::AffineTransform::scale ((float) density));
            draw (g, fonts);
            return image;
        } };
    }

    //==============================================================================
    /** The height of the semibold face's capitals as a fraction of the font's height. */
    float capHeightRatio (const juce::Font& font)
    {
        juce::GlyphArrangement glyphs;
        glyphs.addLineOfText (font.withHeight (100.0f), "H", 0.0f, 0.0f);
        Path path;
        glyphs.createPath (path);
        return path.getBounds().getHeight() / 100.0f;
    }

    /** A word in the semibold face as one path: capitals capHeight high on the baseline y = 0,
        kerned, with tracking added between letters, and the ink starting at x = 0.
    */
    Path letterPath (const ArtworkFonts& fonts, const juce::String& text, float capHeight, float tracking)
    {
        const auto font = fonts.semiBold.withHeight (capHeight / capHeightRatio (fonts.semiBold));
        juce::GlyphArrangement glyphs;
        glyphs.addLineOfText (font, text, 0.0f, 0.0f);

        juce::Array<int> glyphNumbers;
        juce::Array<float> offsets;
        font.getGlyphPositions (text, glyphNumbers, offsets);
        jassert (glyphNumbers.size() == glyphs.getNumGlyphs());

        float shift = 0.0f;

        for (int i = 1; i < juce::jmin (glyphs.getNumGlyphs(), glyphNumbers.size()); ++i)
        {
            shift += tracking + font.getHeight() * fonts.semiBoldKerning.getAdjustment (glyphNumbers[i - 1], glyphNumbers[i]);
            glyphs.moveRangeOfGlyphs (i, 1, shift, 0.0f);
        }

        Path path;
        glyphs.createPath (path);
        path.applyTransform (juce::AffineTransform::translation (-path.getBounds().getX(), 0.0f));
        return path;
    }

    /** Squeezes a word sideways so that it is at most maxWidth wide. */
    Path fitted (Path word, float maxWidth)
    {
        const float width = word.getBounds().getWidth();

        if (width > maxWidth)
            word.applyTransform (juce::AffineTransform::scale (maxWidth / width, 1.0f));

        return word;
    }

    //==============================================================================
    // The frame: one panel of 48 x 48 units, of which each piece is a third. Everything that
    // turns a corner lies within 16 units of the edges, so the middle third of each edge is
    // the same all along and the edge pieces can be stretched. The panel's hairline runs at
    // 11 units from the outside, where the browser stops taking clicks; the shadow fades out
    // before the outer edge, and the inside is one flat tone.
    const Rectangle<float> framePanel { 11.0f, 11.0f, 26.0f, 26.0f };
    constexpr float frameCorner = 3.0f, shadowReach = 10.0f, shadowDrop = 0.75f;

    /** How far a point lies outside a rounded rectangle with round corners; negative inside. */
    float distanceOutside (juce::Point<float> p, Rectangle<float> box, float corner)
    {
        const float qx = std::abs (p.x - box.getCentreX()) - (box.getWidth() * 0.5f - corner);
        const float qy = std::abs (p.y - box.getCentreY()) - (box.getHeight() * 0.5f - corner);
        return std::hypot (juce::jmax (qx, 0.0f), juce::jmax (qy, 0.0f)) + juce::jmin (juce::jmax (qx, qy), 0.0f) - corner;
    }

    /** The whole panel, at the files' density. */
    juce::Image frameImage()
    {
        const int size = 48 * density;
        juce::Image image (juce::Image::ARGB, size, size, true, juce::SoftwareImageType());

        // Shadow, worked out pixel by pixel from the distance to the panel, a little lower than
        // the panel and falling off quadratically.
        for (int y = 0; y < size; ++y)
        {
            for (int x = 0; x < size; ++x)
            {
                const juce::Point<float> p (((float) x + 0.5f) / (float) density, ((float) y + 0.5f) / (float) density);
                const float d = distanceOutside (p, framePanel.translated (0.0f, shadowDrop), frameCorner);
                const float t = 1.0f - juce::jlimit (0.0f, 1.0f, d / shadowReach);
                image.setPixelAt (x, y, juce::Colours::black.withAlpha (0.5f * t * t));
            }
        }

        Graphics g (image);
        g.addTransform (juce::AffineTransform::scale ((float) density));

        // Hairline, lit along the top only: the light fades out where the corners turn down.
        g.setColour (panelEdge);
        g.fillRoundedRectangle (framePanel, frameCorner);

        {
            Graphics::ScopedSaveState state (g);
            g.reduceClipRegion (0, 0, 48, 14);
            g.setGradientFill (juce::ColourGradient (panelEdgeLit, 0.0f, framePanel.getY(),
                                                     panelEdge, 0.0f, framePanel.getY() + frameCorner, false));
            g.fillRoundedRectangle (framePanel, frameCorner);
        }

        g.setColour (panelBody);
        g.fillRoundedRectangle (framePanel.reduced (1.0f), frameCorner - 1.0f);
        return image;
    }

    /** A third of the panel each way, cut from the whole so that the pieces join pixel for pixel. */
    PresetPictureSpec framePiece (const char* name, int column, int row)
    {
        return { name, 16, 16, [column, row] (const ArtworkFonts&)
        {
            const int piece = 16 * density;
            return frameImage().getClippedImage ({ column * piece, row * piece, piece, piece }).createCopy();
        } };
    }

    //==============================================================================
    // Captions: small light capitals on nothing, left-aligned with the pane or field below them.
    // All three are squeezed alike, by as much as the narrowest box needs for its word.
    constexpr float captionCap = 5.0f, captionTracking = 0.5f, captionBaseline = 6.0f;

    float captionSqueeze (const ArtworkFonts& fonts)
    {
        return juce::jmin (1.0f, 30.0f / letterPath (fonts, "PRESETS", captionCap, captionTracking).getBounds().getWidth());
    }

    PresetPictureSpec caption (const char* name, int width, const char* word)
    {
        return drawn (name, width, 7, [width, word] (Graphics& g, const ArtworkFonts& fonts)
        {
            auto path = letterPath (fonts, word, captionCap, captionTracking);
            path.applyTransform (juce::AffineTransform::scale (captionSqueeze (fonts), 1.0f)
                                     .translated (0.0f, captionBaseline));
            g.setColour (captionInk);
            g.fillPath (fitted (path, (float) width));
        });
    }

    //==============================================================================
    // Buttons: a dark rounded face with a fine dark outline, a lit top edge and its word in
    // light capitals, centred. Pressed, the face lights up; disabled, face and word fade into
    // whatever is behind them.
    enum class ButtonState { normal, pressed, disabled };
    constexpr float buttonHeight = 24.0f, buttonCorner = 3.0f;
    constexpr float wordCap = 6.0f, wordTracking = 0.6f, wordBaseline = 15.0f, wordMargin = 5.0f;

    struct FaceTones
    {
        Colour top, bottom, word;
    };

    FaceTones faceTones (ButtonState state, bool destructive)
    {
        if (destructive)
            return state == ButtonState::pressed ? FaceTones { Colour (0xffc83e35), Colour (0xffb3352d), juce::Colours::white }
                                                 : FaceTones { Colour (0xffaa2c25), Colour (0xff8e241e), Colour (0xfff4f0ee) };

        return state == ButtonState::pressed ? FaceTones { Colour (0xff626262), Colour (0xff575757), juce::Colours::white }
                                             : FaceTones { Colour (0xff464646), Colour (0xff383838), lettering };
    }

    void drawButton (Graphics& g, const ArtworkFonts& fonts, float width, const juce::String& word,
                     ButtonState state, bool destructive)
    {
        const bool disabled = state == ButtonState::disabled;
        const auto tones = faceTones (state, destructive);
        const Rectangle<float> bounds (0.0f, 0.0f, width, buttonHeight);
        const auto face = bounds.reduced (1.0f);

        g.setColour (faceOutline.withAlpha (disabled ? 0.35f : 0.9f));
        g.fillRoundedRectangle (bounds, buttonCorner);

        if (disabled)
        {
            g.setColour (Colour (0xff3a3a3a).withAlpha (0.45f));
            g.fillRoundedRectangle (face, buttonCorner - 1.0f);
        }
        else
        {
            g.setGradientFill (juce::ColourGradient (tones.top, 0.0f, face.getY(), tones.bottom, 0.0f, face.getBottom(), false));
            g.fillRoundedRectangle (face, buttonCorner - 1.0f);

            // The lit top edge; a pressed face is lit all over instead.
            if (state == ButtonState::normal)
            {
                Graphics::ScopedSaveState clip (g);
                g.reduceClipRegion (face.withHeight (1.0f).toNearestInt());
                g.setColour (juce::Colours::white.withAlpha (0.12f));
                g.fillRoundedRectangle (face, buttonCorner - 1.0f);
            }
        }

        auto path = letterPath (fonts, word, wordCap, wordTracking);

        if (path.getBounds().getWidth() > width - 2.0f * wordMargin)
            path = letterPath (fonts, word, wordCap, 0.0f);

        path = fitted (path, width - 2.0f * wordMargin);
        const float left = std::round ((width - path.getBounds().getWidth()) * 0.5f);
        path.applyTransform (juce::AffineTransform::translation (left, wordBaseline));

        g.setColour (disabled ? lettering.withAlpha (0.3f) : tones.word);
        g.fillPath (path);
    }

    PresetPictureSpec button (const char* name, int width, const char* word, ButtonState state, bool destructive = false)
    {
        return drawn (name, width, (int) buttonHeight, [width, word, state, destructive] (Graphics& g, const ArtworkFonts& fonts)
        {
            drawButton (g, fonts, (float) width, word, state, destructive);
        });
    }

    //==============================================================================
    // The row's delete button, 18 x 18: a small light cross; pressed, a red disc behind a white one.
    void drawDeleteCross (Graphics& g, bool pressed)
    {
        const juce::Point<float> centre (9.0f, 9.0f);
        const float arm = pressed ? 2.75f : 2.5f;

        if (pressed)
        {
            g.setColour (warning);
            g.fillEllipse (Rectangle<float> (14.0f, 14.0f).withCentre (centre));
        }

        Path cross;
        cross.startNewSubPath (centre.translated (-arm, -arm));
        cross.lineTo (centre.translated (arm, arm));
        cross.startNewSubPath (centre.translated (arm, -arm));
        cross.lineTo (centre.translated (-arm, arm));

        g.setColour (pressed ? juce::Colours::white : Colour (0xffa6a6a6));
        g.strokePath (cross, juce::PathStrokeType (1.5f, juce::PathStrokeType::mitered, juce::PathStrokeType::rounded));
    }

    PresetPictureSpec deleteButton (const char* name, bool pressed)
    {
        return drawn (name, 18, 18, [pressed] (Graphics& g, const ArtworkFonts&) { drawDeleteCross (g, pressed); });
    }
}

const std::vector<PresetPictureSpec>& getPresetPictureSpecs()
{
    using S = ButtonState;

    static const std::vector<PresetPictureSpec> specs {
        caption ("pm_caption_folders", 41, "FOLDERS"),
        caption ("pm_caption_presets", 30, "PRESETS"),
        caption ("pm_caption_name",    53, "PRESET NAME"),

        framePiece ("pm_frame_top_left",     0, 0),
        framePiece ("pm_frame_top",          1, 0),
        framePiece ("pm_frame_top_right",    2, 0),
        framePiece ("pm_frame_right",        2, 1),
        framePiece ("pm_frame_bottom_right", 2, 2),
        framePiece ("pm_frame_bottom",       1, 2),
        framePiece ("pm_frame_bottom_left",  0, 2),
        framePiece ("pm_frame_left",         0, 1),
        framePiece ("pm_frame_centre",       1, 1),

        button ("pm_button_confirm",             48, "DELETE",    S::normal, true),
        button ("pm_button_confirm_pressed",     48, "DELETE",    S::pressed, true),
        button ("pm_button_cancel",              48, "CANCEL",    S::normal),
        button ("pm_button_cancel_pressed",      48, "CANCEL",    S::pressed),
        button ("pm_button_save",                56, "SAVE",      S::normal),
        button ("pm_button_save_pressed",        56, "SAVE",      S::pressed),
        button ("pm_button_save_disabled",       56, "SAVE",      S::disabled),
        button ("pm_button_overwrite",           56, "OVERWRITE", S::normal),
        button ("pm_button_overwrite_pressed",   56, "OVERWRITE", S::pressed),
        button ("pm_button_save_as",             72, "SAVE AS",   S::normal),
        button ("pm_button_save_as_pressed",     72, "SAVE AS",   S::pressed),
        button ("pm_button_panel_save",          53, "SAVE",      S::normal),
        button ("pm_button_panel_save_pressed",  53, "SAVE",      S::pressed),
        button ("pm_button_panel_save_disabled", 53, "SAVE",      S::disabled),
        button ("pm_button_import",              60, "IMPORT",    S::normal),
        button ("pm_button_import_pressed",      60, "IMPORT",    S::pressed),
        button ("pm_button_export",              68, "EXPORT",    S::normal),
        button ("pm_button_export_pressed",      68, "EXPORT",    S::pressed),

        deleteButton ("pm_button_delete",         false),
        deleteButton ("pm_button_delete_pressed", true),
    };

    return specs;
}
