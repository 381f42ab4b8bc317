#include "editor/Artwork.h"

#include <BinaryData.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <utility>

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

TEST (ArtworkDensity, EveryPictureFitsItsNormalRectangleAtEitherDensity)
{
    // Callers divide the pixel size by the density; both files must then give the same layout.
    for (const auto& picture : listedPictures)
    {
        for (float scale : { 0.5f, 1.0f, 2.0f })
        {
            const auto image = loadImage (picture.baseName, scale);
            ASSERT_TRUE (image.isValid()) << picture.baseName;
            const float density = (float) artworkDensity (scale);
            EXPECT_NEAR ((float) image.getWidth() / density, (float) picture.width, 0.5f) << picture.baseName;
            EXPECT_NEAR ((float) image.getHeight() / density, (float) picture.height, 0.5f) << picture.baseName;
        }
    }
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

TEST (ResourceTable, EmptyNullAndUnknownNamesHaveNoEntry)
{
    int size = -1;
    EXPECT_EQ (BinaryData::getNamedResource ("", size), nullptr);
    EXPECT_EQ (size, 0);

    size = -1;
    EXPECT_EQ (BinaryData::getNamedResource (nullptr, size), nullptr);
    EXPECT_EQ (size, 0);

    size = -1;
    EXPECT_EQ (BinaryData::getNamedResource ("knob_jpg", size), nullptr);
    EXPECT_EQ (size, 0);
}

TEST (ResourceTable, HoldsEveryPictureAndBothFontsUnderTheirNames)
{
    for (const auto& picture : listedPictures)
    {
        for (const char* suffix : { "_png", "2x_png" })
        {
            const auto name = juce::String (picture.baseName) + suffix;
            int size = 0;
            EXPECT_NE (resourceData (name.toRawUTF8(), size), nullptr) << name;
            EXPECT_GT (size, 8) << name;
        }
    }

    int size = 0;
    EXPECT_NE (resourceData ("LiberationSansRegular_ttf", size), nullptr);
    EXPECT_NE (resourceData ("NanumBrush_ttf", size), nullptr);
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
