#include "editor/Artwork.h"

#include <BinaryData.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <numeric>
#include <utility>
#include <vector>

namespace
{
    struct ListedPicture
    {
        const char* baseName;
        int width, height, width2x, height2x;
    };

    const ListedPicture listedPictures[] = {
        { "ondrella",      224, 132,  448, 264 },
        { "wheel",          25,  25,   50,  50 },
        { "vu",            138,  92,  276, 184 },
        { "knob",           80,  80,  160, 160 },
        { "knobhandle",     80,  80,  160, 160 },
        { "noise_overlay", 663, 295, 1326, 590 },
        { "ios_logo",      187,  24,  373,  48 },
        { "morvel_logo",   105,  21,  210,  42 },
        { "caution",       150,  98,  300, 196 },
        { "flip",           20,  12,   40,  24 },
    };

    /** The resource table's name hash: bytes taken as signed, h = 31 h + b with 32-bit wrap-around. */
    std::uint32_t nameHash (const char* name)
    {
        std::uint32_t h = 0;

        for (auto* p = name; *p != 0; ++p)
            h = 31u * h + (std::uint32_t) (std::int32_t) (signed char) *p;

        return h;
    }

    std::uint32_t unsignedNameHash (const char* name)
    {
        std::uint32_t h = 0;

        for (auto* p = name; *p != 0; ++p)
            h = 31u * h + (std::uint32_t) (unsigned char) *p;

        return h;
    }

    const char* resourceData (const char* name, int& size)
    {
        size = -1;
        return BinaryData::getNamedResource (name, size);
    }

    /** The picture turned by angle radians about its centre, on a transparent ground of the same size. */
    juce::Image rotated (const juce::Image& source, float angle)
    {
        juce::Image result (juce::Image::ARGB, source.getWidth(), source.getHeight(), true, juce::SoftwareImageType());
        juce::Graphics g (result);
        g.drawImageTransformed (source, juce::AffineTransform::rotation (angle, (float) source.getWidth() * 0.5f,
                                                                                (float) source.getHeight() * 0.5f));
        return result;
    }

    /** Mean difference in alpha and brightness between two pictures of the same size, 0 to 1. */
    double meanDifference (const juce::Image& a, const juce::Image& b)
    {
        double total = 0.0;

        for (int y = 0; y < a.getHeight(); ++y)
        {
            for (int x = 0; x < a.getWidth(); ++x)
            {
                const auto pa = a.getPixelAt (x, y), pb = b.getPixelAt (x, y);
                total += std::abs (pa.getFloatAlpha() - pb.getFloatAlpha())
                       + std::abs (pa.getPerceivedBrightness() * pa.getFloatAlpha()
                                   - pb.getPerceivedBrightness() * pb.getFloatAlpha());
            }
        }

        return total / (a.getWidth() * a.getHeight());
    }

    //==============================================================================
    /** A picture of the preset browser: embedded once, at twice the size it is drawn at. */
    struct BrowserPicture
    {
        const char* name;
        int width, height;
    };

    const BrowserPicture browserPictures[] = {
        { "pm_caption_folders", 82, 14 }, { "pm_caption_presets", 60, 14 }, { "pm_caption_name", 106, 14 },
        { "pm_frame_top_left", 32, 32 }, { "pm_frame_top", 32, 32 }, { "pm_frame_top_right", 32, 32 },
        { "pm_frame_right", 32, 32 }, { "pm_frame_bottom_right", 32, 32 }, { "pm_frame_bottom", 32, 32 },
        { "pm_frame_bottom_left", 32, 32 }, { "pm_frame_left", 32, 32 }, { "pm_frame_centre", 32, 32 },
        { "pm_button_confirm", 96, 48 }, { "pm_button_confirm_pressed", 96, 48 },
        { "pm_button_cancel", 96, 48 }, { "pm_button_cancel_pressed", 96, 48 },
        { "pm_button_save", 112, 48 }, { "pm_button_save_pressed", 112, 48 }, { "pm_button_save_disabled", 112, 48 },
        { "pm_button_overwrite", 112, 48 }, { "pm_button_overwrite_pressed", 112, 48 },
        { "pm_button_save_as", 144, 48 }, { "pm_button_save_as_pressed", 144, 48 },
        { "pm_button_panel_save", 106, 48 }, { "pm_button_panel_save_pressed", 106, 48 },
        { "pm_button_panel_save_disabled", 106, 48 },
        { "pm_button_import", 120, 48 }, { "pm_button_import_pressed", 120, 48 },
        { "pm_button_export", 136, 48 }, { "pm_button_export_pressed", 136, 48 },
        { "pm_button_delete", 36, 36 }, { "pm_button_delete_pressed", 36, 36 },
    };

