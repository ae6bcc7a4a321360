// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What names a connected recorder in every listing: its index, name, model, MAC address and firmware.
#include <nlohmann/json_fwd.hpp>
#include <string>

#include "device/IDPMDevice.h"

struct RecorderInfo {
  LONG index = 0;
  LONG type = 0;
  std::string name;  // its drive's name, as the recorder tool knows it
  std::string model;
  std::string macAddress;
  std::string firmware;

  // Reads it all, or fails with the first failing call's code.
  static HRESULT Read(IDPMDevice* device, LONG index, RecorderInfo* out);
  // "recorder 0 (DPM4_8200, 00:0E:18:98:AB:74)"
  std::string Label() const;
  // The name a drive gives its recorder: the folder of a simulated recorder holds its card as
  // "card", so there it is the folder's name; any other drive is named by itself.
  static std::string NameOfDrive(const std::string& drive);
  nlohmann::json Json() const;
};
