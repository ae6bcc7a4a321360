#include "quorvelctl/RecorderInfo.h"

#include <nlohmann/json.hpp>

#include "device/IDPMCapabilities.h"
#include "platform/automation/ComPtr.h"
#include "quorvelctl/TextCodec.h"

HRESULT RecorderInfo::Read(IDPMDevice* device, LONG index, RecorderInfo* out) {
  RecorderInfo info;
  info.index = index;
  ComPtr<IDPMCapabilities> capabilities;
  Bstr name, mac, firmware;
  HRESULT hr = device->GetCapabilities(capabilities.ReleaseAndGetAddressOf());
  if (SUCCEEDED(hr)) hr = capabilities->get_Name(name.Receive());
  if (SUCCEEDED(hr)) hr = device->GetDeviceType(&info.type);
  if (SUCCEEDED(hr)) hr = device->GetMACAddress(mac.Receive());
  if (SUCCEEDED(hr)) hr = device->GetFirmwareVersion(firmware.Receive());
  if (FAILED(hr)) return hr;
  info.model = BstrToUtf8(name.Get());
  info.macAddress = BstrToUtf8(mac.Get());
  info.firmware = BstrToUtf8(firmware.Get());
  *out = std::move(info);
  return S_OK;
}

std::string RecorderInfo::Label() const {
  return "recorder " + std::to_string(index) + " (" + model + ", " + macAddress + ")";
}

nlohmann::json RecorderInfo::Json() const {
  return {{"index", index}, {"model", model}, {"deviceType", type}, {"macAddress", macAddress},
          {"firmware", firmware}};
}
