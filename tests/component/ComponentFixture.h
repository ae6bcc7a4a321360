// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The real DPMCtrl module, registered in a registry of the test's own and loaded with
// CoCreateInstance, over a recorders folder of the test's own. Events are recorded by a sink and
// arrive only when the test pumps the apartment. Every test ends by proving the module has no live
// object left.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "component/recorders/RecorderFolder.h"
#include "component/recorders/RecordersRoot.h"
#include "device/DpmIds.h"
#include "device/DpmResults.h"
#include "device/IDPMCapabilities.h"
#include "device/IDPMControl.h"
#include "device/IDPMDevice.h"
#include "device/IDPMDeviceSettings.h"
#include "device/IDPMFileInfo.h"
#include "device/IDPMRecordingProfile.h"
#include "platform/automation/Automation.h"
#include "tests/component/TempFolder.h"
#include "tests/support/RealModule.h"

struct RecordedEvent {
  DISPID id;
  std::vector<LONG> numbers;
  std::vector<std::string> texts;
};

// A _DDPMControlEvents sink that writes down what it is told.
class EventRecorder : public IDispatch {
 public:
  HRESULT QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (iid != IidOf<IUnknown>() && iid != IidOf<IDispatch>() && iid != DIID__DDPMControlEvents) return E_NOINTERFACE;
    *out = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
  }
  ULONG AddRef() override { return ++m_references; }
  ULONG Release() override { return --m_references; }  // lives on the fixture's stack
  HRESULT GetTypeInfoCount(UINT* count) override { *count = 0; return S_OK; }
  HRESULT GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  HRESULT Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*, UINT*) override {
    RecordedEvent event{id, {}, {}};
    for (UINT i = params->cArgs; i-- > 0;) {  // arguments arrive last first
      const VARIANT& v = params->rgvarg[i];
      if (v.vt == VT_I4) event.numbers.push_back(v.lVal);
      if (v.vt == VT_BSTR) event.texts.push_back(BstrToAnsi(v.bstrVal));
    }
    events.push_back(event);
    return S_OK;
  }

  std::vector<RecordedEvent> events;
  ULONG m_references = 0;
};

class ComponentTest : public ::testing::Test, protected RealModule {
 protected:
  void SetUp() override {
    ASSERT_TRUE(std::filesystem::exists(ModulePath())) << ModulePath();
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    ASSERT_EQ(RegisterModule(), S_OK);
    ASSERT_EQ(CoCreateInstance(CLSID_DPMControl, nullptr, CLSCTX_ALL, IID_IDPMControl,
                               reinterpret_cast<void**>(control.ReleaseAndGetAddressOf())),
              S_OK);
    ComPtr<IConnectionPointContainer> container;
    ASSERT_EQ(control.As(&container), S_OK);
    ASSERT_EQ(container->FindConnectionPoint(DIID__DDPMControlEvents, m_point.ReleaseAndGetAddressOf()), S_OK);
    ASSERT_EQ(m_point->Advise(&sink, &m_cookie), S_OK);
  }

  void TearDown() override {
    if (m_point) m_point->Unadvise(m_cookie);
    m_point = nullptr;
    control = nullptr;
    auto clearFaults = Hook<void (*)()>("DPMCtrlClearFaults");
    if (clearFaults) {
      clearFaults();
      EXPECT_EQ(LiveObjects(), 0) << "the module still has live objects";
    }
    EXPECT_EQ(sink.m_references, 0u);
    CoUninitialize();
  }

  void InjectFault(const char* step, int error) {
    auto inject = Hook<void (*)(const char*, int, int)>("DPMCtrlInjectFault");
    ASSERT_NE(inject, nullptr);
    inject(step, error, 0);
  }

  size_t Pump() { return CoGetApartmentDispatcher()->Pump(); }
  // Pumps until `count` events have arrived or a generous time has passed (no timing is asserted).
  bool PumpUntilEvents(size_t count) {
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (sink.events.size() < count && std::chrono::steady_clock::now() < giveUp)
      CoGetApartmentDispatcher()->PumpFor(20);
    return sink.events.size() >= count;
  }

  ComPtr<IDPMDevice> Device(LONG index = 0) {
    ComPtr<IDPMDevice> device;
    EXPECT_EQ(control->GetDevice(index, device.ReleaseAndGetAddressOf()), S_OK);
    return device;
  }
  ComPtr<IDPMDeviceSettings> SettingsOf(IDPMDevice* device) {
    ComPtr<IDPMDeviceSettings> settings;
    EXPECT_EQ(device->GetDeviceSettings(settings.ReleaseAndGetAddressOf()), S_OK);
    return settings;
  }
  // The one recorder folder of a session started on an empty recorders folder.
  std::string OnlyRecorder() const {
    std::vector<std::string> present = PresentRecorderFolders(Recorders());
    return present.size() == 1 ? present[0] : std::string();
  }

  ComPtr<IDPMControl> control;
  EventRecorder sink;
  TempFolder scratch;  // files the test hands to the component

 private:
  ComPtr<IConnectionPoint> m_point;
  DWORD m_cookie = 0;
};

inline Bstr Text(const char* text) { return Bstr(AnsiToBstr(text)); }
