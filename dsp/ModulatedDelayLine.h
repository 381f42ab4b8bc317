#pragma once

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
        // The read point must stay within one buffer of the write point; a stray offset is held there.
        const auto limit = capacity - 1.0f;
        modulation = std::isfinite (offset) ? (offset < -limit ? -limit : (offset > limit ? limit : offset)) : 0.0f;
        return process (input);
    }

    /** Reads and writes with the modulation left as it is (the dry lines keep 0). */
    float process (float input) noexcept
    {
        auto p = readPosition + modulation;

        if (p < 0.0f)
            p += capacity;

        // p lies in [0, 2 × capacity) here (the read position is below the capacity and the
        // modulation within it), where the remainder by the capacity is one exact subtraction.
        p = wrapOnce (p);

        const auto whole = std::trunc (p);
        const auto last = buffer.size() - 1;
        const auto i0 = std::min ((std::size_t) whole, last);
        const auto i1 = std::min ((std::size_t) std::trunc (wrapOnce (p + 1.0f)), last);
        const auto fraction = p - whole;

        const auto out = buffer[i0] * (1.0f - fraction) + buffer[i1] * fraction;

        buffer[(std::size_t) writeIndex] = input;
        writeIndex = writeIndex + 1 < tapeDelayCapacity ? writeIndex + 1 : 0;
        readPosition = wrapOnce (readPosition + 1.0f);
        return out;
    }

    float getDelay() const noexcept         { return delay; }
    float getModulation() const noexcept    { return modulation; }

private:
    /** The floating remainder by the capacity of a value in [0, 2 × capacity): the same result as
        fmod there, since x − capacity is exact for such x.
    */
    float wrapOnce (float x) const noexcept    { return x >= capacity ? x - capacity : x; }

    std::vector<float> buffer;
    float modulation = 0.0f;
    int32_t writeIndex = 0;
    float readPosition = 0.0f;
    float capacity = (float) tapeDelayCapacity;
    float delay = 0.0f;
};
