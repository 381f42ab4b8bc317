#pragma once

#include <juce_core/juce_core.h>

#include <vector>

namespace TestSupport
{
    /** The bytes of a state blob holding these normalised values, as the processor writes them. */
    inline juce::MemoryBlock stateBytes (const std::vector<float>& values)
    {
        juce::MemoryBlock block;
        juce::MemoryOutputStream out (block, false);

        for (auto value : values)
            out.writeFloat (value);

        out.flush();
        return block;
    }
}
