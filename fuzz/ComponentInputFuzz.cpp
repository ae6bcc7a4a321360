// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzz/ComponentInputFuzz.h"

#include <cstdlib>
#include <string_view>

#include "component/recorders/RecorderRequest.h"
#include "component/recorders/RecorderState.h"
#include "component/settings/SettingsEditor.h"
#include "component/settings/SettingsJson.h"

namespace {

std::string_view Text(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// What a parser accepted is written in its canonical form; that form must read back to itself.
template <class Value, class Read, class Write>
void RoundTrip(const Value& value, Read read, Write write) {
  const std::string once = write(value);
  Value again{};
  if (!read(once, &again) || write(again) != once) std::abort();
}

}  // namespace

int FuzzSettingsFile(const std::uint8_t* data, std::size_t size) {
  RecorderSettings settings;
  if (FAILED(SettingsFromJson(Text(data, size), &settings))) return 0;
  // What import accepts is valid for its model and reads back the same.
  const RecorderModel* model = FindRecorderModel(settings.deviceType);
  if (!model || FAILED(ValidateSettings(*model, settings))) std::abort();
  RecorderSettings again;
  if (FAILED(SettingsFromJson(SettingsToJson(settings), &again)) || !(again == settings)) std::abort();
  return 0;
}

int FuzzIdentityFile(const std::uint8_t* data, std::size_t size) {
  RecorderIdentity identity;
  if (FAILED(IdentityFromJson(Text(data, size), &identity))) return 0;
  RoundTrip(identity, [](std::string_view t, RecorderIdentity* v) { return SUCCEEDED(IdentityFromJson(t, v)); },
            IdentityToJson);
  return 0;
}

int FuzzStateFile(const std::uint8_t* data, std::size_t size) {
  RecorderState state;
  if (FAILED(StateFromJson(Text(data, size), &state))) return 0;
  RoundTrip(state, [](std::string_view t, RecorderState* v) { return SUCCEEDED(StateFromJson(t, v)); }, StateToJson);
  return 0;
}

int FuzzRequestFile(const std::uint8_t* data, std::size_t size) {
  RecorderRequest request;
  if (!RequestFromJson(Text(data, size), &request)) return 0;
  RoundTrip(request, RequestFromJson, RequestToJson);
  return 0;
}
