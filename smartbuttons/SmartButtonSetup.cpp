#include "smartbuttons/SmartButtonSetup.h"

SmartButtonSetup g_smartButtonSetup{};