    /** Decoded as the browser decodes it: straight from the embedded data through the image cache. */
    juce::Image browserPicture (const juce::String& name)
    {
        int size = 0;
        const auto* data = resourceData ((name + "_png").toRawUTF8(), size);
        return data != nullptr ? juce::ImageCache::getFromMemory (data, size) : juce::Image();
    }

    /** The picture laid over a plain colour, as it shows in the browser. */
    juce::Image over (const juce::Image& picture, juce::Colour backdrop)
    {
        juce::Image result (juce::Image::RGB, picture.getWidth(), picture.getHeight(), true, juce::SoftwareImageType());
        juce::Graphics g (result);
        g.fillAll (backdrop);
        g.drawImageAt (picture, 0, 0);
        return result;
    }

    /** Mean brightness of the brightest tenth of the pixels: on a button, its word. */
    double letteringBrightness (const juce::Image& image)
    {
        std::vector<float> levels;

        for (int y = 0; y < image.getHeight(); ++y)
            for (int x = 0; x < image.getWidth(); ++x)
                levels.push_back (image.getPixelAt (x, y).getPerceivedBrightness());

        std::sort (levels.begin(), levels.end(), std::greater<float>());
        const auto count = juce::jmax ((size_t) 1, levels.size() / 10);
        return std::accumulate (levels.begin(), levels.begin() + (long) count, 0.0) / (double) count;
    }

    /** The bounds of the pixels at least this bright and this opaque. */
    juce::Rectangle<int> inkBounds (const juce::Image& image, float brightness, int alpha = 128)
    {
        juce::RectangleList<int> ink;

        for (int y = 0; y < image.getHeight(); ++y)
            for (int x = 0; x < image.getWidth(); ++x)
                if (image.getPixelAt (x, y).getAlpha() >= alpha && image.getPixelAt (x, y).getPerceivedBrightness() >= brightness)
                    ink.add ({ x, y, 1, 1 });

        return ink.getBounds();
    }

    bool sameColumn (const juce::Image& a, int ax, const juce::Image& b, int bx)
    {
        for (int y = 0; y < a.getHeight(); ++y)
            if (a.getPixelAt (ax, y) != b.getPixelAt (bx, y))
                return false;

        return true;
    }

    bool sameRow (const juce::Image& a, int ay, const juce::Image& b, int by)
    {
        for (int x = 0; x < a.getWidth(); ++x)
            if (a.getPixelAt (x, ay) != b.getPixelAt (x, by))
                return false;

        return true;
    }
}

//==============================================================================
TEST (ArtworkDensity, OnlyAScaleAboveOneGivesTheDoublePicture)
{
    // A display scaled down keeps the normal picture: the double one is only for denser displays.
    const std::pair<float, int> cases[] = { { 1.0f, 1 }, { 0.5f, 1 }, { 0.75f, 1 }, { 0.0f, 1 },
                                            { 1.5f, 2 }, { 2.0f, 2 }, { 1.25f, 2 }, { 3.0f, 2 } };

    for (auto [scale, density] : cases)
    {
        const auto knob = loadImage ("knob", scale);
        ASSERT_TRUE (knob.isValid()) << scale;
        EXPECT_EQ (knob.getWidth(), 80 * density) << scale;
        EXPECT_EQ (knob.getHeight(), 80 * density) << scale;
        EXPECT_EQ (artworkDensity (scale), density) << scale;
    }
}

TEST (ArtworkDensity, ResourceNamesHaveNoUnderscoreBeforeTheTwo)
{
    EXPECT_EQ (artworkResourceName ("wheel", 1.0f), "wheel_png");
    EXPECT_EQ (artworkResourceName ("wheel", 2.0f), "wheel2x_png");
    EXPECT_EQ (artworkResourceName (nullptr, 2.0f), "2x_png");
}

