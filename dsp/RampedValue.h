#pragma once

#include <cmath>
#include <cstdint>

/** A linear ramp that reaches its target in exactly one block.

    setTarget() starts a ramp of n steps towards a new value; next() takes one step and returns
    the value reached, then keeps returning the target once the ramp has ended. A ramp that is
    not stepped keeps its remaining count and carries on from there at its next step.
*/
struct RampedValue
{
    float current = 0.0f;
    float target = 0.0f;
    float step = 0.0f;
    int32_t remaining = 0;

    /** Starts a ramp of numSamples steps, unless value is already the target.
        With no samples to ramp over the value is taken at once, so nothing divides by zero.
    */
    void setTarget (float value, int numSamples) noexcept
    {
        if (value == target)
            return;

        if (numSamples <= 0)
        {
            snap (value);
            return;
        }

        target = value;
        remaining = numSamples;
        step = (value - current) / (float) numSamples;
    }

    /** Takes one step and returns the value reached; the target once the ramp has ended. */
    float next() noexcept
    {
        if (remaining > 0)
        {
            --remaining;
            current += step;
            return current;
        }

        return target;
    }

    /** Jumps straight to a value and ends any ramp. */
    void snap (float value) noexcept
    {
        current = target = value;
        step = 0.0f;
        remaining = 0;
    }

    bool isRamping() const noexcept    { return remaining > 0; }
};
