#include "TiltDelayLine.h"

TiltDelayLine::TiltDelayLine()
    : buffer ((std::size_t) size, 0.0f)
{
}

void TiltDelayLine::reset() noexcept
{
    for (auto& sample : buffer)
        sample = 0.0f;

    writeIndex = 0;
    readIndex = (0 - (int32_t) delay) & mask;
}

float TiltDelayLine::process (float x, float delayInSamples) noexcept
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