TEST (ArtworkDensity, OneArgumentLookupFollowsTheMainDisplay)
{
    const float scale = mainDisplayScale();
    EXPECT_GT (scale, 0.0f);
    EXPECT_TRUE (loadImage ("vu") == loadImage ("vu", scale));
    EXPECT_EQ (artworkDensity(), artworkDensity (scale));
}

//==============================================================================
TEST (ArtworkLookup, EveryListedPictureDecodesAtItsSizeAtBothDensities)
{
    for (const auto& picture : listedPictures)
    {
        const auto normal = loadImage (picture.baseName, 1.0f);
        const auto dense = loadImage (picture.baseName, 2.0f);

        ASSERT_TRUE (normal.isValid()) << picture.baseName;
        ASSERT_TRUE (dense.isValid()) << picture.baseName;
        EXPECT_EQ (normal.getWidth(), picture.width) << picture.baseName;
        EXPECT_EQ (normal.getHeight(), picture.height) << picture.baseName;
        EXPECT_EQ (dense.getWidth(), picture.width2x) << picture.baseName;
        EXPECT_EQ (dense.getHeight(), picture.height2x) << picture.baseName;
    }
}

TEST (ArtworkLookup, NullEmptyAndUnknownNamesGiveInvalidImages)
{
    for (float scale : { 1.0f, 2.0f })
    {
        EXPECT_FALSE (loadImage (nullptr, scale).isValid());
        EXPECT_FALSE (loadImage ("", scale).isValid());
        EXPECT_FALSE (loadImage ("tapehead_path", scale).isValid());
        EXPECT_FALSE (loadImage ("knob_png", scale).isValid());
        EXPECT_FALSE (loadImage ("KNOB", scale).isValid());
        EXPECT_FALSE (loadImage ("LiberationSansRegular", scale).isValid());
    }

    EXPECT_FALSE (loadImage (nullptr).isValid());
    EXPECT_FALSE (loadImage ("").isValid());
    EXPECT_FALSE (loadImage ("no such picture").isValid());

    // Below the lookup, the resource table has no entry for them, and says so with a size of 0.
    for (const char* name : { "", static_cast<const char*> (nullptr), "knob_jpg" })
    {
        int size = -1;
        EXPECT_EQ (BinaryData::getNamedResource (name, size), nullptr);
        EXPECT_EQ (size, 0);
    }
}

TEST (ArtworkLookup, TheSamePictureIsHandedOutAsTheSameImageData)
{
    for (float scale : { 1.0f, 2.0f })
    {
        const auto first = loadImage ("knob", scale);
        const auto second = loadImage ("knob", scale);
        ASSERT_TRUE (first.isValid());
        EXPECT_EQ (first.getPixelData(), second.getPixelData());
    }

    EXPECT_NE (loadImage ("knob", 1.0f).getPixelData(), loadImage ("knob", 2.0f).getPixelData());
    EXPECT_NE (loadImage ("knob", 1.0f).getPixelData(), loadImage ("knobhandle", 1.0f).getPixelData());
}

//==============================================================================
TEST (ResourceTable, NamesAreFoundByTheirSignedByteHash)
{
    // Two names with equal hashes find the same entry, which shows that the table keeps only the hash.
    // "knob_t\xf2g" equals "knob_png" only when its byte 0xf2 counts as -14.
    const char* collision = "knob_t\xf2g";
    ASSERT_EQ (nameHash (collision), nameHash ("knob_png"));
    ASSERT_NE (unsignedNameHash (collision), unsignedNameHash ("knob_png"));

    int size = 0, collisionSize = 0;
    const auto* data = resourceData ("knob_png", size);
    ASSERT_NE (data, nullptr);
    EXPECT_EQ (resourceData (collision, collisionSize), data);
    EXPECT_EQ (collisionSize, size);

    // The same with the last two characters traded: 31 * 'n' + 'g' == 31 * 'o' + 'H'.
    ASSERT_EQ (nameHash ("wheel2x_poH"), nameHash ("wheel2x_png"));
    EXPECT_EQ (resourceData ("wheel2x_poH", collisionSize), resourceData ("wheel2x_png", size));
    EXPECT_EQ (collisionSize, size);
}

