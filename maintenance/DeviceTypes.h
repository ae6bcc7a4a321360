#pragma once
// Recorder models as the component numbers them.
#include <string>

#include "platform/automation/Types.h"

inline constexpr LONG kFirstDpm4DeviceType = 26;

// The model name shown for a device type; "Unknown ???" for an id without a name.
std::string DeviceTypeName(LONG id);
// DPM4 recorders (26 and any later id) have smart buttons, display areas and recording profiles.
bool IsDpm4Recorder(LONG id);
