// ondrella_add_plugin_test names its main relative to the calling folder; this forwards to the shared one.
#include "../../support/JuceTestMain.cpp"
