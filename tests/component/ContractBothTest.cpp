// SPDX-License-Identifier: GPL-3.0-or-later
// The cases of the device contract that hold for every implementation, run against the real module
// and against the spy the window tests use, so the spy cannot drift from what the module does.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "device/DpmIds.h"
#include "device/IDPMControl.h"
#include "device/IDPMDevice.h"
#include "device/IDPMDeviceSettings.h"
#include "platform/automation/Automation.h"
#include "tests/component/ComponentFixture.h"
#include "tests/support/SpyComponent.h"
#include "tests/support/RealModule.h"
#include "tests/support/TempRegistry.h"

namespace {

// What serves CLSID_DPMControl through the registry, and how to tell it has nothing left alive.
class Backend {
 public:
  virtual ~Backend() = default;
  virtual HRESULT Register() = 0;
  virtual long LiveObjects() const = 0;
};

class ModuleBackend : public Backend {
 public:
  HRESULT Register() override { return RealModule::RegisterModule(); }
  long LiveObjects() const override { return RealModule::LiveObjects(); }

 private:
  RealModule m_module;  // its registry and recorders, for as long as the backend serves
};

class Spy : public Backend {
 public:
  HRESULT Register() override {
    // The spy answers what it is told; the module keeps what it is given.
    m_spy.SetValue("get_DeviceBeep", VARIANT_TRUE);
    return SpyComponent::RegisterClass();
  }
  long LiveObjects() const override { return m_spy.OutstandingReferences() == 0 ? m_spy.LiveObjects() : -1; }

 private:
  SpyComponent m_spy;
};

struct BackendKind {
  const char* name;
  std::unique_ptr<Backend> (*make)();
};

class ContractBoth : public testing::TestWithParam<BackendKind> {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    m_backend = GetParam().make();
    ASSERT_EQ(m_backend->Register(), S_OK);
    ASSERT_EQ(CoCreateInstance(CLSID_DPMControl, nullptr, CLSCTX_ALL, IID_IDPMControl,
                               control.ReleaseAndGetVoidAddress()),
              S_OK);
    ASSERT_TRUE(control);
  }

  void TearDown() override {
    control = nullptr;
    CoGetApartmentDispatcher()->Pump();
    if (m_backend) {
      EXPECT_EQ(m_backend->LiveObjects(), 0) << "objects or references left over";
    }
    m_backend.reset();
    CoUninitialize();
  }

  ComPtr<IConnectionPoint> EventPoint() {
    ComPtr<IConnectionPointContainer> container;
    EXPECT_EQ(control.As(&container), S_OK);
    ComPtr<IConnectionPoint> point;
    if (container) {
      EXPECT_EQ(container->FindConnectionPoint(DIID__DDPMControlEvents, point.ReleaseAndGetAddressOf()), S_OK);
    }
    return point;
  }

  ComPtr<IDPMDeviceSettings> FirstDeviceSettings() {
    EXPECT_EQ(control->Initialize(0), S_OK);
    ComPtr<IDPMDevice> device;
    EXPECT_EQ(control->GetDevice(0, device.ReleaseAndGetAddressOf()), S_OK);
    ComPtr<IDPMDeviceSettings> settings;
    if (device) {
      EXPECT_EQ(device->GetDeviceSettings(settings.ReleaseAndGetAddressOf()), S_OK);
    }
    return settings;
  }

  TempRegistry registry;
  ComPtr<IDPMControl> control;

 private:
  std::unique_ptr<Backend> m_backend;
};

TEST_P(ContractBoth, OffersTheEventConnectionPoint) {
  ComPtr<IConnectionPoint> point = EventPoint();
  ASSERT_TRUE(point);
  IID iid{};
  EXPECT_EQ(point->GetConnectionInterface(&iid), S_OK);
  EXPECT_EQ(iid, DIID__DDPMControlEvents);
}

TEST_P(ContractBoth, AdviseGivesACookieAndOnlyThatCookieUnadvises) {
  ComPtr<IConnectionPoint> point = EventPoint();
  ASSERT_TRUE(point);
  EventRecorder sink;
  DWORD cookie = 0;
  ASSERT_EQ(point->Advise(&sink, &cookie), S_OK);
  EXPECT_NE(cookie, 0u);
  EXPECT_GT(sink.m_references, 0u) << "the point holds the sink";
  EXPECT_EQ(point->Unadvise(cookie + 1), CONNECT_E_NOCONNECTION);
  EXPECT_EQ(point->Unadvise(cookie), S_OK);
  EXPECT_EQ(point->Unadvise(cookie), CONNECT_E_NOCONNECTION) << "a cookie works once";
  EXPECT_EQ(sink.m_references, 0u);
}

TEST_P(ContractBoth, UnknownInterfaceIsRefusedWithANullOut) {
  const IID unknown{0x12345678, 0x1234, 0x1234, {1, 2, 3, 4, 5, 6, 7, 8}};
  void* out = reinterpret_cast<void*>(&registry);
  EXPECT_EQ(control->QueryInterface(unknown, &out), E_NOINTERFACE);
  EXPECT_EQ(out, nullptr);
  ComPtr<IDPMDevice> notADevice;
  EXPECT_EQ(control.As(&notADevice), E_NOINTERFACE);
}

TEST_P(ContractBoth, InitializedControlGivesTheFirstDeviceAndItsSettings) {
  ComPtr<IDPMDeviceSettings> settings = FirstDeviceSettings();
  EXPECT_TRUE(settings);
}

TEST_P(ContractBoth, DeviceBeepReadsBackWhatWasPut) {
  ComPtr<IDPMDeviceSettings> settings = FirstDeviceSettings();
  ASSERT_TRUE(settings);
  ASSERT_EQ(settings->put_DeviceBeep(VARIANT_TRUE), S_OK);
  VARIANT_BOOL beep = VARIANT_FALSE;
  EXPECT_EQ(settings->get_DeviceBeep(&beep), S_OK);
  EXPECT_EQ(beep, VARIANT_TRUE);
}

INSTANTIATE_TEST_SUITE_P(
    Backends, ContractBoth,
    testing::Values(BackendKind{"real", [] { return std::unique_ptr<Backend>(new ModuleBackend); }},
                    BackendKind{"spy", [] { return std::unique_ptr<Backend>(new Spy); }}),
    [](const testing::TestParamInfo<BackendKind>& info) { return std::string(info.param.name); });

}  // namespace
