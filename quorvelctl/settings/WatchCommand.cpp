// SPDX-License-Identifier: GPL-3.0-or-later
#include "quorvelctl/settings/WatchCommand.h"

#include <chrono>
#include <ctime>
#include <nlohmann/json.hpp>

#include "device/DpmEvents.h"
#include "device/DpmResults.h"
#include "platform/automation/Apartment.h"
#include "quorvelctl/session/DeviceEvents.h"
#include "quorvelctl/settings/SettingsSource.h"
#include "quorvelctl/cli/StopSignals.h"

namespace {

constexpr int kPumpMs = 200;

std::string UtcNow() {
  const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm parts{};
  gmtime_r(&now, &parts);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &parts);
  return text;
}

}  // namespace

ExitCode CWatchCommand::Run() {
  const CommandLine& line = m_context.Line();
  const CConsole& console = m_context.Console();
  if (!(line.given & kOptApply)) return console.Usage("watch needs --apply FILE");
  ExitCode exit = kExitDone;
  if (!LoadReference(&exit)) return exit;

  CDeviceEvents events;
  CControlSession& session = m_context.Session();
  if (HRESULT hr = events.Attach(session.Control()); FAILED(hr)) return console.Failure("watching events", hr);
  if (HRESULT hr = session.Start(); FAILED(hr)) return console.Failure("starting the device session", hr);
  CStopSignals stop;
  std::shared_ptr<ApartmentDispatcher> dispatcher = CoGetApartmentDispatcher();
  ApplyToAllConnected();
  while (!stop.Requested()) {
    dispatcher->PumpFor(kPumpMs);
    ReloadIfChanged();
    for (DeviceEvent event; events.Take(&event);) {
      if (event.id == DPMEventDeviceDisconnected) {
        ForgetDisconnected();
      } else {
        ApplyIfNew(event.device);
      }
    }
  }
  events.Detach();
  return kExitDone;
}

bool CWatchCommand::FileStamp::operator==(const FileStamp& other) const {
  return exists == other.exists && device == other.device && inode == other.inode && size == other.size &&
         modified.tv_sec == other.modified.tv_sec && modified.tv_nsec == other.modified.tv_nsec;
}

CWatchCommand::FileStamp CWatchCommand::StampOf(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return {};
  return {true, info.st_dev, info.st_ino, info.st_size, info.st_mtim};
}

bool CWatchCommand::LoadReference(ExitCode* exit) {
  const std::string& path = m_context.Line().applyFile;
  m_stamp = StampOf(path);
  SettingsSource file;
  if (!SettingsSource::FromFile(m_context, path, &file, exit)) return false;
  CSettingsApplier applier;
  if (HRESULT hr = applier.Load(file.settings.Get()); FAILED(hr)) {
    *exit = m_context.Console().Failure(file.label, hr);
    return false;
  }
  m_applier = std::move(applier);
  return true;
}

void CWatchCommand::ReloadIfChanged() {
  if (StampOf(m_context.Line().applyFile) == m_stamp) return;
  ExitCode exit = kExitDone;
  if (!LoadReference(&exit)) return;  // reported; the recorders keep what they have
  m_served.clear();
  ApplyToAllConnected();
}

void CWatchCommand::ApplyToAllConnected() {
  LONG count = 0;
  if (SUCCEEDED(m_context.Session().DeviceCount(&count))) {
    for (LONG index = 0; index < count; ++index) ApplyIfNew(index);
  }
}

void CWatchCommand::ApplyIfNew(LONG index) {
  ComPtr<IDPMDevice> device;
  RecorderInfo info;
  HRESULT hr = m_context.Session().Device(index, &device);
  if (SUCCEEDED(hr)) hr = RecorderInfo::Read(device.Get(), index, &info);
  if (FAILED(hr)) return;  // gone again before we got to it
  // A recorder without a MAC address is known by its place instead.
  const std::string identity = info.macAddress.empty() ? "#" + std::to_string(index) : info.macAddress;
  if (m_served.count(identity)) return;
  const ApplyReport report = m_applier.Apply(device.Get(), index, false);
  // A recorder that is not ready yet is served on its ready event.
  if (report.result == dpmCtrlDeviceNotReady) return;
  m_served.insert(identity);
  Log(report);
}

void CWatchCommand::ForgetDisconnected() {
  std::set<std::string> present;
  for (LONG index = 0;; ++index) {
    ComPtr<IDPMDevice> device;
    RecorderInfo info;
    if (FAILED(m_context.Session().Device(index, &device))) break;
    if (SUCCEEDED(RecorderInfo::Read(device.Get(), index, &info))) {
      present.insert(info.macAddress.empty() ? "#" + std::to_string(index) : info.macAddress);
    }
  }
  std::erase_if(m_served, [&](const std::string& mac) { return !present.count(mac); });
}

void CWatchCommand::Log(const ApplyReport& report) const {
  const CConsole& console = m_context.Console();
  if (console.Json()) {
    nlohmann::json line = report.Json();
    line["time"] = UtcNow();
    console.Document(line);
  } else {
    console.Line(UtcNow() + " " + report.Summary());  // a refusal with its code, said once
  }
}
