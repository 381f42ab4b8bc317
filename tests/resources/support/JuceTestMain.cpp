// ondrella_add_plugin_test adds "support/JuceTestMain.cpp" relative to the folder that calls it;
// this forwards to the one shared main.
#include "../../support/JuceTestMain.cpp"
