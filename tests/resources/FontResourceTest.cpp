#include <BinaryData.h>

#include <juce_graphics/juce_graphics.h>

#include <gtest/gtest.h>

namespace
{
    juce::Typeface::Ptr embeddedTypeface (const char* resourceName)
    {
        int size = 0;
        const auto* data = BinaryData::getNamedResource (resourceName, size);

        if (data == nullptr || size <= 0)
            return {};

        return juce::Typeface::createSystemTypefaceFor (data, (size_t) size);
    }

    /** True when every visible character of text has an outline of its own in the typeface. */
    void expectGlyphsFor (juce::Typeface& typeface, const juce::String& text)
    {
        juce::Array<int> glyphs;
        juce::Array<float> offsets;
        typeface.getGlyphPositions (text, glyphs, offsets);
        ASSERT_EQ (glyphs.size(), text.length());

        for (int i = 0; i < text.length(); ++i)
        {
            const auto character = text[i];

            if (character == ' ')
            {
                EXPECT_GT (offsets[i + 1] - offsets[i], 0.0f) << "space";
                continue;
            }

            juce::Path outline;
            typeface.getOutlineForGlyph (glyphs[i], outline);
            EXPECT_FALSE (outline.isEmpty()) << juce::String::charToString (character);
        }
    }
}

TEST (EmbeddedFonts, WidgetFontLoadsAndHasTheMetersCharacters)
{
    auto typeface = embeddedTypeface ("LiberationSansRegular_ttf");
    ASSERT_NE (typeface, nullptr);
    EXPECT_EQ (typeface->getName(), "Liberation Sans");
    expectGlyphsFor (*typeface, "0123456789 dB%");
    expectGlyphsFor (*typeface, "OUTPUT LEFT WHITE / PINK -+.Hz");
}

TEST (EmbeddedFonts, PresetBarFontLoadsAndHasTheMetersCharacters)
{
    auto typeface = embeddedTypeface ("NanumBrush_ttf");
    ASSERT_NE (typeface, nullptr);
    EXPECT_TRUE (typeface->getName().containsIgnoreCase ("Nanum")) << typeface->getName();
    expectGlyphsFor (*typeface, "0123456789 dB%");
    expectGlyphsFor (*typeface, "ONDRELLA Factory Presets");
}

TEST (EmbeddedFonts, AMissingCharacterIsNoticed)
{
    // Guards the glyph check itself: Liberation Sans has no Hangul.
    auto typeface = embeddedTypeface ("LiberationSansRegular_ttf");
    ASSERT_NE (typeface, nullptr);

    juce::Array<int> glyphs;
    juce::Array<float> offsets;
    typeface->getGlyphPositions (juce::String (juce::CharPointer_UTF8 ("\xea\xb0\x80")), glyphs, offsets);

    bool drawn = false;

    for (auto glyph : glyphs)
    {
        juce::Path outline;
        typeface->getOutlineForGlyph (glyph, outline);
        drawn = drawn || ! outline.isEmpty();
    }

    EXPECT_FALSE (drawn);
}