//==============================================================================
TEST (ArtworkContent, MeterFaceIsFullyOpaque)
{
    for (float scale : { 1.0f, 2.0f })
    {
        const auto dial = loadImage ("vu", scale);
        ASSERT_TRUE (dial.isValid());

        int seeThrough = 0;

        for (int y = 0; y < dial.getHeight(); ++y)
            for (int x = 0; x < dial.getWidth(); ++x)
                seeThrough += dial.getPixelAt (x, y).getAlpha() < 255 ? 1 : 0;

        EXPECT_EQ (seeThrough, 0) << scale;
    }
}

TEST (ArtworkContent, MeterOverloadStretchLiesAtTheTopOfTheNeedlesTravel)
{
    // The needle pivots at (w / 2, 1.02 h) and its tip runs on an ellipse of half-axes 1.02 h and
    // 0.68 h; 0 dB is reached at 0.87 - 0.48 = 0.39 rad and the stop is at 0.48 rad.
    for (float scale : { 1.0f, 2.0f })
    {
        const auto dial = loadImage ("vu", scale);
        const float w = (float) dial.getWidth(), h = (float) dial.getHeight();
        int red = 0;
        float lowest = 10.0f, highest = -10.0f;

        for (int y = 0; y < dial.getHeight(); ++y)
        {
            for (int x = 0; x < dial.getWidth(); ++x)
            {
                const auto c = dial.getPixelAt (x, y);

                if (c.getRed() > 140 && c.getGreen() < 90 && c.getBlue() < 90)
                {
                    const float dx = ((float) x + 0.5f - w * 0.5f) / (h * 1.02f);
                    const float dy = (h * 1.02f - ((float) y + 0.5f)) / (h * 0.68f);
                    const float angle = std::atan2 (dx, dy);
                    lowest = juce::jmin (lowest, angle);
                    highest = juce::jmax (highest, angle);
                    ++red;
                }
            }
        }

        EXPECT_GT (red, 8.0f * scale) << scale;
        EXPECT_GT (lowest, 0.39f - 0.06f) << scale;
        EXPECT_LT (highest, 0.48f + 0.06f) << scale;
    }
}

TEST (ArtworkContent, WheelShowsItsTurningAndStaysInsideItsSquare)
{
    for (float scale : { 1.0f, 2.0f })
    {
        const auto wheel = loadImage ("wheel", scale).convertedToFormat (juce::Image::ARGB);
        ASSERT_TRUE (wheel.isValid());

        // Not the same picture after a small turn, nor after a third or a sixth of a turn.
        for (float degrees : { 8.0f, 60.0f, 120.0f, 180.0f })
            EXPECT_GT (meanDifference (wheel, rotated (wheel, juce::degreesToRadians (degrees))), 0.02)
                << scale << " " << degrees;

        // Nothing outside the inscribed circle, so a turned wheel never leaves its square.
        const float centre = (float) wheel.getWidth() * 0.5f;
        int outside = 0;

        for (int y = 0; y < wheel.getHeight(); ++y)
            for (int x = 0; x < wheel.getWidth(); ++x)
                if (wheel.getPixelAt (x, y).getAlpha() > 0
                    && std::hypot ((float) x + 0.5f - centre, (float) y + 0.5f - centre) > centre)
                    ++outside;

        EXPECT_EQ (outside, 0) << scale;
    }
}

TEST (ArtworkContent, KnobPointerMarksTheTopCentre)
{
    for (float scale : { 1.0f, 2.0f })
    {
        const auto handle = loadImage ("knobhandle", scale).convertedToFormat (juce::Image::ARGB);
        ASSERT_TRUE (handle.isValid());

        // The solid part of the pointer layer: where it lies and how it balances.
        double sumX = 0.0, sumY = 0.0;
        int solid = 0;

        for (int y = 0; y < handle.getHeight(); ++y)
        {
            for (int x = 0; x < handle.getWidth(); ++x)
            {
                if (handle.getPixelAt (x, y).getAlpha() > 200)
                {
                    sumX += x + 0.5;
                    sumY += y + 0.5;
                    ++solid;
                }
            }
        }

        ASSERT_GT (solid, 10) << scale;
        const double size = handle.getWidth();
        EXPECT_NEAR (sumX / solid, size * 0.5, size * 0.02) << scale;
        EXPECT_LT (sumY / solid, size * 0.35) << scale;

        // Nothing solid in the lower half: the knob points straight up at the middle of its range.
        for (int y = handle.getHeight() / 2 + 1; y < handle.getHeight(); ++y)
            for (int x = 0; x < handle.getWidth(); ++x)
                ASSERT_LE (handle.getPixelAt (x, y).getAlpha(), 200) << scale << " " << x << "," << y;
    }
}

