#pragma once
// The scalar settings as a table: the name they carry in the interface and in settings files, their
// kind and the range a recorder accepts. Ranges that depend on the model are marked and decided by
// RecorderSettingsRules.
#include <span>

#include "component/models/Setting.h"
#include "platform/automation/Types.h"

enum class SettingKind { Number, Flag, Text };

struct SettingInfo {
  Setting id;
  const char* name;
  SettingKind kind;
  LONG min;  // numbers only
  LONG max;  // numbers only; ignored when modelRange is set
  bool modelRange;  // RecordingMode, Appearance, UserStringCount
};

std::span<const SettingInfo> AllSettingInfos();
const SettingInfo& InfoOf(Setting s);
