#include <juce_events/juce_events.h>

#include <gtest/gtest.h>

// Every test runs on a message thread of its own, as the plug-in's non-audio code expects.
int main (int argc, char** argv)
{
    ::testing::InitGoogleTest (&argc, argv);
    juce::ScopedJuceInitialiser_GUI juceInitialiser;
    return RUN_ALL_TESTS();
}
