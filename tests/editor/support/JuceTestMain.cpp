// The shared test main, reached from this folder: the plug-in test helper names it by a
// path relative to the folder that calls it.
#include "../../support/JuceTestMain.cpp"
