#include "ModulatedDelayLine.h"

#include <algorithm>
#include <cmath>

ModulatedDelayLine::ModulatedDelayLine()
    : buffer ((std::size_t) tapeDelayCapacity, 0.0f)
{
    readPosition = capacity - delay;
}

void ModulatedDelayLine::reset (float baseDelayInSamples) noexcept
{
    for (auto& sample : buffer)
        sample = 0.0f;

    if (! (baseDelayInSamples >= 0.0f))
        baseDelayInSamples = 0.0f;
    else if (baseDelayInSamples > capacity - 1.0f)
        baseDelayInSamples = capacity - 1.0f;

    capacity = (float) tapeDelayCapacity;
    delay = baseDelayInSamples;
    readPosition = capacity - delay;
    if (readPosition >= capacity)
        readPosition = 0.0f;

    writeIndex = 0;
}

float ModulatedDelayLine::process (float input, float offset) noexcept
{
    // The read point must stay within one buffer of the write point; a stray offset is held there.
    const auto limit = capacity - 1.0f;
    modulation = std::isfinite (offset) ? (offset < -limit ? -limit : (offset > limit ? limit : offset)) : 0.0f;
    return process (input);
}

float ModulatedDelayLine::process (float input) noexcept
{
    auto p = readPosition + modulation;

    if (p < 0.0f)
        p += capacity;

    p = std::fmod (p, capacity);

    const auto whole = std::trunc (p);
    const auto last = buffer.size() - 1;
    const auto i0 = std::min ((std::size_t) whole, last);
    const auto i1 = std::min ((std::size_t) std::trunc (std::fmod (p + 1.0f, capacity)), last);
    const auto fraction = p - whole;

    const auto out = buffer[i0] * (1.0f - fraction) + buffer[i1] * fraction;

    buffer[(std::size_t) writeIndex] = input;
    writeIndex = writeIndex + 1 < tapeDelayCapacity ? writeIndex + 1 : 0;
    readPosition = std::fmod (readPosition + 1.0f, capacity);
    return out;
}
