// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a command reads settings from: a settings file, or a recorder named "@N" (recorder N).
#include <string>

#include "device/IDPMDeviceSettings.h"
#include "platform/automation/ComPtr.h"
#include "quorvelctl/session/CommandContext.h"
#include "quorvelctl/session/RecorderInfo.h"

struct SettingsSource {
  ComPtr<IDPMDeviceSettings> settings;
  std::string label;        // the file's path or the recorder's label
  bool isRecorder = false;
  RecorderInfo recorder;    // when it is one

  // False after reporting the failure (and setting *exit).
  static bool FromFile(CCommandContext& context, const std::string& path, SettingsSource* out, ExitCode* exit);
  static bool FromRecorder(CCommandContext& context, LONG index, SettingsSource* out, ExitCode* exit);
  // "@N" or a file; a name like "@x" is a usage error.
  static bool FromArgument(CCommandContext& context, const std::string& argument, SettingsSource* out,
                           ExitCode* exit);
};
