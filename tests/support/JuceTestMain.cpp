#include <juce_events/juce_events.h>

#include <gtest/gtest.h>

#include <cstdlib>

#include "TemporaryHome.h"
#include "TestDisplay.h"

// Every test program runs with a temporary HOME and an empty machine folder, a display that behaves
// like a desktop's, and a message thread of its own, as the plug-in's non-audio code expects.
int main (int argc, char** argv)
{
    TestSupport::TemporaryHome home;
    TestSupport::prepareDisplay();

    // Plug-ins built with the tests, hosted ones included, take their machine-wide folder from
    // here: an empty one, so that no test reads the presets installed on the machine.
    setenv ("ONDRELLA_TEST_MACHINE_DATA_ROOT", (home.getPath() + "/machine").c_str(), 1);
    ::testing::InitGoogleTest (&argc, argv);

    int result = 0;
    {
        juce::ScopedJuceInitialiser_GUI juceInitialiser;
        result = RUN_ALL_TESTS();
    }
    return result;
}
