// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Exception-free reading of parsed JSON: every accessor says whether the value has the wanted shape.
#include <cstdint>
#include <initializer_list>
#include <functional>
#include <limits>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "component/models/TextRules.h"

namespace json_checks {

using Json = nlohmann::json;

constexpr size_t kMaxDepth = 16;

// Our files are strict: a key given twice in one object is an error, not "the last one wins".
class DuplicateKeyCheck {
 public:
  bool operator()(int, Json::parse_event_t event, Json& parsed) {
    switch (event) {
      case Json::parse_event_t::object_start: m_open.emplace_back(); break;
      case Json::parse_event_t::object_end:
        if (!m_open.empty()) m_open.pop_back();
        break;
      case Json::parse_event_t::key:
        if (!m_open.empty() && !m_open.back().insert(parsed.get<std::string>()).second) m_duplicate = true;
        break;
      default: break;
    }
    return true;
  }
  bool Found() const { return m_duplicate; }

 private:
  std::vector<std::set<std::string>> m_open;  // the keys of each object being read
  bool m_duplicate = false;
};

// Parses without exceptions; false for malformed text, a duplicate key, or nesting deeper than
// kMaxDepth (which keeps hostile input from recursing deeply anywhere).
inline bool Parse(std::string_view text, Json* out) {
  size_t depth = 0;
  bool inString = false;
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (inString) {
      if (c == '\\') ++i;
      else if (c == '"') inString = false;
    } else if (c == '"') {
      inString = true;
    } else if (c == '[' || c == '{') {
      if (++depth > kMaxDepth) return false;
    } else if (c == ']' || c == '}') {
      if (depth > 0) --depth;
    }
  }
  DuplicateKeyCheck duplicates;
  *out = Json::parse(text.begin(), text.end(), std::ref(duplicates), false);
  return !out->is_discarded() && !duplicates.Found();
}

// An object holding exactly these keys, no more, no fewer.
inline bool HasExactly(const Json& j, std::initializer_list<const char*> keys) {
  if (!j.is_object() || j.size() != keys.size()) return false;
  for (const char* key : keys)
    if (!j.contains(key)) return false;
  return true;
}

inline bool GetLong(const Json& j, LONG* out) {
  if (!j.is_number_integer()) return false;
  if (j.is_number_unsigned()) {
    auto v = j.get<std::uint64_t>();
    if (v > static_cast<std::uint64_t>(std::numeric_limits<LONG>::max())) return false;
    *out = static_cast<LONG>(v);
    return true;
  }
  auto v = j.get<std::int64_t>();
  if (v < std::numeric_limits<LONG>::min() || v > std::numeric_limits<LONG>::max()) return false;
  *out = static_cast<LONG>(v);
  return true;
}

inline bool GetInt64(const Json& j, std::int64_t* out) {
  if (!j.is_number_integer()) return false;
  if (j.is_number_unsigned()) {
    auto v = j.get<std::uint64_t>();
    if (v > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())) return false;
    *out = static_cast<std::int64_t>(v);
    return true;
  }
  *out = j.get<std::int64_t>();
  return true;
}

inline bool GetBool(const Json& j, bool* out) {
  if (!j.is_boolean()) return false;
  *out = j.get<bool>();
  return true;
}

inline bool GetText(const Json& j, std::u16string* out) {
  if (!j.is_string()) return false;
  return Utf16FromUtf8(j.get_ref<const std::string&>(), out);
}

inline bool GetString(const Json& j, std::string* out) {
  if (!j.is_string()) return false;
  *out = j.get<std::string>();
  return true;
}

inline std::string Dump(const Json& j) { return j.dump(2, ' ', false, Json::error_handler_t::replace) + "\n"; }

}  // namespace json_checks
