#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

/** The head-tilt delay of one channel: a power-of-two ring buffer read with linear
    interpolation, whose delay may change from one sample to the next.

    The buffer is made once, at construction, and keeps its size at every sample rate.
*/
class TiltDelayLine
{
public:
    static constexpr int32_t size = 16384;
    static constexpr int32_t mask = size - 1;

    TiltDelayLine();

    /** Zeroes the buffer and re-arms the read index for the current delay. */
    void reset() noexcept;

    /** Takes delayInSamples (0 .. size - 2) and returns x delayed by it. */
    float process (float x, float delayInSamples) noexcept;

    float getDelay() const noexcept    { return delay; }

private:
    std::vector<float> buffer;
    int32_t writeIndex = 0;
    int32_t readIndex = 0;
    float delay = 0.0f;
};
