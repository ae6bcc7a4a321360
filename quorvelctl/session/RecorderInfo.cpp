// SPDX-License-Identifier: GPL-3.0-or-later
#include "quorvelctl/session/RecorderInfo.h"

#include <filesystem>
#include <nlohmann/json.hpp>

#include "device/IDPMCapabilities.h"
#include "platform/automation/ComPtr.h"
#include "quorvelctl/cli/TextCodec.h"

HRESULT RecorderInfo::Read(IDPMDevice* device, LONG index, RecorderInfo* out) {
  RecorderInfo info;
  info.index = index;
  ComPtr<IDPMCapabilities> capabilities;
  Bstr name, mac, firmware, drive;
  HRESULT hr = device->GetCapabilities(capabilities.ReleaseAndGetAddressOf());
  if (SUCCEEDED(hr)) hr = capabilities->get_Name(name.Receive());
  if (SUCCEEDED(hr)) hr = device->GetDeviceType(&info.type);
  if (SUCCEEDED(hr)) hr = device->GetMACAddress(mac.Receive());
  if (SUCCEEDED(hr)) hr = device->GetFirmwareVersion(firmware.Receive());
  if (SUCCEEDED(hr)) hr = device->GetDriveLetter(drive.Receive());
  if (FAILED(hr)) return hr;
  info.name = NameOfDrive(BstrToUtf8(drive.Get()));
  info.model = BstrToUtf8(name.Get());
  info.macAddress = BstrToUtf8(mac.Get());
  info.firmware = BstrToUtf8(firmware.Get());
  *out = std::move(info);
  return S_OK;
}

std::string RecorderInfo::Label() const {
  const std::string number = "recorder " + std::to_string(index);
  return model.empty() ? number : number + " (" + model + ", " + macAddress + ")";
}

std::string RecorderInfo::NameOfDrive(const std::string& drive) {
  std::filesystem::path path = std::filesystem::path(drive).lexically_normal();
  if (!path.has_filename()) path = path.parent_path();  // "desk/card/"
  if (path.filename() == "card") path = path.parent_path();
  return path.filename().string();
}

nlohmann::json RecorderInfo::Json() const {
  return {{"index", index}, {"name", name}, {"model", model}, {"deviceType", type}, {"macAddress", macAddress},
          {"firmware", firmware}};
}
