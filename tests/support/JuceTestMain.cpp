#include <juce_events/juce_events.h>

#include <gtest/gtest.h>

#include "TemporaryHome.h"
#include "TestDisplay.h"

// Every test program runs with a temporary HOME, a display that behaves like a desktop's, and a
// message thread of its own, as the plug-in's non-audio code expects.
int main (int argc, char** argv)
{
    TestSupport::TemporaryHome home;
    TestSupport::prepareDisplay();
    ::testing::InitGoogleTest (&argc, argv);

    int result = 0;
    {
        juce::ScopedJuceInitialiser_GUI juceInitialiser;
        result = RUN_ALL_TESTS();
    }
    return result;
}
