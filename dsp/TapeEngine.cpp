#include "TapeEngine.h"
