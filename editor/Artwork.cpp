#include "Artwork.h"

#include <BinaryData.h>

juce::Image loadImage (const char* baseName)
{
    const juce::String name = juce::String (baseName != nullptr ? baseName : "") + "_png";
    int size = 0;
    const auto* data = BinaryData::getNamedResource (name.toRawUTF8(), size);
    return data != nullptr ? juce::ImageCache::getFromMemory (data, size) : juce::Image();
}
