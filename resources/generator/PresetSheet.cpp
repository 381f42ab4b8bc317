// A proof of the preset browser's pictures: the browser opened over the deck and laid out as
// the plug-in lays it out, in each of its states, so that frame, captions, buttons and lists
// can be judged together at both densities.

#include "ContactSheet.h"
#include "PresetPictures.h"

#include "presets/PMBrowserBackdrop.h"

#include <cmath>
#include <iterator>

namespace
{
    using juce::Graphics;
    using juce::Rectangle;
    using Pictures = std::map<juce::String, juce::Image>;
    namespace Colours = BrowserPalette;

    constexpr float viewWidth = 370.0f, viewHeight = 270.0f;
    const juce::Point<float> viewOrigin { 100.0f, 3.0f };

    juce::Image picture (const Pictures& pictures, const juce::String& name)
    {
        const auto found = pictures.find (name);
        return found != pictures.end() ? found->second : juce::Image();
    }

    void drawStretched (Graphics& g, const juce::Image& image, Rectangle<float> area)
    {
        if (image.isValid())
            g.drawImage (image, area, juce::RectanglePlacement::stretchToFit);
    }

    /** A button's picture at half its pixel size, centred in the button's bounds. */
    void drawButton (Graphics& g, const Pictures& pictures, const juce::String& name, Rectangle<float> bounds)
    {
        const auto image = picture (pictures, name);
        const float w = (float) image.getWidth() * 0.5f, h = (float) image.getHeight() * 0.5f;
        drawStretched (g, image, { bounds.getX() + (bounds.getWidth() - w) * 0.5f,
                                   bounds.getY() + (bounds.getHeight() - h) * 0.5f, w, h });
    }

    //==============================================================================
    struct Row
    {
        juce::String text;
        bool selected = false, deletePressed = false;
    };

    /** A list in its scrolling frame: rows of 24, a delete button per row where there is one,
        and the thin scroll bar when the rows do not fit.
    */
    void drawList (Graphics& g, const Pictures& pictures, const ContactSheetFonts& fonts, Rectangle<float> frame,
                   const std::vector<Row>& rows, bool withDelete)
    {
        Graphics::ScopedSaveState state (g);
        g.reduceClipRegion (frame.toNearestInt());
        g.addTransform (juce::AffineTransform::translation (frame.getX(), frame.getY()));

        const float width = frame.getWidth() - 8.0f;

        for (size_t i = 0; i < rows.size(); ++i)
        {
            const Rectangle<float> row (0.0f, (float) i * 24.0f, width, 24.0f);

            if (rows[i].selected)
            {
                g.setColour (Colours::selectedRow);
                g.fillRect (row);
            }

            g.setColour (Colours::rowText);
            g.setFont (fonts.overpassSemiBold.withHeight (13.0f));
            g.drawText (rows[i].text, row.withTrimmedLeft (5.0f).withTrimmedRight (withDelete ? 20.0f : 0.0f),
                        juce::Justification::centredLeft, true);

            if (withDelete)
                drawButton (g, pictures, rows[i].deletePressed ? "pm_button_delete_pressed" : "pm_button_delete",
                            { width - 20.0f, row.getY(), 20.0f, 24.0f });
        }

        const float total = (float) rows.size() * 24.0f, visible = frame.getHeight();

        if (total > visible)
        {
            const float bar = frame.getWidth() - 4.0f, thumb = visible * visible / total;
            g.setColour (Colours::scrollTrack);
            g.fillRoundedRectangle (bar, 0.0f, 4.0f, visible - 2.0f, 2.0f);
            g.setColour (Colours::scrollThumb);
            g.fillRoundedRectangle (bar, 0.0f, 4.0f, thumb - 2.0f, 2.0f);
        }
    }

    struct BrowserState
    {
        bool saveEnabled = true;
        juce::String pressedPanelButton;
        int pressedDeleteRow = -1;
    };

