#pragma once

#include "dsp/Float4.h"

#include <cmath>
#include <complex>
#include <vector>

/** Measurements of four-lane filters from the signals they produce. */
namespace FilterMeasurement
{
    /** The first numSamples outputs of a filter fed a unit impulse in all four lanes. */
    template <typename Filter>
    std::vector<float4> impulseResponse (Filter&& filter, int numSamples)
    {
        std::vector<float4> response;
        response.reserve (static_cast<size_t> (numSamples));

        for (int i = 0; i < numSamples; ++i)
            response.push_back (filter (float4 (i == 0 ? 1.0f : 0.0f)));

        return response;
    }

    /** The complex response of one lane at a frequency, from its impulse response. */
    inline std::complex<double> responseAt (const std::vector<float4>& impulse, int lane,
                                            double frequency, double sampleRate)
    {
        const auto omega = 2.0 * M_PI * frequency / sampleRate;
        std::complex<double> sum;

        for (size_t n = 0; n < impulse.size(); ++n)
            sum += static_cast<double> (impulse[n][lane]) * std::polar (1.0, -omega * static_cast<double> (n));

        return sum;
    }

    inline double magnitudeAt (const std::vector<float4>& impulse, int lane, double frequency, double sampleRate)
    {
        return std::abs (responseAt (impulse, lane, frequency, sampleRate));
    }

    /** The lane's gain at 0 Hz and at half the sample rate. */
    inline double gainAtDC (const std::vector<float4>& impulse, int lane)
    {
        double sum = 0.0;
        for (const auto& x : impulse)
            sum += static_cast<double> (x[lane]);
        return sum;
    }

    inline double gainAtNyquist (const std::vector<float4>& impulse, int lane)
    {
        double sum = 0.0, sign = 1.0;
        for (const auto& x : impulse)
        {
            sum += sign * static_cast<double> (x[lane]);
            sign = -sign;
        }
        return sum;
    }

    /** The tail's largest magnitude: how far the response has still to die away. */
    inline double tailPeak (const std::vector<float4>& impulse, int lane, size_t tailLength)
    {
        double peak = 0.0;
        for (auto n = impulse.size() - tailLength; n < impulse.size(); ++n)
            peak = std::max (peak, std::abs (static_cast<double> (impulse[n][lane])));
        return peak;
    }

    /** A reproducible test signal: noise plus a few partials, in four different lanes. */
    inline std::vector<float4> testSignal (int numSamples)
    {
        std::vector<float4> signal;
        unsigned state = 12345u;

        for (int i = 0; i < numSamples; ++i)
        {
            float4 x;
            for (int lane = 0; lane < 4; ++lane)
            {
                state = state * 1664525u + 1013904223u;
                const auto noise = static_cast<float> (state >> 8) / 16777216.0f - 0.5f;
                x.set (lane, 0.5f * noise + 0.3f * std::sin (0.0371f * static_cast<float> (i * (lane + 1))));
            }
            signal.push_back (x);
        }

        return signal;
    }
}
