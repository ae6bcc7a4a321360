// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The names of the value codes: each enumerator of DpmValues.h by its own spelling, so settings read
// and are written as dpmQualityPlay rather than 6. The program's tools and the component's recorder
// tool show the same names from these tables.
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/automation/Types.h"

struct ValueName {
  LONG code;
  std::string_view name;
};
using ValueNames = std::span<const ValueName>;

namespace value_names {
// The settings whose codes have no names (counters, flags, texts).
ValueNames None();
ValueNames FileNamePrefixType();
ValueNames DateTimeFormat();
ValueNames Appearance();
ValueNames MicrophoneSensitivity();
ValueNames RecordingMode();
ValueNames DownloadMode();
ValueNames DownloadFilter();
ValueNames FileCounterSource();
ValueNames RequiredInputType();
ValueNames TotalTimeType();
ValueNames BarcodeScanButton();
ValueNames VoiceCommandType();
ValueNames OS();
ValueNames BarcodeMode();
ValueNames FunctionKey();
ValueNames FourPosSwitch();
ValueNames SmartButtonFunction();
ValueNames DisplayContent();
ValueNames AudioQuality();
ValueNames MicrophoneDirection();
}  // namespace value_names

// The name of a code; empty when the list has none.
std::string_view NameOfValue(ValueNames names, LONG code);
std::optional<LONG> ValueOfName(ValueNames names, std::string_view name);
