// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The value codes the DPM4 record takes, as ranges of the enums the program shares (DpmValues.h).
#include "device/DpmValues.h"

constexpr bool SmartButtonFunctionValid(LONG code) { return code >= dpmSmartBlank && code <= dpmSmartPlaybackSpeed; }
constexpr bool DisplayContentValid(LONG code) { return code >= dpmDisplayBlank && code <= dpmDisplayCreationDateTime; }
constexpr bool SensitivityValid(LONG code) { return code >= dpmSensitivityLow && code <= dpmSensitivityHigh; }
constexpr bool MicDirectionValid(LONG code) { return code == dpmMicUniDirectional || code == dpmMicOmniDirectional; }
constexpr bool DevicePositionValid(LONG position) {
  return position == dpmPositionDesktop || position == dpmPositionHandHeld;
}
