#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

/** Delays the plain input by the latency the plug-in reports, so that a host bypass keeps the
    audio where latency compensation expects it.

    It is fed the input while the chain runs as well, so a switch into bypass continues the signal
    instead of starting from silence. The buffers are made at construction; a delay of up to
    maximumDelay samples is accepted.
*/
class BypassDelayLine
{
public:
    static constexpr int maximumChannels = 2;
    static constexpr int32_t size = 4096;
    static constexpr int32_t mask = size - 1;
    static constexpr int maximumDelay = size - 1;

    BypassDelayLine();

    /** Sets the delay in samples (clamped to 0 .. maximumDelay) and clears the buffers. */
    void reset (int delayInSamples) noexcept;

    /** Writes one input sample of a channel; call once per channel, then advance(). */
    void push (int channel, float x) noexcept
    {
        buffers[(std::size_t) channel][(std::size_t) writeIndex] = x;
    }

    /** The sample of a channel written delay samples before the one pushed last. */
    float read (int channel) const noexcept
    {
        return buffers[(std::size_t) channel][(std::size_t) ((writeIndex - delay) & mask)];
    }

    void advance() noexcept    { writeIndex = (writeIndex + 1) & mask; }

    /** push() of each channel and advance() for every sample of a block, all at once. */
    void pushBlock (const float* left, const float* right, int numSamples) noexcept;

    /** Delays a block in place. */
    void process (float* const* channels, int numChannels, int numSamples) noexcept;

    int getDelay() const noexcept    { return delay; }

private:
    std::vector<float> buffers[maximumChannels];
    int32_t writeIndex = 0;
    int32_t delay = 0;
};
