// SPDX-License-Identifier: GPL-3.0-or-later
#include "quorvelctl/settings/SettingsSource.h"

#include <charconv>

bool SettingsSource::FromFile(CCommandContext& context, const std::string& path, SettingsSource* out,
                              ExitCode* exit) {
  SettingsSource source;
  source.label = path;
  const HRESULT hr = context.Session().Import(path, &source.settings);
  if (FAILED(hr)) {
    *exit = context.Console().Failure("reading settings file " + path, hr);
    return false;
  }
  *out = std::move(source);
  return true;
}

bool SettingsSource::FromRecorder(CCommandContext& context, LONG index, SettingsSource* out, ExitCode* exit) {
  SettingsSource source;
  source.isRecorder = true;
  ComPtr<IDPMDevice> device;
  HRESULT hr = context.Session().Device(index, &device);
  if (SUCCEEDED(hr)) hr = RecorderInfo::Read(device.Get(), index, &source.recorder);
  if (SUCCEEDED(hr)) hr = device->GetDeviceSettings(source.settings.ReleaseAndGetAddressOf());
  if (FAILED(hr)) {
    *exit = context.Console().Failure("recorder " + std::to_string(index), hr);
    return false;
  }
  source.label = source.recorder.Label();
  *out = std::move(source);
  return true;
}

bool SettingsSource::FromArgument(CCommandContext& context, const std::string& argument, SettingsSource* out,
                                  ExitCode* exit) {
  if (argument.empty() || argument[0] != '@') return FromFile(context, argument, out, exit);
  LONG index = 0;
  const char* first = argument.data() + 1;
  const char* last = argument.data() + argument.size();
  const auto [end, error] = std::from_chars(first, last, index);
  if (error != std::errc() || end != last || first == last || index < 0) {
    *exit = context.Console().Usage("a recorder is @N, N its number in list: " + argument);
    return false;
  }
  return FromRecorder(context, index, out, exit);
}
