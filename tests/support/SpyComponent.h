// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A spy of the device-control component for window tests.
//
//   TempRegistry registry;                       // QUORVEL_REGISTRY -> a fresh folder
//   SpyComponent spy;                            // the one CoCreateInstance(CLSID_DPMControl) now serves
//   ASSERT_EQ(SpyComponent::RegisterClass(), S_OK);
//   spy.SetValue("get_KeywordUsageCount", 3);
//   spy.SetValue("get_KeywordUsageString(1)", "Author");
//   spy.SetResult("put_DeviceBeep", E_FAIL);    // or "put_DeviceBeep(-1)" for that argument only
//   ... run the window: its CoCreateInstance loads this module through the registry ...
//   EXPECT_EQ(spy.Calls(), (std::vector<std::string>{"Initialize(0)", "get_DeviceStatus()", ...}));
//   spy.Fire(DPMEventDeviceConnected, {0L});
//   ... close the window ...
//   EXPECT_EQ(spy.LiveObjects(), 0);  EXPECT_EQ(spy.OutstandingReferences(), 0);
//
// The call log has one line per call: the operation's name and its in-arguments, out-arguments left
// out ("GetDevice(0)", "put_KeywordContentString(2, 4, \"x\")", "SetDeviceSettings(settings#3)");
// SpyObject.h gives the form of each argument. Scripts are looked up by the whole line first, then
// by the name: a result (default S_OK), and a value for each out-argument (default 0, "" or a new spy
// object). Every call that hands out an interface makes a new spy object, labelled kind#n in order.
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "device/IDPMControl.h"
#include "platform/automation/ComPtr.h"
#include "tests/support/SpyState.h"

class SpyComponent {
 public:
  // An event argument: a number, a string (program text), or a null string.
  using EventArg = std::variant<LONG, std::string, SpyNull>;

  // Installs this spy as the one the module's class factory serves (the newest wins).
  SpyComponent();
  ~SpyComponent();
  SpyComponent(const SpyComponent&) = delete;
  SpyComponent& operator=(const SpyComponent&) = delete;

  // Registers this module under CLSID_DPMControl in the current registry folder, and the event
  // library DPMCONTROLLib 1.0 with it.
  static HRESULT RegisterClass();
  // Only the class entry: the event library stays as it is (for tests of a missing library).
  static HRESULT RegisterClassOnly();

  void SetResult(std::string_view key, HRESULT result);
  void SetValue(std::string_view key, LONG value);
  void SetValue(std::string_view key, std::string_view text);
  void SetValue(std::string_view key, SpyPairs pairs);
  void SetNullString(std::string_view key);

  const std::vector<std::string>& Calls() const { return m_state->calls; }
  // The calls whose line starts with `name` followed by "(".
  std::vector<std::string> CallsTo(std::string_view name) const;
  void ClearCalls() { m_state->calls.clear(); }

  // A control made directly, as the class factory makes it.
  ComPtr<IDPMControl> CreateControl();

  long LiveObjects() const { return m_state->liveObjects; }
  long OutstandingReferences() const { return m_state->outstandingReferences; }
  std::size_t SinkCount() const;

  // Invokes the event on every sink advised on every live control, arguments in declaration order
  // (they travel reversed, as on the platform). S_OK without sinks, else the first failure or the
  // last result.
  HRESULT Fire(DISPID id, std::initializer_list<EventArg> args);

 private:
  std::shared_ptr<SpyState> m_state;
};