    /** The browser view's painting and children, in its own coordinates. */
    void drawBrowser (Graphics& g, const Pictures& pictures, const ContactSheetFonts& fonts, const BrowserState& state)
    {
        const float W = viewWidth, H = viewHeight;

        // The backdrop as the browser paints it.
        PMBrowserBackdrop::Pictures backdrop;
        const char* const frameNames[] { "pm_frame_top_left", "pm_frame_top", "pm_frame_top_right", "pm_frame_right",
                                         "pm_frame_bottom_right", "pm_frame_bottom", "pm_frame_bottom_left", "pm_frame_left",
                                         "pm_frame_centre" };

        for (size_t i = 0; i < backdrop.frame.size(); ++i)
            backdrop.frame[i] = picture (pictures, frameNames[i]);

        backdrop.folderCaption = picture (pictures, "pm_caption_folders");
        backdrop.presetCaption = picture (pictures, "pm_caption_presets");
        PMBrowserBackdrop::paint (g, W, H, backdrop);
        const float split = (W - 32.0f) * 0.4f;

        // The panel: Save and Save As at the left, Import and Export at the right.
        auto panelButton = [&] (const juce::String& name, float x, float width, bool enabled)
        {
            const auto suffix = ! enabled ? "_disabled" : state.pressedPanelButton == name ? "_pressed" : "";
            drawButton (g, pictures, name + suffix, { 23.0f + x, 20.0f, width, 24.0f });
        };

        const float panelWidth = W - 45.0f;
        panelButton ("pm_button_panel_save", 0.0f, 53.0f, state.saveEnabled);
        panelButton ("pm_button_save_as", 61.0f, 72.0f, true);
        panelButton ("pm_button_import", panelWidth - 68.0f - 60.0f - 8.0f, 60.0f, true);
        panelButton ("pm_button_export", panelWidth - 68.0f, 68.0f, true);

        const std::vector<Row> folders { { "Bass" }, { "Drums" }, { "Keys & Synths" }, { "Mix Bus" }, { "Vocals" },
                                         { "User Presets", true } };
        std::vector<Row> presets { { "Warm Bus" }, { "Cassette Drums" }, { "Lo-Fi Keys" }, { "Dusty Vocal", true },
                                   { "Wobbly Pad" }, { "Night Drive" }, { "Thin Air" }, { "Slow Motor" }, { "Hiss Bed" } };

        if (state.pressedDeleteRow >= 0)
            presets[(size_t) state.pressedDeleteRow].deletePressed = true;

        drawList (g, pictures, fonts, { 19.0f, 71.0f, (float) (int) (split - 2.0f + 10.0f), H - 91.0f }, folders, false);
        drawList (g, pictures, fonts, { (float) (int) (split + 36.0f), 71.0f, (float) (int) ((W - 32.0f) * 0.6f - 26.0f), H - 91.0f },
                  presets, true);
    }

    /** An overlay's plate over the whole browser and its box. */
    void drawOverlayBox (Graphics& g, Rectangle<float> box)
    {
        g.fillAll (Colours::dialogueDimmer);
        g.setColour (Colours::dialogue);
        g.fillRoundedRectangle (box, 4.0f);
    }

    /** The save-as overlay over the browser, in its own coordinates. */
    void drawSaveAs (Graphics& g, const Pictures& pictures, const ContactSheetFonts& fonts,
                     const juce::String& name, bool exists)
    {
        const float w = viewWidth - 26.0f, h = viewHeight - 26.0f;
        const float fx = w * 0.5f - 100.0f, fy = h * 0.5f - 9.6f;

        drawOverlayBox (g, { w * 0.5f - 107.0f, h * 0.5f - 28.0f, 214.0f, 78.0f });
        g.setColour (Colours::field);
        g.fillRoundedRectangle (fx, fy, 200.0f, 24.0f, 4.0f);
        drawStretched (g, picture (pictures, "pm_caption_name"), { fx, fy - 11.0f, 53.0f, 7.0f });

        // The name as the text field shows it, with its caret.
        const auto field = Rectangle<float> (std::round (fx), std::round (fy), 200.0f, 24.0f);
        const auto font = fonts.overpass.withHeight (18.0f);
        g.setColour (Colours::fieldText);
        g.setFont (font);
        g.drawText (name, field.withTrimmedLeft (4.0f).withTrimmedTop (4.0f).withHeight (18.0f), juce::Justification::centredLeft);
        g.fillRect (field.getX() + 4.0f + font.getStringWidthFloat (name) + 1.0f, field.getY() + 4.0f, 1.5f, 17.0f);

        const float y = (float) (int) (fy + 29.0f);
        const bool enabled = name.length() >= 2;
        drawButton (g, pictures, "pm_button_cancel", { (float) (int) (fx + 88.0f), y, 48.0f, 24.0f });
        drawButton (g, pictures, exists ? "pm_button_overwrite" : enabled ? "pm_button_save" : "pm_button_save_disabled",
                    { (float) (int) (fx + 144.0f), y, 56.0f, 24.0f });
    }

