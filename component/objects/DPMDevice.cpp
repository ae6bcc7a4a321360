// SPDX-License-Identifier: GPL-3.0-or-later
#include "component/objects/DPMDevice.h"

#include <algorithm>
#include <ctime>
#include <sys/stat.h>

#include "component/files/DictationCompanion.h"
#include "component/files/DictationPaths.h"
#include "component/models/TextRules.h"
#include "component/objects/DPMCapabilities.h"
#include "component/objects/DPMDeviceSettings.h"
#include "component/recorders/FileAccess.h"
#include "device/DpmResults.h"
#include "platform/automation/CodePage.h"

namespace {

constexpr size_t kMaxImageBytes = 256 * 1024;

HRESULT NewText(const std::string& text, BSTR* out) {
  if (!out) return E_POINTER;
  *out = AnsiToBstr(text);
  return S_OK;
}

}  // namespace

HRESULT DPMDevice::CheckConnected() const {
  if (FAILED(m_link->status)) return m_link->status;
  struct stat st {};
  if (::stat((m_link->path + "/identity.json").c_str(), &st) != 0) return dpmCtrlNoDeviceConnected;
  return S_OK;
}

HRESULT DPMDevice::LoadState(RecorderState* state) const {
  if (HRESULT hr = CheckConnected(); FAILED(hr)) return hr;
  return Folder().LoadState(state);
}

HRESULT DPMDevice::LoadIdentity(RecorderIdentity* identity) const {
  if (HRESULT hr = CheckConnected(); FAILED(hr)) return hr;
  return FAILED(Folder().LoadIdentity(identity)) ? dpmCtrlReadDeviceConfiguration : S_OK;
}

HRESULT DPMDevice::GetDeviceSettings(IDPMDeviceSettings** settings) {
  if (!settings) return E_POINTER;
  *settings = nullptr;
  if (HRESULT hr = CheckConnected(); FAILED(hr)) return hr;
  auto holder = std::make_shared<SettingsHolder>(SettingsHolder{&Model(), {}});
  if (HRESULT hr = Folder().LoadSettings(Model(), &holder->settings); FAILED(hr)) return hr;
  RecorderIdentity identity;
  if (SUCCEEDED(Folder().LoadIdentity(&identity))) {
    holder->settings.macAddress.assign(identity.macAddress.begin(), identity.macAddress.end());
    holder->settings.firmwareVersion.assign(identity.firmwareVersion.begin(), identity.firmwareVersion.end());
  }
  ComPtr<DPMDeviceSettings> object = MakeComObject<DPMDeviceSettings>(m_moduleObjects, std::move(holder));
  if (!object) return E_OUTOFMEMORY;
  *settings = object.Detach();
  return S_OK;
}

HRESULT DPMDevice::SetDeviceSettings(IDPMDeviceSettings* settings) {
  if (!settings) return E_POINTER;
  std::shared_ptr<SettingsHolder> holder = HolderOf(settings);
  if (!holder) return E_INVALIDARG;  // not one of ours: nothing to read it from
  if (HRESULT hr = CheckConnected(); FAILED(hr)) return hr;
  if (holder->settings.deviceType != Model().type) return dpmCtrlNotSupported;
  RecorderSettings committed = holder->settings;
  RecorderIdentity identity;
  if (FAILED(Folder().LoadIdentity(&identity))) return dpmCtrlNoDeviceConnected;
  committed.macAddress.assign(identity.macAddress.begin(), identity.macAddress.end());
  committed.firmwareVersion.assign(identity.firmwareVersion.begin(), identity.firmwareVersion.end());
  if (HRESULT hr = ValidateSettings(Model(), committed); FAILED(hr)) return hr;
  if (m_link->checkCommitsOnly) return S_OK;
  return Folder().StoreSettings(committed);
}

HRESULT DPMDevice::GetCapabilities(IDPMCapabilities** capabilities) {
  if (!capabilities) return E_POINTER;
  *capabilities = nullptr;
  if (HRESULT hr = CheckConnected(); FAILED(hr)) return hr;
  ComPtr<DPMCapabilities> object = MakeComObject<DPMCapabilities>(m_moduleObjects, Model());
  if (!object) return E_OUTOFMEMORY;
  *capabilities = object.Detach();
  return S_OK;
}

HRESULT DPMDevice::GetDeviceType(LONG* type) {
  if (!type) return E_POINTER;
  if (HRESULT hr = CheckConnected(); FAILED(hr)) return hr;
  *type = Model().type;
  return S_OK;
}

HRESULT DPMDevice::SynchronizeDateTime() {
  if (HRESULT hr = CheckConnected(); FAILED(hr)) return hr;
  return Folder().UpdateState([](RecorderState& state) {
    state.clockOffsetSeconds = 0;  // the recorder now shows the computer's local time
    return S_OK;
  });
}

HRESULT DPMDevice::FormatCard() {
  if (HRESULT hr = CheckConnected(); FAILED(hr)) return hr;
  return Folder().FormatCard();
}

