#pragma once
// Which of the contract's value-name tables names the codes of a setting, for people reading a
// recorder's settings.
#include "component/models/Setting.h"
#include "device/DpmValueNames.h"

// Every named code of a scalar setting, in code order; empty for settings without named codes
// (counters, flags, texts).
ValueNames NamedValuesOf(Setting s);
