// A proof of the pictures in place: the front and the back of the deck laid out as the editor
// lays them out, at both densities, so that the pictures can be judged together.

#include "ContactSheet.h"

#include "editor/Palette.h"

#include <cmath>

namespace
{
    const juce::Colour panel   = Palette::panel;
    const juce::Colour ink     = Palette::ink;
    const juce::Colour caption = Palette::caption;
    const juce::Colour groove  = Palette::groove;

    using Pictures = std::map<juce::String, juce::Image>;

    juce::Image picture (const Pictures& pictures, const char* name)
    {
        const auto found = pictures.find (name);
        return found != pictures.end() ? found->second : juce::Image();
    }

    void drawInto (juce::Graphics& g, const juce::Image& image, juce::Rectangle<float> area)
    {
        g.setOpacity (1.0f);
        g.drawImage (image, area, juce::RectanglePlacement::stretchToFit);
    }

    /** The image centred on a point and turned about it, drawn at its normal-density size. */
    void drawTurned (juce::Graphics& g, const juce::Image& image, juce::Point<float> centre, float angle, int density)
    {
        const float d = (float) density;
        g.setOpacity (1.0f);
        g.drawImageTransformed (image, juce::AffineTransform::rotation (angle, (float) image.getWidth() * 0.5f,
                                                                               (float) image.getHeight() * 0.5f)
                                           .scaled (1.0f / d)
                                           .translated (centre.x - (float) image.getWidth() / (2.0f * d),
                                                        centre.y - (float) image.getHeight() / (2.0f * d)));
    }

    void drawImageKnob (juce::Graphics& g, const Pictures& pictures, juce::Rectangle<float> bounds, float value,
                        const juce::String& name, const juce::Font& font, int density)
    {
        const juce::Point<float> centre (bounds.getCentreX(), bounds.getY() + 44.0f);
        drawInto (g, picture (pictures, "knob"), { centre.x - 40.5f, bounds.getY() + 4.0f, 81.0f, 80.0f });
        drawTurned (g, picture (pictures, "knobhandle"), centre, value * 1.5f * juce::MathConstants<float>::pi
                                                                  - 0.75f * juce::MathConstants<float>::pi, density);

        g.setColour (ink);
        for (float side : { -1.0f, 1.0f })
            g.drawLine (centre.x + side * 43.0f * 0.7071f, centre.y + 43.0f * 0.7071f,
                        centre.x + side * 49.0f * 0.7071f, centre.y + 49.0f * 0.7071f, 1.0f);

        if (name.isNotEmpty())
        {
            g.setColour (caption);
            g.setFont (font.withHeight (9.0f));
            g.drawText (name, bounds.withTrimmedTop (12.0f).withHeight (88.0f), juce::Justification::centredBottom);
        }
    }

    void drawMeter (juce::Graphics& g, const Pictures& pictures, juce::Point<float> origin, float level,
                    const juce::String& name, const juce::Font& font)
    {
        const float w = 138.0f, h = 92.0f;
        const double angle = juce::jmin (0.48, (double) level * 0.87 - 0.48);
        const juce::Point<float> pivot (w * 0.5f, h * 1.02f);
        const juce::Point<float> tip ((float) (pivot.x + std::sin (angle) * h * 1.2 * 0.85),
                                      (float) (pivot.y + std::cos (angle + juce::MathConstants<double>::pi) * h * 0.8 * 0.85));

        juce::Graphics::ScopedSaveState state (g);
        g.addTransform (juce::AffineTransform::translation (origin));
        g.reduceClipRegion (0, 0, (int) w, (int) h);
        drawInto (g, picture (pictures, "vu"), { 0.0f, 0.0f, w, h });
        g.setColour (juce::Colour (0x4c40403d));
        g.drawLine ({ pivot, tip }, 1.0f);
        g.setColour (panel);
        g.fillRect (pivot.x - 5.0f, h - 3.0f, 10.0f, 2.0f);
        g.setColour (level >= 0.87f ? juce::Colour (0xffba2e26) : ink);
        g.fillEllipse (0.76f * w, 0.55f * h, 4.0f, 4.0f);
        g.setColour (caption);
        g.setFont (font.withHeight (9.0f));
        g.drawText (name, 4, 4, (int) w - 8, (int) h - 8, juce::Justification::topLeft);
    }

