#include "Kerning.h"

#include <algorithm>
#include <cstdint>

namespace
{
    constexpr int xAdvanceFlag = 0x0004;

    /** Bytes of a GPOS value record with the given format: two for every field it has. */
    size_t valueRecordSize (int valueFormat)
    {
        size_t size = 0;

        for (int bit = 0; bit < 16; ++bit)
            size += (valueFormat >> bit) & 1 ? 2 : 0;

        return size;
    }

    /** The XAdvance field of a value record, which comes after XPlacement and YPlacement. */
    size_t xAdvanceOffset (int valueFormat)
    {
        return valueRecordSize (valueFormat & (xAdvanceFlag - 1));
    }
}

FontKerning::FontKerning (const juce::MemoryBlock& fontFile)
    : data (fontFile)
{
    size_t gpos = 0, hhea = 0;

    for (int i = 0; i < u16 (4); ++i)
    {
        const size_t record = 12 + (size_t) i * 16;
        const auto tag = u32 (record);

        if (tag == 0x47504f53) // "GPOS"
            gpos = u32 (record + 8);
        else if (tag == 0x68686561) // "hhea"
            hhea = u32 (record + 8);
    }

    if (gpos == 0 || hhea == 0)
        return;

    // JUCE scales a glyph by the distance from the ascender to the descender.
    unitsPerHeight = (float) ((int) (std::int16_t) u16 (hhea + 4) - (int) (std::int16_t) u16 (hhea + 6));

    const size_t features = gpos + (size_t) u16 (gpos + 6), lookups = gpos + (size_t) u16 (gpos + 8);

    for (int f = 0; f < u16 (features); ++f)
    {
        const size_t record = features + 2 + (size_t) f * 6;

        if (u32 (record) != 0x6b65726e) // "kern"
            continue;

        const size_t feature = features + (size_t) u16 (record + 4);

        for (int l = 0; l < u16 (feature + 2); ++l)
        {
            const size_t lookup = lookups + (size_t) u16 (lookups + 2 + (size_t) u16 (feature + 4 + (size_t) l * 2) * 2);
            const int type = u16 (lookup);

            for (int s = 0; s < u16 (lookup + 4); ++s)
            {
                size_t subtable = lookup + (size_t) u16 (lookup + 6 + (size_t) s * 2);

                if (type == 9 && u16 (subtable + 2) == 2) // an extension holding a pair adjustment
                    subtable += u32 (subtable + 4);
                else if (type != 2)
                    continue;

                if (std::find (pairSubtables.begin(), pairSubtables.end(), subtable) == pairSubtables.end())
                    pairSubtables.push_back (subtable);
            }
        }
    }
}

float FontKerning::getAdjustment (int leftGlyph, int rightGlyph) const
{
    return unitsPerHeight > 0.0f ? (float) getUnits (leftGlyph, rightGlyph) / unitsPerHeight : 0.0f;
}

int FontKerning::getUnits (int leftGlyph, int rightGlyph) const
{
    // The first subtable that covers the pair decides, as in a shaper.
    for (auto subtable : pairSubtables)
    {
        const int format = u16 (subtable);
        const int index = coverageIndex (subtable + (size_t) u16 (subtable + 2), leftGlyph);

        if (index < 0)
            continue;

        const int firstFormat = u16 (subtable + 4), secondFormat = u16 (subtable + 6);
        const size_t recordSize = valueRecordSize (firstFormat) + valueRecordSize (secondFormat);
        size_t record = 0;

        if (format == 1)
        {
            const size_t pairSet = subtable + (size_t) u16 (subtable + 10 + (size_t) index * 2);

            for (int p = 0; p < u16 (pairSet) && record == 0; ++p)
                if (u16 (pairSet + 2 + (size_t) p * (2 + recordSize)) == rightGlyph)
                    record = pairSet + 2 + (size_t) p * (2 + recordSize) + 2;

            if (record == 0)
                continue;
        }
        else if (format == 2)
        {
            const int firstClass = glyphClass (subtable + (size_t) u16 (subtable + 8), leftGlyph);
            const int secondClass = glyphClass (subtable + (size_t) u16 (subtable + 10), rightGlyph);

            if (firstClass >= u16 (subtable + 12) || secondClass >= u16 (subtable + 14))
                continue;

            record = subtable + 16 + ((size_t) firstClass * (size_t) u16 (subtable + 14) + (size_t) secondClass) * recordSize;
        }
        else
        {
            continue;
        }

        return (firstFormat & xAdvanceFlag) != 0 ? (int) (std::int16_t) u16 (record + xAdvanceOffset (firstFormat)) : 0;
    }

    return 0;
}

int FontKerning::u16 (size_t offset) const
{
    const auto* bytes = static_cast<const std::uint8_t*> (data.getData());
    return offset + 2 <= data.getSize() ? (bytes[offset] << 8) | bytes[offset + 1] : 0;
}

size_t FontKerning::u32 (size_t offset) const
{
    return ((size_t) u16 (offset) << 16) | (size_t) u16 (offset + 2);
}

int FontKerning::coverageIndex (size_t coverage, int glyph) const
{
    const int count = u16 (coverage + 2);

    for (int i = 0; i < count; ++i)
    {
        if (u16 (coverage) == 1)
        {
            if (u16 (coverage + 4 + (size_t) i * 2) == glyph)
                return i;
        }
        else
        {
            const size_t range = coverage + 4 + (size_t) i * 6;

            if (glyph >= u16 (range) && glyph <= u16 (range + 2))
                return u16 (range + 4) + glyph - u16 (range);
        }
    }

    return -1;
}

int FontKerning::glyphClass (size_t classDef, int glyph) const
{
    if (u16 (classDef) == 1)
    {
        const int first = u16 (classDef + 2);
        return glyph >= first && glyph < first + u16 (classDef + 4) ? u16 (classDef + 6 + (size_t) (glyph - first) * 2) : 0;
    }

    for (int i = 0; i < u16 (classDef + 2); ++i)
    {
        const size_t range = classDef + 4 + (size_t) i * 6;

        if (glyph >= u16 (range) && glyph <= u16 (range + 2))
            return u16 (range + 4);
    }

    return 0;
}
