#include "BypassDelayLine.h"

#include <algorithm>
#include <cstring>

BypassDelayLine::BypassDelayLine()
{
    for (auto& buffer : buffers)
        buffer.assign ((std::size_t) size, 0.0f);
}

void BypassDelayLine::reset (int delayInSamples) noexcept
{
    for (auto& buffer : buffers)
        for (auto& sample : buffer)
            sample = 0.0f;

    delay = delayInSamples < 0 ? 0 : (delayInSamples > maximumDelay ? maximumDelay : delayInSamples);
    writeIndex = 0;
}

void BypassDelayLine::process (float* const* channels, int numChannels, int numSamples) noexcept
{
    if (numChannels > maximumChannels)
        numChannels = maximumChannels;

    for (int i = 0; i < numSamples; ++i)
    {
        for (int ch = 0; ch < numChannels; ++ch)
        {
            push (ch, channels[ch][i]);
            channels[ch][i] = read (ch);
        }

        advance();
    }
}

void BypassDelayLine::pushBlock (const float* left, const float* right, int numSamples) noexcept
{
    // Only the last size samples of a long block can still be read.
    if (numSamples > size)
    {
        const auto skipped = numSamples - size;
        writeIndex = (writeIndex + skipped) & mask;
        left += skipped;
        right += skipped;
        numSamples = size;
    }

    for (int done = 0; done < numSamples;)
    {
        const auto length = std::min (numSamples - done, size - writeIndex);
        const auto bytes = sizeof (float) * (std::size_t) length;
        std::memcpy (buffers[0].data() + writeIndex, left + done, bytes);
        std::memcpy (buffers[1].data() + writeIndex, right + done, bytes);
        writeIndex = (writeIndex + length) & mask;
        done += length;
    }
}
