// SPDX-License-Identifier: GPL-3.0-or-later
#include "quorvelctl/settings/SettingAssignment.h"

#include "quorvelctl/settings/SettingCatalog.h"
#include "quorvelctl/cli/TextCodec.h"

bool CSettingAssignment::Parse(std::string_view text, CSettingAssignment* out, std::string* error) {
  const size_t equals = text.find('=');
  if (equals == std::string_view::npos) {
    *error = "expected NAME=VALUE: " + std::string(text);
    return false;
  }
  CSettingAssignment assignment;
  if (!CSettingCatalog::ParseKey(text.substr(0, equals), &assignment.m_setting, &assignment.m_index, error)) return false;
  const SettingDescriptor& setting = *assignment.m_setting;
  if (!setting.put) {
    *error = std::string(setting.name) + " is read-only";
    return false;
  }
  const std::string_view value = text.substr(equals + 1);
  if (!Utf8ToBstr(value)) {
    *error = "not UTF-8 text: " + std::string(text.substr(0, equals));
    return false;
  }
  if (!CSettingValue::Parse(setting.kind, setting.names, value, &assignment.m_value, error)) {
    *error = FormatSettingKey(setting, assignment.m_index) + ": " + *error;
    return false;
  }
  assignment.m_key = FormatSettingKey(setting, assignment.m_index);
  *out = std::move(assignment);
  return true;
}
