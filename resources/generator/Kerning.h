#pragma once

#include <juce_core/juce_core.h>

#include <vector>

/** The pair kerning of a TrueType font, read from its GPOS table.

    JUCE's typefaces apply only the old 'kern' table, which newer fonts no longer carry, so
    lettering set straight from a typeface comes out loosely spaced (most visibly "AV"). The
    pictures apply these adjustments themselves.
*/
class FontKerning
{
public:
    /** A font without kerning: every adjustment is 0. */
    FontKerning() = default;

    /** Reads the kerning of the given font file's data. A font that has none, or data that is
        not a font, gives adjustments of 0.
    */
    explicit FontKerning (const juce::MemoryBlock& fontFile);

    /** The change to the advance of leftGlyph when rightGlyph follows it, as a fraction of the
        font's height in JUCE's sense (ascender to descender); negative brings them closer.
    */
    float getAdjustment (int leftGlyph, int rightGlyph) const;

private:
    juce::MemoryBlock data;
    std::vector<size_t> pairSubtables;
    float unitsPerHeight = 0.0f;

    int getUnits (int leftGlyph, int rightGlyph) const;

    int u16 (size_t offset) const;
    size_t u32 (size_t offset) const;
    int coverageIndex (size_t coverage, int glyph) const;
    int glyphClass (size_t classDef, int glyph) const;
};
