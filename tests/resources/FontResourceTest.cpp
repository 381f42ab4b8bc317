#include <BinaryData.h>

#include <juce_graphics/juce_graphics.h>

#include <gtest/gtest.h>

#include <cstdint>

namespace
{
    struct FontData
    {
        const std::uint8_t* bytes = nullptr;
        size_t size = 0;
    };

    FontData embeddedFont (const char* resourceName)
    {
        int size = 0;
        const auto* data = BinaryData::getNamedResource (resourceName, size);
        return { reinterpret_cast<const std::uint8_t*> (data), data != nullptr && size > 0 ? (size_t) size : 0 };
    }

    /** The font's own glyph for a character from its Unicode character map (format 4), 0 when it
        has none. Read straight from the file, because a typeface quietly borrows glyphs it lacks
        from the system's fallback font.
    */
    int glyphIndexFor (FontData font, juce::juce_wchar character)
    {
        auto u16 = [&] (size_t at) -> int
        {
            return at + 2 <= font.size ? (font.bytes[at] << 8) | font.bytes[at + 1] : -1;
        };

        auto u32 = [&] (size_t at) -> size_t
        {
            return at + 4 <= font.size ? ((size_t) u16 (at) << 16) | (size_t) u16 (at + 2) : 0;
        };

        const int numTables = u16 (4);
        size_t cmap = 0;

        for (int i = 0; i < numTables; ++i)
            if (u32 (12 + (size_t) i * 16) == 0x636d6170) // "cmap"
                cmap = u32 (12 + (size_t) i * 16 + 8);

        if (cmap == 0 || character > 0xffff)
            return 0;

        for (int i = 0; i < u16 (cmap + 2); ++i)
        {
            const size_t record = cmap + 4 + (size_t) i * 8;
            const size_t table = cmap + u32 (record + 4);
            const bool unicode = u16 (record) == 0 || (u16 (record) == 3 && u16 (record + 2) == 1);

            if (! unicode || u16 (table) != 4 || u16 (table + 6) <= 0)
                continue;

            const auto segments = (size_t) u16 (table + 6) / 2;
            const size_t ends = table + 14, starts = ends + segments * 2 + 2;
            const size_t deltas = starts + segments * 2, rangeOffsets = deltas + segments * 2;

            for (size_t s = 0; s < segments; ++s)
            {
                if ((int) character > u16 (ends + s * 2))
                    continue;

                if ((int) character < u16 (starts + s * 2))
                    return 0;

                const int delta = u16 (deltas + s * 2), rangeOffset = u16 (rangeOffsets + s * 2);

                if (rangeOffset == 0)
                    return ((int) character + delta) & 0xffff;

                const int glyph = u16 (rangeOffsets + s * 2 + (size_t) rangeOffset
                                       + (size_t) ((int) character - u16 (starts + s * 2)) * 2);
                return glyph > 0 ? (glyph + delta) & 0xffff : 0;
            }
        }

        return 0;
    }

    void expectOwnGlyphsFor (FontData font, const juce::String& text)
    {
        for (auto character : text)
            EXPECT_GT (glyphIndexFor (font, character), 0) << juce::String::charToString (character);
    }

    void expectDrawable (FontData font, const juce::String& text)
    {
        auto typeface = juce::Typeface::createSystemTypefaceFor (font.bytes, font.size);
        ASSERT_NE (typeface, nullptr);

        juce::GlyphArrangement glyphs;
        glyphs.addLineOfText (juce::Font (typeface).withHeight (10.0f), text, 0.0f, 0.0f);
        juce::Path outline;
        glyphs.createPath (outline);
        EXPECT_FALSE (outline.isEmpty());
        EXPECT_GT (glyphs.getBoundingBox (0, -1, true).getWidth(), 10.0f);
    }

