// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/SpyObjects.h"

#include <algorithm>
#include <new>

#include "device/DpmIds.h"

namespace {

// Hands out a new spy object unless the call failed (then the out pointer is null).
template <class Spy, class I>
HRESULT MakeOut(const SpyRecorder& rec, HRESULT hr, I** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (FAILED(hr)) return hr;
  Spy* object = new (std::nothrow) Spy(rec.SharedState());
  if (!object) return E_OUTOFMEMORY;
  *out = object;
  return hr;
}

}  // namespace

HRESULT SpyDeviceSettings::get_RecordingProfile(LONG profile, IDPMRecordingProfile** value) {
  std::string line;
  return MakeOut<SpyRecordingProfile>(m_rec, m_rec.Record("get_RecordingProfile", {SpyArg(profile)}, &line),
                                      value);
}

HRESULT SpyDevice::GetDeviceSettings(IDPMDeviceSettings** settings) {
  std::string line;
  return MakeOut<SpyDeviceSettings>(m_rec, m_rec.Record("GetDeviceSettings", {}, &line), settings);
}

HRESULT SpyDevice::SetDeviceSettings(IDPMDeviceSettings* settings) {
  return m_rec.In("SetDeviceSettings", {SpyArg(m_rec.State(), settings)});
}

HRESULT SpyDevice::GetCapabilities(IDPMCapabilities** capabilities) {
  std::string line;
  return MakeOut<SpyCapabilities>(m_rec, m_rec.Record("GetCapabilities", {}, &line), capabilities);
}

HRESULT SpyDevice::GetBarcodeKeyboardLayout(LONG* layout, VARIANT* prefix, VARIANT* postfix) {
  std::string line;
  const HRESULT hr = m_rec.Record("GetBarcodeKeyboardLayout", {}, &line);
  if (!layout || !prefix || !postfix) return E_POINTER;
  m_rec.WriteOut(line, "GetBarcodeKeyboardLayout", hr, layout);
  m_rec.WriteOut(line + ".prefix", "GetBarcodeKeyboardLayout.prefix", hr, prefix);
  m_rec.WriteOut(line + ".postfix", "GetBarcodeKeyboardLayout.postfix", hr, postfix);
  return hr;
}

SpyControl::SpyControl(std::shared_ptr<SpyState> state) : SpyObject(std::move(state), "control") {
  m_events = MakeComObject<ConnectionPointImpl>(DIID__DDPMControlEvents,
                                                static_cast<IConnectionPointContainer*>(this));
  m_rec.State().controls.push_back(this);
}

SpyControl::~SpyControl() {
  if (m_events) m_events->DisconnectAll();
  auto& controls = m_rec.State().controls;
  controls.erase(std::remove(controls.begin(), controls.end(), this), controls.end());
}

HRESULT SpyControl::QueryInterface(REFIID iid, void** out) {
  if (out && iid == IidOf<IConnectionPointContainer>()) {
    *out = static_cast<IConnectionPointContainer*>(this);
    AddRef();
    return S_OK;
  }
  return SpyObject::QueryInterface(iid, out);
}

HRESULT SpyControl::FindConnectionPoint(REFIID iid, IConnectionPoint** point) {
  if (!point) return E_POINTER;
  *point = nullptr;
  if (iid != DIID__DDPMControlEvents || !m_events) return CONNECT_E_NOCONNECTION;
  *point = m_events.Get();
  m_events->AddRef();
  return S_OK;
}

std::vector<ComPtr<IDispatch>> SpyControl::Sinks() const {
  if (!m_events) return {};
  return m_events->SinksAs<IDispatch>();
}

HRESULT SpyControl::GetDevice(LONG index, IDPMDevice** device) {
  std::string line;
  return MakeOut<SpyDevice>(m_rec, m_rec.Record("GetDevice", {SpyArg(index)}, &line), device);
}

HRESULT SpyControl::ImportSettings(BSTR path, IDPMDeviceSettings** settings) {
  std::string line;
  return MakeOut<SpyDeviceSettings>(m_rec, m_rec.Record("ImportSettings", {SpyArg(path)}, &line), settings);
}

HRESULT SpyControl::ExportSettings(BSTR path, IDPMDeviceSettings* settings) {
  return m_rec.In("ExportSettings", {SpyArg(path), SpyArg(m_rec.State(), settings)});
}

HRESULT SpyControl::get_IDPMFileInfo(BSTR path, IDPMFileInfo** info) {
  std::string line;
  return MakeOut<SpyFileInfo>(m_rec, m_rec.Record("get_IDPMFileInfo", {SpyArg(path)}, &line), info);
}

HRESULT SpyControl::get_FileList(IDPMFileList** list) {
  std::string line;
  return MakeOut<SpyFileList>(m_rec, m_rec.Record("get_FileList", {}, &line), list);
}
