// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One setting's value as read from a settings object or given on the command line: a number (with
// the names of its codes, when the setting has them), a flag, or a UTF-8 text.
#include <nlohmann/json_fwd.hpp>
#include <string>
#include <string_view>

#include "device/DpmValueNames.h"

enum class ValueKind { Number, Flag, Text };

class CSettingValue {
 public:
  static CSettingValue Number(LONG value, ValueNames names = {});
  static CSettingValue Flag(bool value);
  static CSettingValue Text(std::string value);
  // The command-line form of a value of this kind: a code's name or a number; true or false (1 or
  // 0); a text, with or without surrounding double quotes. False with *error set when it is none.
  static bool Parse(ValueKind kind, ValueNames names, std::string_view text, CSettingValue* out,
                    std::string* error);

  ValueKind Kind() const { return m_kind; }
  LONG AsNumber() const { return m_number; }
  bool AsFlag() const { return m_number != 0; }
  const std::string& AsText() const { return m_text; }

  // dpmQualityPlay (6), 12, true, "DICT"
  std::string Display() const;
  // The code's name (or the number when it has none), a boolean or a string: what Parse accepts.
  nlohmann::json ToJson() const;

  bool operator==(const CSettingValue& other) const {
    return m_kind == other.m_kind && m_number == other.m_number && m_text == other.m_text;
  }

 private:
  ValueKind m_kind = ValueKind::Number;
  LONG m_number = 0;
  std::string m_text;
  ValueNames m_names;
};
