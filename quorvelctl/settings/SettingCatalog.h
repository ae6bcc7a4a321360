// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every property of the settings interface, in the order show and diff print them, and the parsing
// of a property's instance from its command-line name.
#include <span>
#include <string>
#include <string_view>

#include "quorvelctl/settings/SettingDescriptor.h"

class CSettingCatalog {
 public:
  static std::span<const SettingDescriptor> All();
  // Null when no property has that name (profile properties go by their own name, AudioQuality).
  static const SettingDescriptor* Find(std::string_view name, bool inProfile);
  // "KeywordContentString[1][0]" -> the property and {1, 0}; false with *error set otherwise.
  static bool ParseKey(std::string_view key, const SettingDescriptor** setting, SettingIndex* index,
                       std::string* error);
};
