#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <array>

class PMSimpleButton;

/** The preset manager's pictures and fonts, looked up by name in the embedded data.

    Every picture is embedded once, at twice the size it is drawn at, as "<name>.png" (the resource
    "<name>_png"). A picture that is not embedded gives an invalid image, which every drawing skips.
    A face that is not embedded falls back to the system's sans-serif (semibold as bold).

    All the names the preset manager uses are here and nowhere else. Message thread only.
*/
juce::Image pmImage (const char* pictureName);

enum class PMFace { regular, semiBold };

/** An Overpass font at the given height. */
juce::Font pmFont (PMFace face, float height);

/** Draws the one line that says why a save or an export failed. */
void drawFailureLine (juce::Graphics& g, const juce::String& line, juce::Rectangle<float> area);

//==============================================================================
/** A button's pictures: "<base>", "<base>_pressed" and, when it has one, "<base>_disabled"
    (otherwise the normal picture stands in), drawn at the given size.
*/
struct PMButtonArt
{
    const char* baseName;
    float drawWidth, drawHeight;
    bool hasDisabledPicture;
};

/** Gives a button its three pictures and its draw size. */
void applyButtonArt (PMSimpleButton& button, const PMButtonArt& art);

namespace PMArt
{
    inline constexpr PMButtonArt confirm       { "pm_button_confirm",    48.0f, 24.0f, false };
    inline constexpr PMButtonArt cancel        { "pm_button_cancel",     48.0f, 24.0f, false };
    inline constexpr PMButtonArt save          { "pm_button_save",       56.0f, 24.0f, true };
    inline constexpr PMButtonArt overwrite     { "pm_button_overwrite",  56.0f, 24.0f, false };
    inline constexpr PMButtonArt panelSaveAs   { "pm_button_save_as",    72.0f, 24.0f, false };
    inline constexpr PMButtonArt panelSave     { "pm_button_panel_save", 53.0f, 24.0f, true };
    inline constexpr PMButtonArt panelImport   { "pm_button_import",     60.0f, 24.0f, false };
    inline constexpr PMButtonArt panelExport   { "pm_button_export",     68.0f, 24.0f, false };
    inline constexpr PMButtonArt rowDelete     { "pm_button_delete",     18.0f, 18.0f, false };

    inline constexpr const char* folderCaption = "pm_caption_folders";
    inline constexpr const char* presetCaption = "pm_caption_presets";
    inline constexpr const char* nameCaption   = "pm_caption_name";

    /** The nine pieces of the browser's frame: clockwise from the top-left corner, the centre last. */
    inline constexpr std::array<const char*, 9> framePieces { "pm_frame_top_left", "pm_frame_top", "pm_frame_top_right",
                                                              "pm_frame_right", "pm_frame_bottom_right", "pm_frame_bottom",
                                                              "pm_frame_bottom_left", "pm_frame_left", "pm_frame_centre" };
}