    void drawFront (juce::Graphics& g, const Pictures& pictures, const ContactSheetFonts& fonts, int density, float turn)
    {
        g.fillAll (panel);

        {
            juce::Graphics::ScopedSaveState state (g);
            g.addTransform (juce::AffineTransform::translation (44.0f, 25.0f));
            drawInto (g, picture (pictures, "ondrella"), { 0.0f, 0.0f, 224.0f, 132.0f });
            g.setColour (groove);
            g.fillRect (34.0f, 23.0f, 154.0f, 16.0f);
            g.setColour (juce::Colour (0xcc000000));
            g.setFont (fonts.brush.withHeight (18.0f));
            g.drawText ("ONDRELLA", 34, 24, 154, 16, juce::Justification::centred);

            for (float x : { 0.296f, 0.72f })
                drawTurned (g, picture (pictures, "wheel"), { x * 224.0f, 0.485f * 132.0f }, turn, density);
        }

        drawMeter (g, pictures, { 361.0f, 25.0f }, 0.55f, "OUTPUT LEFT", fonts.sans);
        drawMeter (g, pictures, { 504.0f, 25.0f }, 1.0f, "OUTPUT RIGHT", fonts.sans);

        const char* names[] = { "TAPE QUALITY", "HEAD QUALITY", "MOTOR QUALITY" };
        const float values[] = { 0.0f, 0.5f, 0.8f };

        for (int i = 0; i < 3; ++i)
            drawImageKnob (g, pictures, { 3.0f + 100.0f * (float) i, 183.0f, 112.0f, 112.0f }, values[i], names[i],
                           fonts.sans, density);

        drawInto (g, picture (pictures, "flip"), { 636.0f, 5.0f, 20.0f, 12.0f });
    }

    void drawBack (juce::Graphics& g, const Pictures& pictures, const ContactSheetFonts& fonts, int density)
    {
        g.fillAll (panel);
        drawInto (g, picture (pictures, "noise_overlay"), { 0.0f, 0.0f, 667.0f, 300.0f });
        drawInto (g, picture (pictures, "caution"), { 254.0f, 47.0f, 150.0f, 98.0f });
        drawInto (g, picture (pictures, "morvel_logo"), { 274.0f, 191.0f, 105.0f, 21.0f });
        drawInto (g, picture (pictures, "ios_logo"), { 266.0f, 229.0f, 116.0f, 15.0f });
        drawInto (g, picture (pictures, "flip"), { 636.0f, 5.0f, 20.0f, 12.0f });
        drawImageKnob (g, pictures, { 75.0f, 53.0f, 112.0f, 112.0f }, 0.3f, {}, fonts.sans, density);

        g.setColour (ink);
        g.setFont (fonts.sans.withHeight (11.0f).withExtraKerningFactor (0.2f));
        g.drawText ("TAPE HEAD", 450, 24, 150, 26, juce::Justification::centred);
        g.drawText ("EQ", 450, 160, 150, 26, juce::Justification::centred);
        g.drawText ("BLEED", 75, 24, 112, 26, juce::Justification::centred);
        g.drawText ("NOISE", 75, 160, 112, 26, juce::Justification::centred);
        g.setColour (juce::Colour (0x9940403d));
        g.setFont (fonts.sans.withHeight (10.0f));
        g.drawText ("v1.2.2", 617, 286, 50, 14, juce::Justification::centredRight);
    }
}