TEST (ArtworkContent, KnobBodyIsCentredInItsPicture)
{
    const auto body = loadImage ("knob", 1.0f);
    ASSERT_TRUE (body.isValid());

    // The pointer turns about the picture's centre, so the body must be round about it too.
    EXPECT_EQ (body.getPixelAt (40, 40).getAlpha(), 255);

    for (int i = 0; i < 8; ++i)
    {
        const float a = (float) i * juce::MathConstants<float>::pi / 4.0f;
        const auto p = juce::Point<float> (40.0f, 40.0f) + juce::Point<float> (std::sin (a), -std::cos (a)) * 33.0f;
        EXPECT_EQ (body.getPixelAt ((int) p.x, (int) p.y).getAlpha(), 255) << i;
    }
}

TEST (ArtworkContent, BackPanelGrainIsLight)
{
    for (float scale : { 1.0f, 2.0f })
    {
        const auto grain = loadImage ("noise_overlay", scale);
        ASSERT_TRUE (grain.isValid());

        double total = 0.0;
        int strongest = 0;

        for (int y = 0; y < grain.getHeight(); ++y)
        {
            for (int x = 0; x < grain.getWidth(); ++x)
            {
                const int alpha = grain.getPixelAt (x, y).getAlpha();
                total += alpha;
                strongest = juce::jmax (strongest, alpha);
            }
        }

        const double meanAlpha = total / (grain.getWidth() * grain.getHeight()) / 255.0;
        EXPECT_GT (meanAlpha, 0.005) << scale;
        EXPECT_LT (meanAlpha, 0.08) << scale;
        EXPECT_LT (strongest, 80) << scale;
    }
}

//==============================================================================
TEST (PresetBrowserArtwork, EveryPictureIsEmbeddedOnceAtTwiceItsDrawnSize)
{
    for (const auto& listed : browserPictures)
    {
        const auto image = browserPicture (listed.name);
        ASSERT_TRUE (image.isValid()) << listed.name;
        EXPECT_EQ (image.getWidth(), listed.width) << listed.name;
        EXPECT_EQ (image.getHeight(), listed.height) << listed.name;
        EXPECT_FALSE (browserPicture (juce::String (listed.name) + "2x").isValid()) << listed.name;
        EXPECT_GT (inkBounds (image, 0.0f, 1).getWidth(), 0) << listed.name;
    }
}

TEST (PresetBrowserArtwork, WordsAreLightAndCentredOnTheirFaces)
{
    for (const auto& listed : browserPictures)
    {
        const juce::String name (listed.name);

        if (! name.startsWith ("pm_button") || name.startsWith ("pm_button_delete") || name.endsWith ("_disabled"))
            continue;

        // Only the word is this bright; it keeps clear of the rounded ends and sits in the middle.
        const auto image = browserPicture (name);
        const auto word = inkBounds (image, 0.75f);
        ASSERT_FALSE (word.isEmpty()) << name;
        EXPECT_NEAR (word.getCentreX(), image.getWidth() / 2, 2) << name;
        EXPECT_NEAR (word.getCentreY(), image.getHeight() / 2, 2) << name;
        EXPECT_GE (word.getX(), 8) << name;
        EXPECT_GE (word.getHeight(), 11) << name;
        EXPECT_LE (word.getHeight(), 15) << name;
    }
}

TEST (PresetBrowserArtwork, DisabledFacesAreDimAndPressedFacesStandOut)
{
    // Each disabled face on what lies behind it: the dialogue box, the panel's strip.
    const std::pair<const char*, juce::Colour> disabledOn[] = { { "pm_button_save", juce::Colour (0xff333333) },
                                                                { "pm_button_panel_save", juce::Colour (0xff141414) } };

    for (auto [name, backdrop] : disabledOn)
    {
        const auto normal = over (browserPicture (name), backdrop);
        const auto disabled = over (browserPicture (juce::String (name) + "_disabled"), backdrop);
        EXPECT_LT (letteringBrightness (disabled), 0.6 * letteringBrightness (normal)) << name;
        EXPECT_TRUE (inkBounds (disabled, 0.75f).isEmpty()) << name;
    }

    for (const auto& listed : browserPictures)
    {
        const juce::String name (listed.name);

        if (name.startsWith ("pm_button") && name.endsWith ("_pressed"))
        {
            const auto normal = browserPicture (name.upToLastOccurrenceOf ("_pressed", false, false));
            EXPECT_GT (meanDifference (normal, browserPicture (name)), 0.05) << name;
        }
    }
}

