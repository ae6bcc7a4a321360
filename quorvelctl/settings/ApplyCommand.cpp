// SPDX-License-Identifier: GPL-3.0-or-later
#include "quorvelctl/settings/ApplyCommand.h"

#include <nlohmann/json.hpp>

#include "device/DpmResults.h"
#include "quorvelctl/settings/SettingsApplier.h"
#include "quorvelctl/settings/SettingsSource.h"

ApplyReport CApplyCommand::Unreachable(LONG index, HRESULT why) {
  ApplyReport report;
  report.recorder.index = index;
  report.result = why;
  report.failedStep = "reaching the recorder";
  return report;
}

ExitCode CApplyCommand::Run(CCommandContext& context) {
  const CommandLine& line = context.Line();
  const CConsole& console = context.Console();
  const bool all = (line.given & kOptAll) != 0;
  if (all == ((line.given & kOptDevice) != 0)) return console.Usage("apply takes either -d N or --all");
  ExitCode exit = kExitDone;
  SettingsSource file;
  if (!SettingsSource::FromFile(context, line.arguments[0], &file, &exit)) return exit;
  CSettingsApplier applier;
  if (HRESULT hr = applier.Load(file.settings.Get()); FAILED(hr)) return console.Failure(file.label, hr);

  LONG first = line.device, count = 1;
  if (all) {
    first = 0;
    if (HRESULT hr = context.Session().DeviceCount(&count); FAILED(hr)) return console.Failure("apply", hr);
    if (count == 0) return console.Failure("apply", dpmCtrlNoDeviceConnected);
  }
  // A dry run goes the real run's way; its session has the component check the commit instead.
  const bool dryRun = context.Session().ChecksCommitsOnly();
  nlohmann::json reports = nlohmann::json::array();
  bool anyFailed = false;
  // One recorder's refusal leaves the others to go on.
  for (LONG index = first; index < first + count; ++index) {
    ComPtr<IDPMDevice> device;
    const HRESULT hr = context.Session().Device(index, &device);
    if (FAILED(hr) && !all) return console.Failure("recorder " + std::to_string(index), hr);
    const ApplyReport report = FAILED(hr) ? Unreachable(index, hr) : applier.Apply(device.Get(), index, dryRun);
    anyFailed = anyFailed || FAILED(report.result);
    // The report is the result, refusals included: each recorder's heading, then its changes.
    if (console.Json()) {
      reports.push_back(report.Json());
      continue;
    }
    console.Line(report.Summary());
    for (const std::string& change : report.changes) console.Line("  " + change);
  }
  if (console.Json()) console.Document({{"file", file.label}, {"dryRun", dryRun}, {"recorders", reports}});
  return anyFailed ? kExitDifference : kExitDone;
}
