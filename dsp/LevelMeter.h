#pragma once

#include <atomic>
#include <cstdint>

/** The peak level of one output channel, handed from the audio thread to the editor's timer
    without a lock.

    The audio thread only raises the peak and clears the consumed byte; the editor only sets the
    byte and zeroes the peak, and zeroes it only after it has seen the byte clear. Each field is
    an atomic read or written whole; a peak raised between the editor's read and its zeroing is
    dropped from that tick and comes back with the next block.
*/
class LevelMeter
{
public:
    /** Audio thread: raises the peak to blockPeak (the largest absolute sample of a block) if it
        is higher, and marks the channel as metered. A NaN never raises the peak.
    */
    void update (float blockPeak) noexcept
    {
        if (blockPeak > peak.load (std::memory_order_relaxed))
            peak.store (blockPeak, std::memory_order_relaxed);

        consumed.store (0, std::memory_order_release);
    }

    /** Editor: the peak since the previous take. When audio has been metered since then, the
        peak is taken and a new hold period starts; otherwise the (zeroed) peak is only read.
    */
    float take() noexcept
    {
        if (consumed.load (std::memory_order_acquire) == 0)
        {
            consumed.store (1, std::memory_order_relaxed);
            const auto level = peak.load (std::memory_order_relaxed);
            peak.store (0.0f, std::memory_order_relaxed);
            return level;
        }

        return peak.load (std::memory_order_relaxed);
    }

    /** Clears the peak (the engine's reset); the handshake byte is left alone. */
    void clearPeak() noexcept                { peak.store (0.0f, std::memory_order_relaxed); }

    float getPeak() const noexcept           { return peak.load (std::memory_order_relaxed); }
    bool isConsumed() const noexcept         { return consumed.load (std::memory_order_acquire) != 0; }

private:
    std::atomic<uint8_t> consumed { 0 };
    std::atomic<float> peak { 0.0f };
};
