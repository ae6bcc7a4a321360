// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The state every spy object of one SpyComponent shares: the call log, the scripted results and
// values, the reference counters, and the controls whose sinks receive fired events.
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "platform/automation/Types.h"

// A scripted null string.
struct SpyNull {};
// A scripted pair list: VT_ARRAY|VT_I4, dimension 1 the two numbers of a pair, dimension 2 the pairs.
struct SpyPairs {
  std::vector<std::pair<LONG, LONG>> pairs;
};
using SpyValue = std::variant<LONG, std::string, SpyNull, SpyPairs>;

class SpyControl;

struct SpyState {
  std::vector<std::string> calls;
  std::map<std::string, HRESULT, std::less<>> results;
  std::map<std::string, SpyValue, std::less<>> values;
  long liveObjects = 0;
  long outstandingReferences = 0;
  int objectsMade = 0;  // numbers the objects in the call log
  std::map<const void*, std::string> labels;  // live spy objects by interface pointer
  std::vector<SpyControl*> controls;

  // The full call text first ("get_KeywordUsageString(2)"), then the bare key ("get_KeywordUsageString").
  HRESULT ResultFor(std::string_view call, std::string_view key) const {
    if (auto it = results.find(call); it != results.end()) return it->second;
    if (auto it = results.find(key); it != results.end()) return it->second;
    return S_OK;
  }
  const SpyValue* ValueFor(std::string_view call, std::string_view key) const {
    if (auto it = values.find(call); it != values.end()) return &it->second;
    if (auto it = values.find(key); it != values.end()) return &it->second;
    return nullptr;
  }
};
