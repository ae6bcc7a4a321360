// SPDX-License-Identifier: GPL-3.0-or-later
#include "quorvelctl/settings/SettingsApplier.h"

#include <nlohmann/json.hpp>

#include "quorvelctl/cli/ResultText.h"

namespace {
constexpr const char* kWriteStep = "writing the settings";
}  // namespace

bool ApplyReport::Refused() const { return FAILED(result) && failedStep == kWriteStep; }

HRESULT CSettingsApplier::Load(IDPMDeviceSettings* reference) {
  std::string failedKey;
  m_reference = reference;
  return CSettingsSnapshot::Read(reference, &m_snapshot, &failedKey);
}

ApplyReport CSettingsApplier::Apply(IDPMDevice* device, LONG index, bool dryRun) const {
  ApplyReport report;
  report.dryRun = dryRun;
  report.changesJson = nlohmann::json::array();
  report.result = RecorderInfo::Read(device, index, &report.recorder);
  if (FAILED(report.result)) {
    report.recorder.index = index;
    report.failedStep = "reading the recorder";
    return report;
  }
  ComPtr<IDPMDeviceSettings> current;
  CSettingsSnapshot snapshot;
  report.result = device->GetDeviceSettings(current.ReleaseAndGetAddressOf());
  if (SUCCEEDED(report.result)) report.result = CSettingsSnapshot::Read(current.Get(), &snapshot, &report.failedStep);
  if (FAILED(report.result)) {
    report.failedStep = "reading settings " + report.failedStep;
    return report;
  }
  for (const SettingDifference& difference : CSettingsDiff::Compare(snapshot, m_snapshot)) {
    report.changes.push_back(CSettingsDiff::Line(difference));
    report.changesJson.push_back(CSettingsDiff::Json(difference, "recorder", "file"));
  }
  // In a dry run the session's component checks the commit and stores nothing.
  report.result = device->SetDeviceSettings(m_reference.Get());
  if (FAILED(report.result)) report.failedStep = kWriteStep;
  return report;
}

std::string ApplyReport::Summary() const {
  const std::string count = std::to_string(changes.size()) + " setting(s)";
  if (FAILED(result)) {
    const std::string why = " (" + failedStep + ": " + CResultText::Of(result) + ")";
    if (dryRun) return recorder.Label() + (Refused() ? ": would be refused" : ": would fail") + why;
    return recorder.Label() + (Refused() ? ": refused" : ": failed") + why + ", nothing changed";
  }
  if (dryRun) return recorder.Label() + ": would change " + count;
  return recorder.Label() + (changes.empty() ? ": unchanged" : ": updated, " + count + " changed");
}

nlohmann::json ApplyReport::Json() const {
  const char* status = FAILED(result) ? (Refused() ? "refused" : "failed") : dryRun ? "dry-run" : changes.empty() ? "unchanged" : "updated";
  nlohmann::json json{{"recorder", recorder.Json()}, {"status", status}, {"changes", changesJson}};
  if (FAILED(result)) json["result"] = CResultText::Of(result);
  return json;
}
