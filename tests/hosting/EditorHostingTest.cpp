// The editor as a user meets it in a host: the built plug-in opens its window, the user clicks
// on the real screen, and the host sees the parameter move.

#include "HostedPlugin.h"
#include "X11Desktop.h"
#include "support/Artefacts.h"

using namespace HostedPlugin;
using TestSupport::saveArtefact;

namespace
{
    // Where things are on the deck at 667 x 300: the TAPE switch's "METAL" slot and the flip button.
    const juce::Point<int> metalSlot { 454, 156 };
    const juce::Point<int> flipButton { 646, 11 };

    /** The host's "TAPE" parameter: hosts list parameters in orders of their own. */
    juce::AudioProcessorParameter* tapeParameter (juce::AudioProcessor& plugin)
    {
        for (auto* parameter : plugin.getParameters())
            if (parameter->getName (100) == "TAPE")
                return parameter;

        ADD_FAILURE() << "no TAPE parameter";
        return nullptr;
    }

    /** Mean brightness 0..255 of an area of a picture. */
    double brightness (const juce::Image& image, juce::Rectangle<int> area)
    {
        double sum = 0.0;
        for (int y = area.getY(); y < area.getBottom(); ++y)
            for (int x = area.getX(); x < area.getRight(); ++x)
                sum += image.getPixelAt (x, y).getBrightness() * 255.0;

        return sum / (double) juce::jmax (1, area.getWidth() * area.getHeight());
    }

    /** What every format must show: the deck at 667 x 300, a click on METAL reaching the host as
        "TAPE" = 0.2, and the flip button turning the deck over.
    */
    void checkTheDeckWorks (juce::AudioPluginInstance& plugin, const juce::String& format)
    {
        plugin.prepareToPlay (48000.0, 512);
        HostWindow window (plugin);
        ASSERT_NE (window.editor, nullptr);
        ASSERT_TRUE (window.shown) << "the deck's plate never showed on the screen";
        EXPECT_EQ (window.editor->getWidth(), 667);
        EXPECT_EQ (window.editor->getHeight(), 300);

        const auto front = window.picture;
        saveArtefact (front, format + "-front.png");

        auto* tape = tapeParameter (plugin);
        ASSERT_NE (tape, nullptr);
        X11Desktop::clickAt (window.onScreen (metalSlot));

        // The host plays meanwhile: an LV2 editor's changes travel with the audio.
        EXPECT_TRUE (TestSupport::runMessagesUntil ([&] {
            expectFiniteAudio (plugin, format);
            return std::abs (tape->getValue() - 0.2f) < 1.0e-6f;
        })) << format << ": TAPE is " << tape->getValue();

        // The back panel's caution plate has a dark heading where the front shows the cassette.
        const juce::Rectangle<int> cautionHeading (262, 52, 130, 12);
        X11Desktop::clickAt (window.onScreen (flipButton));
        EXPECT_TRUE (window.waitForScreen ([&] (auto& shown) {
            return brightness (shown, cautionHeading) < brightness (front, cautionHeading) - 60.0;
        })) << format << ": the back never showed";

        saveArtefact (window.picture, format + "-back.png");
        plugin.releaseResources();
    }
}

TEST (HostedEditor, Vst3OpensItsDeckAndTakesAUsersClicks)
{
    auto plugin = loadBuiltPlugin();
    ASSERT_NE (plugin, nullptr);
    ASSERT_TRUE (plugin->hasEditor());
    checkTheDeckWorks (*plugin, "vst3");
}

TEST (HostedEditor, Lv2OpensItsDeckAndTakesAUsersClicks)
{
   #ifndef ONDRELLA_LV2_BUNDLE
    GTEST_SKIP() << "this build has no LV2";
   #else
    auto plugin = loadBuiltLv2Plugin();
    ASSERT_NE (plugin, nullptr);
    ASSERT_TRUE (plugin->hasEditor());
    checkTheDeckWorks (*plugin, "lv2");
   #endif
}

TEST (HostedEditor, TheStandaloneProgramOpensItsDeckInAWindow)
{
   #ifndef ONDRELLA_STANDALONE_PROGRAM
    GTEST_SKIP() << "this build has no standalone program";
   #else
    struct Program  : juce::ChildProcess
    {
        ~Program() { kill(); }   // whatever the test found
    } program;

    ASSERT_TRUE (program.start (ONDRELLA_STANDALONE_PROGRAM));

    // The program's window puts its bars above the deck and an even border around it; it is
    // another process, which draws when it will.
    const juce::Colour plate (0xffd9d9c4);
    std::optional<juce::Rectangle<int>> window;
    juce::Image picture;
    juce::Point<int> deck;

    ASSERT_TRUE (TestSupport::runMessagesUntil ([&] {
        window = X11Desktop::findWindow ("Ondrella");
        picture = window ? X11Desktop::grabScreen (*window) : juce::Image();
        const auto border = window ? (window->getWidth() - 667) / 2 : -1;
        deck = { border, window ? window->getHeight() - border - 300 : -1 };
        return border >= 0 && deck.y >= 0 && picture.getPixelAt (deck.x + 2, deck.y + 2) == plate
                && picture.getPixelAt (deck.x + 664, deck.y + 297) == plate;
    })) << (window ? "the deck never showed in a window of its size" : "no window appeared");

    saveArtefact (picture, "standalone.png");
    EXPECT_NE (picture.getPixelAt (deck.x + 2, deck.y - 2), plate) << "the deck is 300 high, not more";
   #endif
}
