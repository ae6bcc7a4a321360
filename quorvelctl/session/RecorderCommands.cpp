// SPDX-License-Identifier: GPL-3.0-or-later
#include "quorvelctl/session/RecorderCommands.h"

#include <nlohmann/json.hpp>

#include "device/DpmResults.h"
#include "quorvelctl/session/RecorderInfo.h"

ExitCode CRecorderCommands::List(CCommandContext& context) {
  const CConsole& console = context.Console();
  nlohmann::json recorders = nlohmann::json::array();
  std::vector<std::string> lines;
  for (LONG index = 0;; ++index) {
    ComPtr<IDPMDevice> device;
    const HRESULT hr = context.Session().Device(index, &device);
    if (hr == dpmCtrlNoDeviceConnected) break;
    RecorderInfo info;
    const HRESULT read = FAILED(hr) ? hr : RecorderInfo::Read(device.Get(), index, &info);
    if (FAILED(read)) return console.Failure("recorder " + std::to_string(index), read);
    recorders.push_back(info.Json());
    lines.push_back(std::to_string(index) + "\t" + info.name + "\t" + info.model + "\t" + info.macAddress + "\t" +
                    info.firmware);
  }
  if (recorders.empty()) return console.Failure("list", dpmCtrlNoDeviceConnected);
  if (console.Json()) {
    console.Document({{"recorders", recorders}});
  } else {
    for (const std::string& line : lines) console.Line(line);
  }
  return kExitDone;
}

ExitCode CRecorderCommands::Time(CCommandContext& context) {
  return RunOnDevice(context, &IDPMDevice::SynchronizeDateTime, "time", "clock set");
}

ExitCode CRecorderCommands::Format(CCommandContext& context) {
  if (!(context.Line().given & kOptYes)) {
    return context.Console().Usage("format erases every dictation on the card; add --yes to do it");
  }
  return RunOnDevice(context, &IDPMDevice::FormatCard, "format", "card formatted");
}

ExitCode CRecorderCommands::RunOnDevice(CCommandContext& context, HRESULT (IDPMDevice::*operation)(),
                                        const char* what, const char* done) {
  const CConsole& console = context.Console();
  ExitCode exit = kExitDone;
  ComPtr<IDPMDevice> device;
  if (!context.SelectedDevice(&device, &exit)) return exit;
  RecorderInfo info;
  HRESULT hr = RecorderInfo::Read(device.Get(), context.Line().device, &info);
  if (SUCCEEDED(hr)) hr = (device.Get()->*operation)();
  if (FAILED(hr)) return console.Failure(std::string(what) + " on recorder " + std::to_string(context.Line().device), hr);
  if (console.Json()) {
    console.Document({{"recorder", info.Json()}, {"done", done}});
  } else {
    console.Line(info.Label() + ": " + done);
  }
  return kExitDone;
}
