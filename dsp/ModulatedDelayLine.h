#pragma once

#include "Float4.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

/** A delay line whose read point can be moved by a fractional offset every sample (the wow),
    read with linear interpolation before the new input is written.

    The buffer holds tapeDelayCapacity samples at every sample rate and is made at construction.
*/
class ModulatedDelayLine
{
public:
    static constexpr int32_t tapeDelayCapacity = 44100;

    ModulatedDelayLine();

    /** Zeroes the buffer and sets the base delay in samples (kept below the capacity). */
    void reset (float baseDelayInSamples) noexcept;

    /** Reads the sample delayed by the base delay minus offset, then writes input.
        The offset is stored as the line's modulation and stays in force until the next call.
    */
    float process (float input, float offset) noexcept
    {
        float output;
        run<true> (&input, &offset, &output, 1);
        return output;
    }

    /** Reads and writes with the modulation left as it is (the dry lines keep 0). */
    float process (float input) noexcept
    {
        float output;
        run<false> (&input, nullptr, &output, 1);
        return output;
    }

    /** process (input[i], offsets[i]) for a block; output may be the input. */
    void process (const float* input, const float* offsets, float* output, int numSamples) noexcept
    {
        run<true> (input, offsets, output, numSamples);
    }

    /** process (input[i]) for a block; output may be the input. */
    void process (const float* input, float* output, int numSamples) noexcept
    {
        run<false> (input, nullptr, output, numSamples);
    }

    float getDelay() const noexcept         { return delay; }
    float getModulation() const noexcept    { return modulation; }

private:
    /** The one loop behind every process(): the line's state is kept in locals for the block, as
        the buffer writes could otherwise be taken to change it.
    */
    template <bool takeOffsets>
    void run (const float* input, const float* offsets, float* output, int numSamples) noexcept
    {
        const auto cap = capacity;
        const auto limit = cap - 1.0f;
        const auto last = buffer.size() - 1;
        auto* samples = buffer.data();
        auto position = readPosition;
        auto mod = modulation;
        auto write = writeIndex;

        if (runsUnmodulated (offsets, numSamples))
        {
            runUnmodulated (input, output, numSamples);

            if constexpr (takeOffsets)
                modulation = offsets[numSamples - 1];

            return;
        }

        // The floating remainder by the capacity of a value in [0, 2 × capacity): the same as
        // fmod there, since x − capacity is exact for such x.
        const auto wrapOnce = [cap] (float x)    { return x >= cap ? x - cap : x; };

        for (int i = 0; i < numSamples; ++i)
        {
            if constexpr (takeOffsets)
            {
                // The read point must stay within one buffer of the write point; a stray offset is held there.
                const auto offset = offsets[i];
                mod = std::isfinite (offset) ? (offset < -limit ? -limit : (offset > limit ? limit : offset)) : 0.0f;
            }

            auto p = position + mod;

            if (p < 0.0f)
                p += cap;

            // p lies in [0, 2 × capacity) here: the read position is below the capacity and the
            // modulation within it.
            p = wrapOnce (p);

            // For such p a conversion to int truncates exactly, and costs far less than trunc.
            const auto wholeIndex = (int32_t) p;
            const auto i0 = std::min ((std::size_t) wholeIndex, last);
            const auto i1 = std::min ((std::size_t) (int32_t) wrapOnce (p + 1.0f), last);
            const auto fraction = p - (float) wholeIndex;

            const auto out = samples[i0] * (1.0f - fraction) + samples[i1] * fraction;

            samples[(std::size_t) write] = input[i];
            write = write + 1 < tapeDelayCapacity ? write + 1 : 0;
            position = wrapOnce (position + 1.0f);
            output[i] = out;
        }

        readPosition = position;
        modulation = mod;
        writeIndex = write;
    }

    /** True when the whole block reads at a whole position with no modulation (the dry lines,
        and the wet ones without wow): p is then the read position itself and its fraction 0.
    */
    bool runsUnmodulated (const float* offsets, int numSamples) const noexcept
    {
        // A block with offsets replaces the modulation before its first read.
        if (numSamples <= 0 || (offsets == nullptr && modulation != 0.0f)
             || ! (readPosition >= 0.0f && readPosition < capacity)
             || readPosition != (float) (int32_t) readPosition)
            return false;

        if (offsets != nullptr)
            for (int i = 0; i < numSamples; ++i)
                if (offsets[i] != 0.0f)
                    return false;

        return true;
    }

    /** The general loop's steps for a whole read position and a modulation of 0, in integers:
        the same reads with a fraction of 0, so the same numbers.
    */
    void runUnmodulated (const float* input, float* output, int numSamples) noexcept
    {
        auto* samples = buffer.data();
        const auto wrap = (int32_t) capacity;
        auto read = (int32_t) readPosition;
        auto write = writeIndex;

        // Four samples at a time where neither index wraps within them. The four reads go before
        // the four writes, which gives the same numbers as one sample at a time as long as the
        // write point leads the read point by more than four samples (the base delay is far more).
        const auto lead = ((write - read) % tapeDelayCapacity + tapeDelayCapacity) % tapeDelayCapacity;
        const auto groups = lead > 4 && wrap == tapeDelayCapacity;

        for (int i = 0; i < numSamples; ++i)
        {
            if (groups && i + 4 <= numSamples && read + 4 < wrap && write + 4 <= tapeDelayCapacity)
            {
                const auto x = float4::load (input + i);
                const auto out = float4::load (samples + read) * 1.0f + float4::load (samples + read + 1) * 0.0f;
                x.store (samples + write);
                out.store (output + i);
                read += 4;
                write = write + 4 < tapeDelayCapacity ? write + 4 : 0;
                i += 3;
                continue;
            }

            const auto next = read + 1 < wrap ? read + 1 : 0;
            const auto out = samples[read] * 1.0f + samples[next] * 0.0f;

            samples[write] = input[i];
            write = write + 1 < tapeDelayCapacity ? write + 1 : 0;
            read = next;
            output[i] = out;
        }

        readPosition = (float) read;
        writeIndex = write;
    }

    std::vector<float> buffer;
    float modulation = 0.0f;
    int32_t writeIndex = 0;
    float readPosition = 0.0f;
    float capacity = (float) tapeDelayCapacity;
    float delay = 0.0f;
};
