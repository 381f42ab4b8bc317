#pragma once

// Placeholder until the tape chain lands: holds the rate the processor prepares it for.
class TapeEngine
{
public:
    void prepare (float newSampleRate) noexcept    { sampleRate = newSampleRate; }
    void reset() noexcept                          {}
    void snapToTargets() noexcept                  {}
    float getSampleRate() const noexcept           { return sampleRate; }

private:
    float sampleRate = 44100.0f;
};
