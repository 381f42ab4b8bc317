#include "Artwork.h"

#include <BinaryData.h>

float mainDisplayScale()
{
    if (auto* display = juce::Desktop::getInstance().getDisplays().getPrimaryDisplay())
        return (float) display->scale;

    return 1.0f;
}

int artworkDensity (float displayScale) noexcept
{
    // Only a display that is really denser gets the bigger picture: a scale below 1 keeps the
    // normal one, so a picture is never drawn at a size its file was not made for.
    return displayScale > 1.0f ? 2 : 1;
}

int artworkDensity()
{
    return artworkDensity (mainDisplayScale());
}

juce::String artworkResourceName (const char* baseName, float displayScale)
{
    const juce::String base (juce::CharPointer_UTF8 (baseName != nullptr ? baseName : ""));
    return base + (artworkDensity (displayScale) == 2 ? "2x_png" : "_png");
}

juce::Image loadImage (const char* baseName, float displayScale)
{
    if (baseName == nullptr || *baseName == 0)
        return {};

    int size = 0;
    const auto* data = BinaryData::getNamedResource (artworkResourceName (baseName, displayScale).toRawUTF8(), size);

    if (data == nullptr || size <= 0)
        return {};

    return juce::ImageCache::getFromMemory (data, size);
}

juce::Image loadImage (const char* baseName)
{
    return loadImage (baseName, mainDisplayScale());
}
