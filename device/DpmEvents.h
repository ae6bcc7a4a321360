// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The component's outgoing dispatch interface _DDPMControlEvents and the type library that
// describes it (DPMCONTROLLib 1.0). The component registers DpmControlTypeLib(); the event sink takes
// the parameter types of its events from the registered library.
#include <string_view>

#include "device/DpmIds.h"
#include "platform/automation/TypeLib.h"
#include "platform/automation/Variant.h"

enum DPMEventId : DISPID {
  DPMEventDeviceConnected = 1,       // (LONG device)
  DPMEventDeviceDisconnected = 2,    // (LONG device)
  DPMEventProgress = 3,              // (BSTR text, LONG percent, LONG detail)
  DPMEventButton = 4,                // (LONG device, LONG button)
  DPMEventResult = 5,                // (LONG device, LONG result)
  DPMEventDeviceReady = 6,           // (LONG device)
  DPMEventBarcodeScanned = 7,        // (LONG device)
  DPMEventBarcodeStringScanned = 8,  // (LONG device, BSTR code)
};

inline constexpr DISPID kFirstDpmEvent = DPMEventDeviceConnected;
inline constexpr DISPID kLastDpmEvent = DPMEventBarcodeStringScanned;

// The event's name; empty for an id outside 1 to 8.
std::string_view DpmEventName(DISPID id);

// One event as the library declares it; id from kFirstDpmEvent to kLastDpmEvent.
FunctionDescription DpmEventDescription(DISPID id);

// DPMCONTROLLib 1.0 with the one dispatch interface _DDPMControlEvents: per event its dispatch id,
// name, standard call, a VT_I4 result and the parameter types in declaration order.
TypeLibDescription DpmControlTypeLib();