    /** The delete question over the browser, in its own coordinates. */
    void drawDeleteQuestion (Graphics& g, const Pictures& pictures, const ContactSheetFonts& fonts,
                             const juce::String& name)
    {
        const float w = viewWidth - 26.0f, h = viewHeight - 26.0f;
        const float x0 = w * 0.5f - 125.0f, y0 = h * 0.5f - 60.0f;

        drawOverlayBox (g, { x0, y0, 250.0f, 120.0f });

        // The two labels as the framework's label draws them: white, inside a border of 5 and 1.
        g.setColour (juce::Colours::white);
        g.setFont (fonts.overpass.withHeight (22.0f));
        g.drawFittedText (name, Rectangle<int> ((int) x0 + 5, (int) y0 + 10, 240, 20).reduced (5, 1),
                          juce::Justification::centred, 1, 0.5f);
        g.setFont (fonts.overpass.withHeight (16.0f));
        g.drawFittedText ("Delete preset?", Rectangle<int> ((int) x0 + 5, (int) y0 + 45, 240, 15).reduced (5, 1),
                          juce::Justification::centred, 1, 0.5f);

        drawButton (g, pictures, "pm_button_cancel", { (float) (int) (x0 + 134.0f), (float) (int) (y0 + 86.0f), 48.0f, 24.0f });
        drawButton (g, pictures, "pm_button_confirm",
                    { (float) (int) (x0 + 192.0f), (float) (int) (y0 + 86.0f), 48.0f, 24.0f });
    }

    enum class Scene { browser, pressedAndDisabled, saveAs, overwrite, deleteQuestion };

    /** The whole window: the deck dimmed by the browser's plate, the browser, its overlay. */
    void drawScene (Graphics& g, Scene scene, const Pictures& deck, const Pictures& browser,
                    const ContactSheetFonts& fonts, int density)
    {
        drawDeckFront (g, deck, fonts, density);
        g.fillAll (Colours::windowDimmer);

        g.addTransform (juce::AffineTransform::translation (viewOrigin));
        BrowserState state;

        if (scene == Scene::pressedAndDisabled)
        {
            state.saveEnabled = false;
            state.pressedPanelButton = "pm_button_import";
            state.pressedDeleteRow = 3;
        }

        drawBrowser (g, browser, fonts, state);

        g.addTransform (juce::AffineTransform::translation (13.0f, 13.0f));

        if (scene == Scene::saveAs)
            drawSaveAs (g, browser, fonts, "Dusty Vocal 2", false);
        else if (scene == Scene::overwrite)
            drawSaveAs (g, browser, fonts, "Dusty Vocal", true);
        else if (scene == Scene::deleteQuestion)
            drawDeleteQuestion (g, browser, fonts, "Dusty Vocal");
    }
}