namespace
{
    /** The tape view, a meter and an image knob side by side, for a closer look. */
    void drawDetails (juce::Graphics& g, const Pictures& pictures, const ContactSheetFonts& fonts, int density)
    {
        g.fillAll (panel);

        {
            juce::Graphics::ScopedSaveState state (g);
            g.reduceClipRegion (0, 0, 224, 132);
            drawInto (g, picture (pictures, "ondrella"), { 0.0f, 0.0f, 224.0f, 132.0f });
            g.setColour (groove);
            g.fillRect (34.0f, 23.0f, 154.0f, 16.0f);

            for (float x : { 0.296f, 0.72f })
                drawTurned (g, picture (pictures, "wheel"), { x * 224.0f, 0.485f * 132.0f }, x < 0.5f ? -0.3f : -1.9f, density);
        }

        drawMeter (g, pictures, { 230.0f, 0.0f }, 0.8f, "OUTPUT LEFT", fonts.sans);
        drawImageKnob (g, pictures, { 372.0f, 0.0f, 112.0f, 112.0f }, 0.62f, "HEAD QUALITY", fonts.sans, density);

        drawInto (g, picture (pictures, "flip"), { 236.0f, 101.0f, 20.0f, 12.0f });
        drawInto (g, picture (pictures, "morvel_logo"), { 262.0f, 96.0f, 105.0f, 21.0f });
        drawInto (g, picture (pictures, "ios_logo"), { 246.0f, 118.0f, 116.0f, 15.0f });
    }
}

void drawDeckFront (juce::Graphics& g, const Pictures& pictures, const ContactSheetFonts& fonts, int density)
{
    drawFront (g, pictures, fonts, density, -0.7f);
}

juce::Image makeContactSheet (const Pictures& normal, const Pictures& dense, const ContactSheetFonts& fonts)
{
    // Each view at twice its size: the normal pictures magnified pixel for pixel, the dense ones
    // drawn as on a display with a scale of 2.
    const int w = 667, h = 300;
    juce::Image sheet (juce::Image::RGB, w * 4 + 10, h * 4 + 10, true, juce::SoftwareImageType());
    juce::Graphics g (sheet);
    g.fillAll (juce::Colours::white);

    for (int row = 0; row < 2; ++row)
    {
        juce::Image normalView (juce::Image::RGB, w, h, true, juce::SoftwareImageType());
        {
            juce::Graphics vg (normalView);
            if (row == 0)
                drawFront (vg, normal, fonts, 1, -0.7f);
            else
                drawBack (vg, normal, fonts, 1);
        }

        g.setImageResamplingQuality (juce::Graphics::lowResamplingQuality);
        g.drawImage (normalView, 0, row * (2 * h + 10), 2 * w, 2 * h, 0, 0, w, h);

        juce::Graphics::ScopedSaveState state (g);
        g.addTransform (juce::AffineTransform::scale (2.0f).translated ((float) (2 * w + 10), (float) (row * (2 * h + 10))));
        g.reduceClipRegion (0, 0, w, h);
        g.setImageResamplingQuality (juce::Graphics::mediumResamplingQuality);

        if (row == 0)
            drawFront (g, dense, fonts, 2, -0.7f);
        else
            drawBack (g, dense, fonts, 2);
    }

    return sheet;
}

juce::Image makeDetailSheet (const Pictures& normal, const Pictures& dense, const ContactSheetFonts& fonts)
{
    // Normal pixels magnified three times above, the dense pictures drawn at the same size below.
    const int w = 486, h = 134, zoom = 3;
    juce::Image sheet (juce::Image::RGB, w * zoom, h * zoom * 2, true, juce::SoftwareImageType());
    juce::Graphics g (sheet);

    juce::Image normalDetails (juce::Image::RGB, w, h, true, juce::SoftwareImageType());
    {
        juce::Graphics dg (normalDetails);
        drawDetails (dg, normal, fonts, 1);
    }

    g.setImageResamplingQuality (juce::Graphics::lowResamplingQuality);
    g.drawImage (normalDetails, 0, 0, w * zoom, h * zoom, 0, 0, w, h);

    g.addTransform (juce::AffineTransform::scale ((float) zoom).translated (0.0f, (float) (h * zoom)));
    g.reduceClipRegion (0, 0, w, h);
    g.setImageResamplingQuality (juce::Graphics::mediumResamplingQuality);
    drawDetails (g, dense, fonts, 2);
    return sheet;
}
