#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>

/** One xorshift128 generator: four 32-bit words, each step returning the new last word. */
struct XorShift128
{
    uint32_t x = 123456789u, y = 362436069u, z = 521288629u, w = 88675123u;

    uint32_t next() noexcept
    {
        const auto s = x ^ (x << 11);
        x = y;
        y = z;
        z = w;
        w = w ^ (w >> 19) ^ s ^ (s >> 8);
        return w;
    }
};

/** The low 24 bits of a draw as a float (exact), the input of whiteNoiseFromLow24(). */
inline float low24 (uint32_t draw) noexcept    { return (float) (draw & 0xffffffu); }

/** White-noise samples in [-1, 1] from low24() values: a float, or a float4 of four at once
    with the same results lane by lane.
*/
template <typename FloatType>
inline FloatType whiteNoiseFromLow24 (FloatType u) noexcept
{
    return (u + u) / 16777215.0f - 1.0f;
}

/** A white-noise sample in [-1, 1] from the low 24 bits of a draw. */
inline float whiteNoiseFrom (uint32_t draw) noexcept    { return whiteNoiseFromLow24 (low24 (draw)); }

/** The hiss of every instance in the process comes from one xorshift128 sequence, which starts
    at the generator's fixed seed when the plug-in is loaded and is never reseeded.

    Instances may run on several audio threads at once, so the sequence is shared out rather than
    stepped in place: a block reserves the stretch of draws it needs with one atomic add (which
    never waits), and a generator is then positioned at the start of that stretch. A stretch that
    continues where the previous one ended simply carries on with the same generator; otherwise
    the generator jumps ahead through precomputed powers of the step, which costs a few thousand
    operations instead of one step per skipped draw. Every draw of the sequence is therefore used
    exactly once, and a single instance gets the sequence in its plain order.
*/
namespace NoiseRandomState
{
    /** Reserves count consecutive draws of the process-wide sequence and returns the index of the
        first one. Wait-free.
    */
    uint64_t claimDraws (uint64_t count) noexcept;

    /** The generator moved on by numDraws draws, as if next() had been called that often. */
    XorShift128 advance (XorShift128 generator, uint64_t numDraws) noexcept;

    /** The generator that yields draw number index (0 = the first draw after load) next. */
    XorShift128 generatorAt (uint64_t index) noexcept;
}

/** An engine's view of the shared sequence: reserves a block's draws, then hands them out. */
class NoiseRandomSource
{
public:
    /** Reserves the draws of one block. */
    void beginBlock (int numDraws) noexcept;

    /** The next reserved draw. Drawing more than reserved continues the same stretch, which
        another instance may also be given; callers reserve exactly what they use.
    */
    uint32_t next() noexcept    { ++nextIndex; return generator.next(); }

private:
    XorShift128 generator;
    uint64_t nextIndex = 0;
};
