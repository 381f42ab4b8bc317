#include "WidgetFont.h"

#include <BinaryData.h>

#include <memory>

namespace
{
    juce::Font fallbackFont (float height)
    {
        return juce::Font (juce::Font::getDefaultSansSerifFontName(), height, juce::Font::plain);
    }

    juce::Font makeWidgetFont()
    {
        int size = 0;
        const auto* data = BinaryData::getNamedResource ("LiberationSansRegular_ttf", size);

        if (data != nullptr && size > 0)
            if (auto typeface = juce::Typeface::createSystemTypefaceFor (data, (size_t) size))
                return juce::Font (typeface);

        return fallbackFont (10.0f);
    }

    int liveEditorCount = 0;
    std::unique_ptr<juce::Font> sharedFont;
}

SharedWidgetFont::SharedWidgetFont()
{
    JUCE_ASSERT_MESSAGE_THREAD

    if (liveEditorCount++ == 0)
        sharedFont = std::make_unique<juce::Font> (makeWidgetFont());
}

SharedWidgetFont::~SharedWidgetFont()
{
    JUCE_ASSERT_MESSAGE_THREAD

    if (--liveEditorCount == 0)
        sharedFont.reset();
}

int SharedWidgetFont::getLiveEditorCount() noexcept
{
    return liveEditorCount;
}

bool SharedWidgetFont::isAlive() noexcept
{
    return sharedFont != nullptr;
}

juce::Font widgetFont (float height)
{
    if (sharedFont != nullptr)
        return sharedFont->withHeight (height);

    return fallbackFont (height);
}
