#include "BypassDelayLine.h"

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
