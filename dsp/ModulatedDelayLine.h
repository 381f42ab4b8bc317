#pragma once

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
    float process (float input, float offset) noexcept;

    /** Reads and writes with the modulation left as it is (the dry lines keep 0). */
    float process (float input) noexcept;

    float getDelay() const noexcept         { return delay; }
    float getModulation() const noexcept    { return modulation; }

private:
    std::vector<float> buffer;
    float modulation = 0.0f;
    int32_t writeIndex = 0;
    float readPosition = 0.0f;
    float capacity = (float) tapeDelayCapacity;
    float delay = 0.0f;
};
