// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/DpmEvents.h"

#include <array>

namespace {

struct EventRow {
  DPMEventId id;
  std::string_view name;
  std::vector<VARTYPE> params;
};

const std::array<EventRow, 8>& EventRows() {
  static const std::array<EventRow, 8> rows{{
      {DPMEventDeviceConnected, "DPMEventDeviceConnected", {VT_I4}},
      {DPMEventDeviceDisconnected, "DPMEventDeviceDisconnected", {VT_I4}},
      {DPMEventProgress, "DPMEventProgress", {VT_BSTR, VT_I4, VT_I4}},
      {DPMEventButton, "DPMEventButton", {VT_I4, VT_I4}},
      {DPMEventResult, "DPMEventResult", {VT_I4, VT_I4}},
      {DPMEventDeviceReady, "DPMEventDeviceReady", {VT_I4}},
      {DPMEventBarcodeScanned, "DPMEventBarcodeScanned", {VT_I4}},
      {DPMEventBarcodeStringScanned, "DPMEventBarcodeStringScanned", {VT_I4, VT_BSTR}},
  }};
  return rows;
}

}  // namespace

std::string_view DpmEventName(DISPID id) {
  if (id < kFirstDpmEvent || id > kLastDpmEvent) return {};
  return EventRows()[static_cast<std::size_t>(id - kFirstDpmEvent)].name;
}

FunctionDescription DpmEventDescription(DISPID id) {
  const EventRow& row = EventRows()[static_cast<std::size_t>(id - kFirstDpmEvent)];
  return {row.id, std::string(row.name), CC_STDCALL, VT_I4, row.params};
}

TypeLibDescription DpmControlTypeLib() {
  InterfaceDescription events{DIID__DDPMControlEvents, "_DDPMControlEvents", {}};
  for (DISPID id = kFirstDpmEvent; id <= kLastDpmEvent; ++id) events.functions.push_back(DpmEventDescription(id));
  return {LIBID_DPMCONTROLLib, kDpmControlLibMajor, kDpmControlLibMinor, "DPMCONTROLLib", {events}};
}
