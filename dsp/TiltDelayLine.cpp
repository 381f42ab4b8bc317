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