juce::Image makePresetBrowserSheet (const Pictures& normal, const Pictures& dense, const Pictures& browserPictures,
                                    const ContactSheetFonts& fonts)
{
    const int w = 667, h = 300, gap = 10;
    const Scene scenes[] = { Scene::browser, Scene::pressedAndDisabled, Scene::saveAs, Scene::overwrite, Scene::deleteQuestion };
    const int numScenes = (int) std::size (scenes);

    juce::Image sheet (juce::Image::RGB, w * 4 + gap, numScenes * (h * 2 + gap) - gap, true, juce::SoftwareImageType());
    juce::Graphics g (sheet);
    g.fillAll (juce::Colours::white);

    for (int i = 0; i < numScenes; ++i)
    {
        const int top = i * (h * 2 + gap);

        // Normal density: drawn into a window-sized image, then magnified pixel for pixel.
        juce::Image normalScene (juce::Image::RGB, w, h, true, juce::SoftwareImageType());
        {
            juce::Graphics sg (normalScene);
            drawScene (sg, scenes[i], normal, browserPictures, fonts, 1);
        }

        g.setImageResamplingQuality (juce::Graphics::lowResamplingQuality);
        g.drawImage (normalScene, 0, top, 2 * w, 2 * h, 0, 0, w, h);

        // Double density: drawn straight onto the sheet at a scale of 2.
        juce::Graphics::ScopedSaveState state (g);
        g.addTransform (juce::AffineTransform::scale (2.0f).translated ((float) (2 * w + gap), (float) top));
        g.reduceClipRegion (0, 0, w, h);
        g.setImageResamplingQuality (juce::Graphics::mediumResamplingQuality);
        drawScene (g, scenes[i], dense, browserPictures, fonts, 2);
    }

    return sheet;
}

juce::Image makePresetPictureSheet (const Pictures& browserPictures, const ContactSheetFonts& fonts)
{
    // One cell per picture, on the colour the browser puts behind it, with its name beneath.
    auto background = [] (const juce::String& name)
    {
        if (name.startsWith ("pm_button_panel_save") || name.startsWith ("pm_button_save_as")
            || name.startsWith ("pm_button_import") || name.startsWith ("pm_button_export"))
            return Colours::strip;

        if (name.startsWith ("pm_button_delete"))
            return Colours::selectedRow;

        if (name.startsWith ("pm_button") || name == "pm_caption_name")
            return Colours::dialogue;

        return juce::Colour (0xff1e1e1e);
    };

    const int cellWidth = 100, cellHeight = 44, columns = 8;
    const auto specs = getPresetPictureSpecs();
    const int rows = ((int) specs.size() + columns - 1) / columns;
    const int w = columns * cellWidth, h = rows * cellHeight;

    juce::Image normalCells (juce::Image::RGB, w, h, true, juce::SoftwareImageType());
    juce::Image sheet (juce::Image::RGB, w * 2, h * 4 + 10, true, juce::SoftwareImageType());

    auto drawCells = [&] (Graphics& g)
    {
        g.fillAll (juce::Colour (0xff101010));

        for (size_t i = 0; i < specs.size(); ++i)
        {
            const auto& spec = specs[i];
            const Rectangle<float> cell ((float) ((int) i % columns * cellWidth), (float) ((int) i / columns * cellHeight),
                                         (float) cellWidth, (float) cellHeight);
            g.setColour (background (spec.name));
            g.fillRect (cell.reduced (1.0f));
            drawStretched (g, picture (browserPictures, spec.name),
                           { cell.getX() + (float) ((cellWidth - spec.width) / 2), cell.getY() + 6.0f,
                             (float) spec.width, (float) spec.height });
            g.setColour (juce::Colours::white.withAlpha (0.5f));
            g.setFont (fonts.sans.withHeight (7.0f));
            g.drawText (spec.name.fromFirstOccurrenceOf ("pm_", false, false), cell.withTrimmedTop (33.0f),
                        juce::Justification::centredTop, true);
        }
    };

    {
        Graphics ng (normalCells);
        drawCells (ng);
    }

    Graphics g (sheet);
    g.fillAll (juce::Colours::white);
    g.setImageResamplingQuality (juce::Graphics::lowResamplingQuality);
    g.drawImage (normalCells, 0, 0, w * 2, h * 2, 0, 0, w, h);
    g.addTransform (juce::AffineTransform::scale (2.0f).translated (0.0f, (float) (h * 2 + 10)));
    g.reduceClipRegion (0, 0, w, h);
    drawCells (g);
    return sheet;
}
