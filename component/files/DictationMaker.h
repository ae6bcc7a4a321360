// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// New DSS dictations: an empty one (what NewFile makes) and one of Standard Play audio of a given
// length (what a simulated recorder records: a quiet 167 Hz buzz of valid SP frames).
#include <cstdint>
#include <ctime>
#include <string>
#include <string_view>

#include "platform/automation/Types.h"

// The number of SP frames closest to `milliseconds` (at least one for a positive length).
size_t SpFramesFor(LONG milliseconds);
// A DSS file of the codec with no audio; start and end are `now` (local time).
HRESULT MakeEmptyDictation(std::uint8_t codec, std::time_t now, std::string* file);
// A DSS file of `frames` SP frames recorded until `end` (local time), by `author` (16 bytes at most).
HRESULT MakeSpDictation(size_t frames, std::time_t end, std::string_view author, std::string* file);
