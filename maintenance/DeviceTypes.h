// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Recorder models as the component numbers them.
#include <string>

#include "device/DpmValues.h"
#include "platform/automation/Types.h"

// The model name shown for a device type; "Unknown ???" for an id without a name.
std::string DeviceTypeName(LONG id);
// DPM4 recorders (26 and any later id) have smart buttons, display areas and recording profiles.
bool IsDpm4Recorder(LONG id);
