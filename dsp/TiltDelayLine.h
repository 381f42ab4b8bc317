#pragma once

#include "RampedValue.h"

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
    float process (float x, float delayInSamples) noexcept
    {
        // The caller keeps the delay within the buffer; this only stops a stray value reading outside it.
        if (! (delayInSamples >= 0.0f))
            delayInSamples = 0.0f;
        else if (delayInSamples > (float) (size - 2))
            delayInSamples = (float) (size - 2);

        if (delayInSamples != delay)
        {
            readIndex = (writeIndex - (int32_t) delayInSamples) & mask;
            delay = delayInSamples;
        }

        float y = x;

        if (delay != 0.0f)
        {
            // Below one sample the read slot is the one about to be written: it still holds a sample
            // a whole buffer old, so the current input stands in for it.
            const auto s0 = (delay < 1.0f && readIndex == writeIndex) ? x : buffer[(std::size_t) readIndex];
            const auto s1 = buffer[(std::size_t) ((readIndex - 1) & mask)];
            const auto fraction = delay - (float) (int32_t) delay;
            y = (1.0f - fraction) * s0 + fraction * s1;
        }

        buffer[(std::size_t) writeIndex] = x;
        writeIndex = (writeIndex + 1) & mask;
        readIndex = (readIndex + 1) & mask;
        return y;
    }

    /** process (input[i], delayRamp.next()) for a block; output may not be the input. */
    void process (const float* input, float* output, RampedValue& delayRamp, int numSamples) noexcept
    {
        if (delayRamp.isRamping() || delayRamp.target != 0.0f || delay != 0.0f)
        {
            for (int i = 0; i < numSamples; ++i)
                output[i] = process (input[i], delayRamp.next());

            return;
        }

        // Held at no delay the line passes its input and only records it, for a later tilt.
        auto* samples = buffer.data();
        auto write = writeIndex;

        for (int i = 0; i < numSamples; ++i)
        {
            samples[write] = input[i];
            output[i] = input[i];
            write = (write + 1) & mask;
        }

        writeIndex = write;
        readIndex = (readIndex + numSamples) & mask;
    }

    float getDelay() const noexcept    { return delay; }

private:
    std::vector<float> buffer;
    int32_t writeIndex = 0;
    int32_t readIndex = 0;
    float delay = 0.0f;
};