TEST (PresetBrowserArtwork, CaptionsAndDeleteCrossAreLightMarksOnNothing)
{
    for (const char* name : { "pm_caption_folders", "pm_caption_presets", "pm_caption_name", "pm_button_delete" })
    {
        const auto image = browserPicture (name);
        const auto ink = inkBounds (image, 0.0f, 1);
        const auto light = inkBounds (image, 0.6f);

        // Transparent around the mark, and the mark itself light.
        for (auto corner : { juce::Point<int> (image.getWidth() - 1, 0), juce::Point<int> (image.getWidth() - 1, image.getHeight() - 1) })
            EXPECT_EQ (image.getPixelAt (corner.x, corner.y).getAlpha(), 0) << name;

        EXPECT_FALSE (light.isEmpty()) << name;
        EXPECT_GE (light.getWidth(), ink.getWidth() - 2) << name;
    }

    // The captions start at their left edge, to line up with the pane or field beneath them.
    for (const char* name : { "pm_caption_folders", "pm_caption_presets", "pm_caption_name" })
        EXPECT_LE (inkBounds (browserPicture (name), 0.0f, 1).getX(), 1) << name;
}

TEST (PresetBrowserArtwork, FramePiecesJoinWithoutSeamsWhenStretched)
{
    auto piece = [] (const char* where) { return browserPicture (juce::String ("pm_frame_") + where); };
    const auto topLeft = piece ("top_left"), top = piece ("top"), topRight = piece ("top_right");
    const auto left = piece ("left"), centre = piece ("centre"), right = piece ("right");
    const auto bottomLeft = piece ("bottom_left"), bottom = piece ("bottom"), bottomRight = piece ("bottom_right");
    const int last = 31;

    // Stretching repeats the pieces along their edge, which shows nothing only when they are even.
    for (int i = 1; i <= last; ++i)
    {
        EXPECT_TRUE (sameColumn (top, i, top, 0)) << i;
        EXPECT_TRUE (sameColumn (bottom, i, bottom, 0)) << i;
        EXPECT_TRUE (sameRow (left, i, left, 0)) << i;
        EXPECT_TRUE (sameRow (right, i, right, 0)) << i;
        EXPECT_TRUE (sameRow (centre, i, centre, 0) && sameColumn (centre, i, centre, 0)) << i;
    }

    // Each corner runs on into the edges beside it, and the edges into the middle.
    EXPECT_TRUE (sameColumn (topLeft, last, top, 0));
    EXPECT_TRUE (sameColumn (topRight, 0, top, last));
    EXPECT_TRUE (sameColumn (bottomLeft, last, bottom, 0));
    EXPECT_TRUE (sameColumn (bottomRight, 0, bottom, last));
    EXPECT_TRUE (sameRow (topLeft, last, left, 0));
    EXPECT_TRUE (sameRow (bottomLeft, 0, left, last));
    EXPECT_TRUE (sameRow (topRight, last, right, 0));
    EXPECT_TRUE (sameRow (bottomRight, 0, right, last));
    EXPECT_EQ (top.getPixelAt (0, last), centre.getPixelAt (0, 0));
    EXPECT_EQ (bottom.getPixelAt (0, 0), centre.getPixelAt (0, 0));
    EXPECT_EQ (left.getPixelAt (last, 0), centre.getPixelAt (0, 0));
    EXPECT_EQ (right.getPixelAt (0, 0), centre.getPixelAt (0, 0));
    EXPECT_EQ (centre.getPixelAt (0, 0).getAlpha(), 255);

    // The outside fades to nothing, so the panel does not end in a hard line at the view's edge.
    EXPECT_LT (top.getPixelAt (0, 0).getAlpha(), 8);
    EXPECT_LT (bottom.getPixelAt (0, last).getAlpha(), 8);
    EXPECT_LT (topLeft.getPixelAt (0, 0).getAlpha(), 8);
}
