#include "NoiseRandomState.h"

#include <array>

namespace
{
    constexpr int stateBits = 128;
    constexpr int jumpLevels = 64;

    using Columns = std::array<XorShift128, stateBits>;

    uint32_t& word (XorShift128& s, int index) noexcept
    {
        return index == 0 ? s.x : (index == 1 ? s.y : (index == 2 ? s.z : s.w));
    }

    uint32_t word (const XorShift128& s, int index) noexcept
    {
        return index == 0 ? s.x : (index == 1 ? s.y : (index == 2 ? s.z : s.w));
    }

    // The step is linear over GF(2), so a power of it is a 128 x 128 bit matrix; applying one is
    // the XOR of the columns picked by the state's set bits.
    XorShift128 apply (const Columns& columns, const XorShift128& state) noexcept
    {
        XorShift128 result { 0, 0, 0, 0 };

        for (int bit = 0; bit < stateBits; ++bit)
        {
            if (((word (state, bit / 32) >> (bit % 32)) & 1u) != 0)
            {
                const auto& column = columns[(std::size_t) bit];
                result.x ^= column.x;
                result.y ^= column.y;
                result.z ^= column.z;
                result.w ^= column.w;
            }
        }

        return result;
    }

    // The step raised to 1, 2, 4, ... 2^63, filled once when the module is loaded.
    struct JumpTable
    {
        JumpTable()
        {
            for (int bit = 0; bit < stateBits; ++bit)
            {
                XorShift128 unit { 0, 0, 0, 0 };
                word (unit, bit / 32) = 1u << (bit % 32);
                unit.next();
                levels[0][(std::size_t) bit] = unit;
            }

            for (std::size_t level = 1; level < levels.size(); ++level)
                for (std::size_t bit = 0; bit < (std::size_t) stateBits; ++bit)
                    levels[level][bit] = apply (levels[level - 1], levels[level - 1][bit]);
        }

        std::array<Columns, jumpLevels> levels;
    };

    const JumpTable jumpTable;

    std::atomic<uint64_t> drawsClaimed { 0 };
}

uint64_t NoiseRandomState::claimDraws (uint64_t count) noexcept
{
    return drawsClaimed.fetch_add (count, std::memory_order_relaxed);
}

XorShift128 NoiseRandomState::advance (XorShift128 generator, uint64_t numDraws) noexcept
{
    // A short way is quicker stepped than jumped.
    if (numDraws < 64)
    {
        while (numDraws-- > 0)
            generator.next();

        return generator;
    }

    for (std::size_t level = 0; numDraws != 0; ++level, numDraws >>= 1)
        if ((numDraws & 1u) != 0)
            generator = apply (jumpTable.levels[level], generator);

    return generator;
}

XorShift128 NoiseRandomState::generatorAt (uint64_t index) noexcept
{
    return advance (XorShift128(), index);
}

void NoiseRandomSource::beginBlock (int numDraws) noexcept
{
    if (numDraws <= 0)
        return;

    const auto first = NoiseRandomState::claimDraws ((uint64_t) numDraws);

    // Another instance drew in between: skip what it took (usually a block's worth, one jump).
    if (first != nextIndex)
    {
        generator = first > nextIndex ? NoiseRandomState::advance (generator, first - nextIndex)
                                      : NoiseRandomState::generatorAt (first);
        nextIndex = first;
    }
}
