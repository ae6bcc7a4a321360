// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The scalar settings as a table: the name they carry in the interface and in settings files, their
// kind and the range a recorder accepts, all from the settings schema. Ranges that depend on the model
// (modelRange) are decided by SettingsEditor::CheckNumberRange.
#include <span>

#include "component/models/Setting.h"

using SettingInfo = SettingSchema;

inline std::span<const SettingInfo> AllSettingInfos() { return kSettingSchema; }
inline const SettingInfo& InfoOf(Setting s) { return SchemaOf(s); }
