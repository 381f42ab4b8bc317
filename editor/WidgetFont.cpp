#include "WidgetFont.h"

#include <BinaryData.h>

#include <memory>

namespace
{
    juce::Font makeWidgetFont()
    {
        int size = 0;
        const auto* data = BinaryData::getNamedResource ("LiberationSansRegular_ttf", size);

        if (data != nullptr && size > 0)
            if (auto typeface = juce::Typeface::createSystemTypefaceFor (data, (size_t) size))
                return juce::Font (typeface);

        return juce::Font (juce::Font::getDefaultSansSerifFontName(), 10.0f, juce::Font::plain);
    }

    int numHolders = 0;
    std::unique_ptr<juce::Font> sharedFont;
}

SharedWidgetFont::SharedWidgetFont()
{
    JUCE_ASSERT_MESSAGE_THREAD

    if (numHolders++ == 0)
        sharedFont = std::make_unique<juce::Font> (makeWidgetFont());
}

SharedWidgetFont::~SharedWidgetFont()
{
    JUCE_ASSERT_MESSAGE_THREAD

    if (--numHolders == 0)
        sharedFont.reset();
}

int SharedWidgetFont::getNumHolders() noexcept
{
    return numHolders;
}

juce::Font widgetFont (float height)
{
    if (sharedFont != nullptr)
        return sharedFont->withHeight (height);

    return makeWidgetFont().withHeight (height);
}