    /** An English string of the font's name table (platform 3, encoding 1, language 0x409). */
    juce::String nameRecord (FontData font, int nameId)
    {
        auto u16 = [&] (size_t at) -> int
        {
            return at + 2 <= font.size ? (font.bytes[at] << 8) | font.bytes[at + 1] : 0;
        };

        auto u32 = [&] (size_t at) { return ((size_t) u16 (at) << 16) | (size_t) u16 (at + 2); };

        for (int i = 0; i < u16 (4); ++i)
        {
            if (u32 (12 + (size_t) i * 16) != 0x6e616d65) // "name"
                continue;

            const size_t table = u32 (12 + (size_t) i * 16 + 8), strings = table + (size_t) u16 (table + 4);

            for (int r = 0; r < u16 (table + 2); ++r)
            {
                const size_t record = table + 6 + (size_t) r * 12;

                if (u16 (record) != 3 || u16 (record + 2) != 1 || u16 (record + 4) != 0x409 || u16 (record + 6) != nameId)
                    continue;

                juce::String text;

                for (int c = 0; c < u16 (record + 8); c += 2)
                    text += juce::String::charToString ((juce::juce_wchar) u16 (strings + (size_t) u16 (record + 10) + (size_t) c));

                return text;
            }
        }

        return {};
    }
}

TEST (EmbeddedFonts, EditorFontsLoadAndHaveTheirOwnGlyphsForTheMetersAndTheirWords)
{
    struct Face { const char* resource; const char* name; const char* words; };

    for (auto face : { Face { "LiberationSansRegular_ttf", "Liberation Sans", "OUTPUT LEFT RIGHT WHITE / PINK -+.Hz v" },
                       Face { "NanumBrush_ttf", "Nanum", "ONDRELLA Factory Presets" } })
    {
        const auto font = embeddedFont (face.resource);
        ASSERT_GT (font.size, 0u) << face.resource;

        auto typeface = juce::Typeface::createSystemTypefaceFor (font.bytes, font.size);
        ASSERT_NE (typeface, nullptr) << face.resource;
        EXPECT_TRUE (typeface->getName().startsWith (face.name)) << typeface->getName();

        expectOwnGlyphsFor (font, "0123456789 dB%");
        expectOwnGlyphsFor (font, face.words);
        expectDrawable (font, "0123456789 dB%");
    }
}

TEST (EmbeddedFonts, ACharacterAFontLacksIsNoticed)
{
    // Guards the glyph check itself: the sans font has no Hangul, the brush font has.
    const juce::juce_wchar hangulGa = 0xac00;
    EXPECT_EQ (glyphIndexFor (embeddedFont ("LiberationSansRegular_ttf"), hangulGa), 0);
    EXPECT_GT (glyphIndexFor (embeddedFont ("NanumBrush_ttf"), hangulGa), 0);
    EXPECT_EQ (glyphIndexFor (embeddedFont ("no such font"), 'A'), 0);
}

TEST (EmbeddedFonts, PresetBrowserFacesLoadUnderTheirNamesWithTheirLicence)
{
    const auto licence = juce::File (ONDRELLA_SOURCE_DIR).getChildFile ("resources/fonts/Overpass-LICENSE.txt")
                                                       .loadFileAsString();
    ASSERT_TRUE (licence.contains ("SIL OPEN FONT LICENSE")) << "licence text missing";
    EXPECT_TRUE (licence.contains ("Version 1.1"));

    struct Face { const char* resource; const char* style; };

    for (auto face : { Face { "OverpassRegular_ttf", "Regular" }, Face { "OverpassSemiBold_ttf", "SemiBold" } })
    {
        const auto font = embeddedFont (face.resource);
        ASSERT_GT (font.size, 0u) << face.resource;

        auto typeface = juce::Typeface::createSystemTypefaceFor (font.bytes, font.size);
        ASSERT_NE (typeface, nullptr) << face.resource;
        EXPECT_EQ (typeface->getName(), "Overpass") << face.resource;
        EXPECT_EQ (typeface->getStyle(), face.style) << face.resource;

        // The licence names the copyright holder exactly as the font itself does.
        const auto copyright = nameRecord (font, 0);
        EXPECT_TRUE (copyright.startsWith ("Copyright")) << copyright;
        EXPECT_TRUE (licence.contains (copyright)) << copyright;

        // Names of presets and folders, the dialogues' words and the field's typing.
        expectOwnGlyphsFor (font, "ABCDEFGHIJKLMNOPQRSTUVWXYZ abcdefghijklmnopqrstuvwxyz 0123456789");
        expectOwnGlyphsFor (font, "Delete preset? Factory Presets User Presets & - _ ( ) ' . , !");
        expectOwnGlyphsFor (font, juce::String (juce::CharPointer_UTF8 ("\xc3\xa9\xc3\xbc\xc3\xb1\xc3\xa5\xc3\x9f")));
        expectDrawable (font, "Dusty Vocal 2");
    }
}
