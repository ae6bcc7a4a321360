// SPDX-License-Identifier: GPL-3.0-or-later
#include "quorvelctl/settings/SettingsCommands.h"

#include <nlohmann/json.hpp>

#include "quorvelctl/settings/SettingAssignment.h"
#include "quorvelctl/settings/SettingsApplier.h"
#include "quorvelctl/settings/SettingsDiff.h"
#include "quorvelctl/settings/SettingsSource.h"

namespace {

// Empty value rows are left out: a model holds up to a hundred per keyword.
bool Shown(const SettingEntry& entry) {
  return entry.setting->group != SettingGroup::KeywordRow || !entry.value.AsText().empty();
}

bool ReadSnapshot(CCommandContext& context, const SettingsSource& source, CSettingsSnapshot* snapshot,
                  ExitCode* exit) {
  std::string failedKey;
  const HRESULT hr = CSettingsSnapshot::Read(source.settings.Get(), snapshot, &failedKey);
  if (FAILED(hr)) *exit = context.Console().Failure(source.label + ": reading " + failedKey, hr);
  return SUCCEEDED(hr);
}

nlohmann::json SourceJson(const SettingsSource& source) {
  return source.isRecorder ? nlohmann::json{{"recorder", source.recorder.Json()}}
                           : nlohmann::json{{"file", source.label}};
}

}  // namespace

ExitCode CSettingsCommands::Show(CCommandContext& context) {
  const CommandLine& line = context.Line();
  ExitCode exit = kExitDone;
  SettingsSource source;
  const bool loaded = line.arguments.empty() ? SettingsSource::FromRecorder(context, line.device, &source, &exit)
                                             : SettingsSource::FromFile(context, line.arguments[0], &source, &exit);
  CSettingsSnapshot snapshot;
  if (!loaded || !ReadSnapshot(context, source, &snapshot, &exit)) return exit;
  if (context.Console().Json()) {
    nlohmann::ordered_json document = SourceJson(source);
    nlohmann::ordered_json& settings = document["settings"] = nlohmann::ordered_json::object();
    for (const SettingEntry& entry : snapshot.Entries()) {
      if (Shown(entry)) settings[entry.key] = nlohmann::ordered_json(entry.value.ToJson());
    }
    context.Console().OrderedDocument(document);
    return kExitDone;
  }
  if (source.isRecorder) {
    context.Console().Line("# " + source.label + ", firmware " + source.recorder.firmware);
  } else {
    context.Console().Line("# " + source.label);
  }
  for (const SettingEntry& entry : snapshot.Entries()) {
    if (Shown(entry)) context.Console().Line(entry.key + " = " + entry.value.Display());
  }
  return kExitDone;
}

ExitCode CSettingsCommands::Export(CCommandContext& context) {
  ExitCode exit = kExitDone;
  SettingsSource source;
  if (!SettingsSource::FromRecorder(context, context.Line().device, &source, &exit)) return exit;
  const std::string& path = context.Line().arguments[0];
  const HRESULT hr = context.Session().Export(path, source.settings.Get());
  if (FAILED(hr)) return context.Console().Failure("exporting to " + path, hr);
  if (context.Console().Json()) {
    context.Console().Document({{"recorder", source.recorder.Json()}, {"exported", path}});
  } else {
    context.Console().Line(source.label + ": exported to " + path);
  }
  return kExitDone;
}

ExitCode CSettingsCommands::Import(CCommandContext& context) {
  ExitCode exit = kExitDone;
  SettingsSource file;
  ComPtr<IDPMDevice> device;
  if (!SettingsSource::FromFile(context, context.Line().arguments[0], &file, &exit)) return exit;
  if (!context.SelectedDevice(&device, &exit)) return exit;
  CSettingsApplier applier;
  if (HRESULT hr = applier.Load(file.settings.Get()); FAILED(hr)) return context.Console().Failure(file.label, hr);
  const ApplyReport report = applier.Apply(device.Get(), context.Line().device, false);
  // The summary names a refusal and its code: said once, on stdout with the rest of the report.
  if (context.Console().Json()) {
    context.Console().Document(report.Json());
  } else {
    context.Console().Line(report.Summary());
  }
  return CConsole::ExitFor(report.result);
}

ExitCode CSettingsCommands::Diff(CCommandContext& context) {
  ExitCode exit = kExitDone;
  SettingsSource a, b;
  CSettingsSnapshot snapshotA, snapshotB;
  if (!SettingsSource::FromArgument(context, context.Line().arguments[0], &a, &exit) ||
      !SettingsSource::FromArgument(context, context.Line().arguments[1], &b, &exit) ||
      !ReadSnapshot(context, a, &snapshotA, &exit) || !ReadSnapshot(context, b, &snapshotB, &exit)) {
    return exit;
  }
  const std::vector<SettingDifference> differences = CSettingsDiff::Compare(snapshotA, snapshotB);
  if (context.Console().Json()) {
    nlohmann::json list = nlohmann::json::array();
    for (const SettingDifference& difference : differences) list.push_back(CSettingsDiff::Json(difference, "a", "b"));
    context.Console().Document({{"a", SourceJson(a)}, {"b", SourceJson(b)}, {"equal", differences.empty()},
                                {"differences", list}});
  } else {
    for (const SettingDifference& difference : differences) context.Console().Line(CSettingsDiff::Line(difference));
  }
  return differences.empty() ? kExitDone : kExitDifference;
}

ExitCode CSettingsCommands::Set(CCommandContext& context) {
  std::vector<CSettingAssignment> assignments;
  for (const std::string& argument : context.Line().arguments) {
    std::string error;
    if (!CSettingAssignment::Parse(argument, &assignments.emplace_back(), &error)) {
      return context.Console().Usage(error);
    }
  }
  ExitCode exit = kExitDone;
  SettingsSource source;
  if (!SettingsSource::FromRecorder(context, context.Line().device, &source, &exit)) return exit;
  for (const CSettingAssignment& assignment : assignments) {
    const HRESULT hr = assignment.Put(source.settings.Get());
    if (FAILED(hr)) return context.Console().Failure(source.label + ": " + assignment.Text() + " refused, nothing committed", hr);
  }
  ComPtr<IDPMDevice> device;
  HRESULT hr = context.Session().Device(context.Line().device, &device);
  if (SUCCEEDED(hr)) hr = device->SetDeviceSettings(source.settings.Get());
  if (FAILED(hr)) return context.Console().Failure(source.label + ": committing", hr);
  if (context.Console().Json()) {
    nlohmann::json set = nlohmann::json::object();
    for (const CSettingAssignment& assignment : assignments) set[assignment.Key()] = assignment.Value().ToJson();
    context.Console().Document({{"recorder", source.recorder.Json()}, {"set", set}});
  } else {
    context.Console().Line(source.label + ": " + std::to_string(assignments.size()) + " setting(s) committed");
  }
  return kExitDone;
}
