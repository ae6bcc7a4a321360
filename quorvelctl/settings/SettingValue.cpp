// SPDX-License-Identifier: GPL-3.0-or-later
#include "quorvelctl/settings/SettingValue.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <nlohmann/json.hpp>

namespace {

bool ParseNumber(std::string_view text, LONG* out) {
  if (text.empty() || text.size() > 20) return false;
  const std::string copy(text);
  char* end = nullptr;
  errno = 0;
  const long long value = std::strtoll(copy.c_str(), &end, 10);
  if (errno != 0 || *end != '\0' || value < INT32_MIN || value > INT32_MAX) return false;
  *out = static_cast<LONG>(value);
  return true;
}

std::string Quoted(const std::string& text) { return '"' + text + '"'; }

}  // namespace

CSettingValue CSettingValue::Number(LONG value, ValueNames names) {
  CSettingValue v;
  v.m_kind = ValueKind::Number;
  v.m_number = value;
  v.m_names = names;
  return v;
}

CSettingValue CSettingValue::Flag(bool value) {
  CSettingValue v;
  v.m_kind = ValueKind::Flag;
  v.m_number = value ? 1 : 0;
  return v;
}

CSettingValue CSettingValue::Text(std::string value) {
  CSettingValue v;
  v.m_kind = ValueKind::Text;
  v.m_text = std::move(value);
  return v;
}

bool CSettingValue::Parse(ValueKind kind, ValueNames names, std::string_view text, CSettingValue* out,
                          std::string* error) {
  switch (kind) {
    case ValueKind::Number: {
      LONG number = 0;
      if (auto named = ValueOfName(names, text)) {
        *out = Number(*named, names);
        return true;
      }
      if (ParseNumber(text, &number)) {
        *out = Number(number, names);
        return true;
      }
      *error = names.empty() ? "not a number: " + std::string(text)
                             : "neither a value name nor a number: " + std::string(text);
      return false;
    }
    case ValueKind::Flag:
      if (text == "true" || text == "1") {
        *out = Flag(true);
        return true;
      }
      if (text == "false" || text == "0") {
        *out = Flag(false);
        return true;
      }
      *error = "not true or false: " + std::string(text);
      return false;
    case ValueKind::Text:
      if (text.size() >= 2 && text.front() == '"' && text.back() == '"') text = text.substr(1, text.size() - 2);
      *out = Text(std::string(text));
      return true;
  }
  return false;
}

std::string CSettingValue::Display() const {
  switch (m_kind) {
    case ValueKind::Number: {
      const std::string_view name = NameOfValue(m_names, m_number);
      return name.empty() ? std::to_string(m_number) : std::string(name) + " (" + std::to_string(m_number) + ")";
    }
    case ValueKind::Flag:
      return AsFlag() ? "true" : "false";
    case ValueKind::Text:
      return Quoted(m_text);
  }
  return {};
}

nlohmann::json CSettingValue::ToJson() const {
  switch (m_kind) {
    case ValueKind::Number: {
      const std::string_view name = NameOfValue(m_names, m_number);
      return name.empty() ? nlohmann::json(m_number) : nlohmann::json(std::string(name));
    }
    case ValueKind::Flag:
      return AsFlag();
    case ValueKind::Text:
      return m_text;
  }
  return nullptr;
}