HRESULT DPMDevice::GetFreeDiskSpace(LONG* space) {
  if (!space) return E_POINTER;
  if (HRESULT hr = CheckConnected(); FAILED(hr)) return hr;
  std::vector<CardFile> files;
  if (HRESULT hr = Folder().ListCard(&files); FAILED(hr)) return hr;
  std::uint64_t usedKiB = 0;
  for (const CardFile& file : files) usedKiB += (file.bytes + 1023) / 1024;
  const std::uint64_t capacityKiB = static_cast<std::uint64_t>(Model().cardMiB) * 1024;
  *space = static_cast<LONG>(usedKiB >= capacityKiB ? 0 : capacityKiB - usedKiB);
  return S_OK;
}

HRESULT DPMDevice::GetIdentityText(std::string RecorderIdentity::*field, BSTR* text) const {
  if (!text) return E_POINTER;
  *text = nullptr;
  RecorderIdentity identity;
  if (HRESULT hr = LoadIdentity(&identity); FAILED(hr)) return hr;
  return NewText(identity.*field, text);
}

HRESULT DPMDevice::GetFirmwareVersion(BSTR* version) { return GetIdentityText(&RecorderIdentity::firmwareVersion, version); }

HRESULT DPMDevice::GetMACAddress(BSTR* address) { return GetIdentityText(&RecorderIdentity::macAddress, address); }

HRESULT DPMDevice::GetDriveLetter(BSTR* drive) {
  if (!drive) return E_POINTER;
  *drive = nullptr;
  if (HRESULT hr = CheckConnected(); FAILED(hr)) return hr;
  // UTF-8, as the file list and file operations read a path back; ANSI only for bytes that are not.
  const std::string card = Folder().CardPath();
  std::u16string path;
  if (!Utf16FromUtf8(card, &path)) path = AnsiToWide(card);
  *drive = SysAllocStringLen(path.data(), static_cast<UINT>(path.size()));
  return *drive ? S_OK : E_OUTOFMEMORY;
}

HRESULT DPMDevice::get_FileCount(LONG* count) {
  if (!count) return E_POINTER;
  if (HRESULT hr = CheckConnected(); FAILED(hr)) return hr;
  std::vector<CardFile> files;
  if (HRESULT hr = Folder().ListCard(&files); FAILED(hr)) return hr;
  // Dictations only: their companions and anything else on the card are not recordings.
  *count = static_cast<LONG>(std::count_if(files.begin(), files.end(),
                                           [](const CardFile& file) { return IsDictationFileName(file.name); }));
  return S_OK;
}

HRESULT DPMDevice::PutImage(BSTR path, bool welcome) {
  if (HRESULT hr = CheckConnected(); FAILED(hr)) return hr;
  if (Model().displayModes < 2) return dpmCtrlNotSupported;
  std::string image;
  if (HRESULT hr = ReadWholeFile(PathOf(path), kMaxImageBytes, &image); FAILED(hr)) return hr;
  if (image.size() < 54 || image[0] != 'B' || image[1] != 'M') return dpmCtrlInvalidFile;  // not a BMP
  const char* name = welcome ? "welcome.bmp" : "display.bmp";
  if (HRESULT hr = Folder().StoreFile(name, image); FAILED(hr))
    return hr == dpmCtrlDeviceNotReady ? hr : dpmCtrlWriteDeviceConfiguration;
  return Folder().UpdateState([&](RecorderState& state) {
    (welcome ? state.welcomeScreen : state.displayImage) = name;
    return S_OK;
  });
}

HRESULT DPMDevice::PutWelcomeScreen(BSTR path) { return PutImage(path, true); }

HRESULT DPMDevice::DisplayScreen(BSTR path) { return PutImage(path, false); }

HRESULT DPMDevice::SetLED(LONG led, LONG state) {
  if (HRESULT hr = CheckConnected(); FAILED(hr)) return hr;
  if (led < 0 || led > 1 || state < 0 || state > 3) return E_INVALIDARG;
  return Folder().UpdateState([&](RecorderState& current) {
    current.leds[static_cast<size_t>(led)] = state;
    return S_OK;
  });
}

HRESULT DPMDevice::GetLastButtonEvent(LONG* button) {
  if (!button) return E_POINTER;
  RecorderState state;
  if (HRESULT hr = LoadState(&state); FAILED(hr)) return hr;
  *button = state.lastButton;
  return S_OK;
}

HRESULT DPMDevice::GetOEMString(BSTR* text) { return GetIdentityText(&RecorderIdentity::oemString, text); }

HRESULT DPMDevice::GetBuildNumber(LONG* build) {
  if (!build) return E_POINTER;
  RecorderIdentity identity;
  if (HRESULT hr = LoadIdentity(&identity); FAILED(hr)) return hr;
  *build = identity.buildNumber;
  return S_OK;
}

HRESULT DPMDevice::DeleteDeviceFile(BSTR name) {
  if (HRESULT hr = CheckConnected(); FAILED(hr)) return hr;
  const std::string file = PathOf(name);
  if (HRESULT hr = Folder().DeleteCardFile(file); FAILED(hr)) return hr;
  // Its companion goes with it; a leftover one would describe the next file of that name.
  const std::string companion = NameOfPath(CompanionPathOf(file));
  if (HRESULT hr = Folder().DeleteCardFile(companion); FAILED(hr) && hr != dpmCtrlFileNotFound) return hr;
  return S_OK;
}
