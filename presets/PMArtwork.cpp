#include "PMArtwork.h"
#include "PMSimpleButton.h"

#include <BinaryData.h>

namespace
{
    const char* const overpassRegularResource  = "OverpassRegular_ttf";
    const char* const overpassSemiBoldResource = "OverpassSemiBold_ttf";

    const void* findResource (const juce::String& resourceName, int& size)
    {
        size = 0;
        const auto* data = BinaryData::getNamedResource (resourceName.toRawUTF8(), size);
        return size > 0 ? data : nullptr;
    }
}

juce::Image pmImage (const char* pictureName)
{
    if (pictureName == nullptr || *pictureName == 0)
        return {};

    int size = 0;

    if (const auto* data = findResource (juce::String (pictureName) + "_png", size))
        return juce::ImageCache::getFromMemory (data, size);

    return {};
}

juce::Font pmFont (PMFace face, float height)
{
    int size = 0;

    if (const auto* data = findResource (face == PMFace::regular ? overpassRegularResource : overpassSemiBoldResource, size))
        if (auto typeface = juce::Typeface::createSystemTypefaceFor (data, (size_t) size))
            return juce::Font (typeface).withHeight (height);

    return juce::Font (juce::Font::getDefaultSansSerifFontName(), height,
                       face == PMFace::regular ? juce::Font::plain : juce::Font::bold);
}

void drawFailureLine (juce::Graphics& g, const juce::String& line, juce::Rectangle<float> area)
{
    g.setColour (juce::Colour (0xffff9b8a));
    g.setFont (pmFont (PMFace::regular, 13.0f));
    g.drawText (line, area, juce::Justification::centredLeft, true);
}

void applyButtonArt (PMSimpleButton& button, const PMButtonArt& art)
{
    const juce::String base (art.baseName);
    const auto normal = pmImage (art.baseName);

    button.setImages (normal,
                      pmImage ((base + "_pressed").toRawUTF8()),
                      art.hasDisabledPicture ? pmImage ((base + "_disabled").toRawUTF8()) : normal);
    button.setDrawSize (art.drawWidth, art.drawHeight);
}
