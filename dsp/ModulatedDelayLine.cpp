#include "ModulatedDelayLine.h"


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
