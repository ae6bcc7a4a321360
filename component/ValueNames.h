#pragma once
// The names of the value codes (the enumerators of DpmValues.h, "dpmDateTime24Hours"), for people
// reading a recorder's settings. Each lookup gives null for a code without a name.
#include <span>

#include "component/Setting.h"
#include "platform/automation/Types.h"

struct NamedValue {
  LONG value;
  const char* name;
};

// Every named code of a scalar setting, in code order; empty for settings without named codes
// (counters, flags, texts).
std::span<const NamedValue> NamedValuesOf(Setting s);
const char* ValueName(Setting s, LONG value);

const char* SmartButtonFunctionName(LONG code);
const char* DisplayContentName(LONG code);
const char* AudioQualityName(LONG code);
const char* SensitivityName(LONG code);
const char* MicDirectionName(LONG code);
