// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/EventSink.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "device/DpmEvents.h"
#include "device/DpmIds.h"
#include "device/DpmResults.h"
#include "device/IDPMDevice.h"
#include "device/ResultNames.h"
#include "platform/automation/Automation.h"
#include "tests/support/SpyComponent.h"
#include "tests/support/TempRegistry.h"

namespace {

// Records what the sink hands the main window, with the count as it stood at each line.
class FakeWindow : public IEventLogTarget {
 public:
  void LogEvent(const std::string& line) override {
    lines.push_back(line);
    countAtLine.push_back(sink ? sink->ConnectedDevices() : 0);
  }
  std::string GetResultName(HRESULT code) override { return ::GetResultName(code); }
  std::string GetButtonName(LONG button) override { return ::GetButtonName(button); }
  void RefreshFileLists() override { ++refreshes; }
  bool DispatchQueuedMessage() override {
    ++looks;
    if (queued == 0) return false;
    --queued;
    return true;
  }

  CEventSink* sink = nullptr;
  std::vector<std::string> lines;
  std::vector<LONG> countAtLine;
  int refreshes = 0;
  int looks = 0;
  int queued = 0;
};

class EventSinkTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(RegisterTypeLib(DpmControlTypeLib()), S_OK);
    window.sink = &sink;
  }

  TempRegistry registry;
  FakeWindow window;
  CEventSink sink{&window};
};

// Events reach the sink through a spy control, as the component delivers them.
class AttachedSinkTest : public EventSinkTest {
 protected:
  void SetUp() override {
    EventSinkTest::SetUp();
    control = spy.CreateControl();
    ASSERT_EQ(sink.Attach(control.Get()), S_OK);
  }
  void TearDown() override {
    if (sink.Cookie() != CEventSink::kUnattachedCookie) {
      EXPECT_EQ(sink.Detach(control.Get()), S_OK);
    }
  }

  SpyComponent spy;
  ComPtr<IDPMControl> control;
};

TEST_F(AttachedSinkTest, ConnectAndDisconnectCountBeforeTheLineIsLogged) {
  spy.Fire(DPMEventDeviceConnected, {0});
  spy.Fire(DPMEventDeviceConnected, {1});
  spy.Fire(DPMEventDeviceDisconnected, {1});
  spy.Fire(DPMEventDeviceDisconnected, {0});
  EXPECT_EQ(window.lines, (std::vector<std::string>{"DPMEventDeviceConnected(0)", "DPMEventDeviceConnected(1)",
                                                     "DPMEventDeviceDisconnected(1)",
                                                     "DPMEventDeviceDisconnected(0)"}));
  EXPECT_EQ(window.countAtLine, (std::vector<LONG>{1, 2, 1, 0}));
}

TEST_F(AttachedSinkTest, DisconnectWithoutConnectGoesNegative) {
  spy.Fire(DPMEventDeviceDisconnected, {-3});
  EXPECT_EQ(sink.ConnectedDevices(), -1);
  EXPECT_EQ(window.lines, std::vector<std::string>{"DPMEventDeviceDisconnected(-3)"});
}

TEST_F(AttachedSinkTest, ResultEventRaisesTheCount) {
  spy.Fire(DPMEventDeviceConnected, {0});
  spy.Fire(DPMEventDeviceDisconnected, {0});
  spy.Fire(DPMEventResult, {2, static_cast<LONG>(dpmCtrlNoDeviceConnected)});
  spy.Fire(DPMEventResult, {2, static_cast<LONG>(HresultOf(0x80040A00))});
  EXPECT_EQ(window.countAtLine, (std::vector<LONG>{1, 0, 1, 2}));
  EXPECT_EQ(window.lines[2], "[2] NoDeviceConnected");
  EXPECT_EQ(window.lines[3], "[2] -2147218944 (Unknown)");
}

TEST_F(AttachedSinkTest, OtherEventsLeaveTheCountButAreStillLogged) {
  spy.Fire(DPMEventDeviceConnected, {0});
  spy.Fire(DPMEventDeviceReady, {0});
  spy.Fire(DPMEventBarcodeScanned, {4});
  spy.Fire(DPMEventBarcodeStringScanned, {4, std::string("4711")});
  spy.Fire(DPMEventProgress, {std::string("copy"), 5, 6});
  spy.Fire(DPMEventButton, {1, 0});
  EXPECT_EQ(window.lines, (std::vector<std::string>{"DPMEventDeviceConnected(0)", "DPMEventDeviceReady(0)",
                                                     "[4] DPMEventBarcodeScanned",
                                                     "[4] DPMEventBarcodeStringScanned: 4711",
                                                     "DPMEventProgress(copy, 5, 6)", "[1] dpmStopPressed"}));
  EXPECT_EQ(window.countAtLine, (std::vector<LONG>{1, 1, 1, 1, 1, 1}));
}

TEST_F(AttachedSinkTest, ButtonNamesAndCodesOutsideTheTable) {
  spy.Fire(DPMEventButton, {7, 21});
  spy.Fire(DPMEventButton, {7, 30});
  spy.Fire(DPMEventButton, {7, -1});
  EXPECT_EQ(window.lines, (std::vector<std::string>{"[7] dpmJogDialReleased", "[7] ", "[7] "}));
}

TEST_F(AttachedSinkTest, ProgressAtOneHundredRefreshesTheFileLists) {
  struct Row {
    LONG a;
    int refreshes;
  };
  for (Row row : {Row{99, 0}, Row{100, 1}, Row{101, 0}}) {
    window.refreshes = 0;
    window.looks = 0;
    spy.Fire(DPMEventProgress, {std::string("t"), row.a, 0});
    EXPECT_EQ(window.refreshes, row.refreshes) << row.a;
    // Every progress event looks at the queue exactly 50 times, found or not.
    EXPECT_EQ(window.looks, 50) << row.a;
  }
}

TEST_F(AttachedSinkTest, NullStringsPrintAsNull) {
  spy.Fire(DPMEventProgress, {SpyNull{}, 1, 2});
  spy.Fire(DPMEventBarcodeStringScanned, {3, SpyNull{}});
  spy.Fire(DPMEventBarcodeStringScanned, {3, std::string()});
  EXPECT_EQ(window.lines, (std::vector<std::string>{"DPMEventProgress((null), 1, 2)",
                                                     "[3] DPMEventBarcodeStringScanned: (null)",
                                                     "[3] DPMEventBarcodeStringScanned: "}));
}

TEST_F(AttachedSinkTest, TextsArriveInTheProgramsCodePage) {
  spy.Fire(DPMEventBarcodeStringScanned, {1, std::string("caf\xE9")});
  EXPECT_EQ(window.lines, std::vector<std::string>{"[1] DPMEventBarcodeStringScanned: caf\xE9"});
}

TEST_F(AttachedSinkTest, UnknownDispatchIdsAreIgnored) {
  for (DISPID id : {0, 9, -1, 1000}) EXPECT_EQ(spy.Fire(id, {1}), S_OK) << id;
  EXPECT_TRUE(window.lines.empty());
}

TEST_F(AttachedSinkTest, DetachStopsTheEvents) {
  EXPECT_NE(sink.Cookie(), CEventSink::kUnattachedCookie);
  EXPECT_EQ(spy.SinkCount(), 1u);
  EXPECT_EQ(sink.Detach(control.Get()), S_OK);
  EXPECT_EQ(sink.Cookie(), CEventSink::kUnattachedCookie);
  EXPECT_EQ(spy.SinkCount(), 0u);
  spy.Fire(DPMEventDeviceConnected, {0});
  EXPECT_TRUE(window.lines.empty());
  EXPECT_EQ(sink.Detach(control.Get()), CONNECT_E_NOCONNECTION);
}

TEST_F(AttachedSinkTest, SecondAttachIsRefused) {
  EXPECT_EQ(sink.Attach(control.Get()), E_UNEXPECTED);
  EXPECT_EQ(spy.SinkCount(), 1u);
}

TEST_F(EventSinkTest, StartsUnattachedAndRefusesANullControl) {
  EXPECT_EQ(sink.Cookie(), 0xFEFEFEFEu);
  EXPECT_EQ(sink.ConnectedDevices(), 0);
  EXPECT_EQ(sink.Attach(nullptr), E_POINTER);
  EXPECT_EQ(sink.Cookie(), 0xFEFEFEFEu);
}

TEST_F(EventSinkTest, AttachFailsOnAnObjectWithoutConnectionPoints) {
  SpyComponent spy;
  ComPtr<IDPMControl> control = spy.CreateControl();
  ComPtr<IDPMDevice> device;
  ASSERT_EQ(control->GetDevice(0, device.ReleaseAndGetAddressOf()), S_OK);
  EXPECT_EQ(sink.Attach(device.Get()), E_NOINTERFACE);
  EXPECT_EQ(sink.Cookie(), CEventSink::kUnattachedCookie);
}

TEST_F(EventSinkTest, AnswersItsOwnInterfacesOnly) {
  for (const IID& iid : {IidOf<IUnknown>(), IidOf<IDispatch>(), DIID__DDPMControlEvents}) {
    void* out = nullptr;
    EXPECT_EQ(sink.QueryInterface(iid, &out), S_OK);
    EXPECT_EQ(out, static_cast<IDispatch*>(&sink));
  }
  for (const IID& iid : {GUID_NULL, IID_IDPMControl, IidOf<IConnectionPointContainer>()}) {
    void* out = &sink;
    EXPECT_EQ(sink.QueryInterface(iid, &out), E_NOINTERFACE);
    EXPECT_EQ(out, nullptr);
  }
  EXPECT_EQ(sink.QueryInterface(IidOf<IDispatch>(), nullptr), E_POINTER);
  EXPECT_EQ(sink.AddRef(), 1u);
  EXPECT_EQ(sink.Release(), 1u);
  EXPECT_EQ(sink.Release(), 1u);
}

TEST_F(EventSinkTest, TypeInformationComesFromTheLibrary) {
  UINT count = 0;
  EXPECT_EQ(sink.GetTypeInfoCount(&count), S_OK);
  EXPECT_EQ(count, 1u);
  ComPtr<ITypeInfo> info;
  ASSERT_EQ(sink.GetTypeInfo(0, 0, info.ReleaseAndGetAddressOf()), S_OK);
  FunctionDescription progress;
  ASSERT_EQ(info->GetFunction(DPMEventProgress, &progress), S_OK);
  EXPECT_EQ(progress.name, "DPMEventProgress");
  EXPECT_EQ(sink.GetTypeInfo(1, 0, info.ReleaseAndGetAddressOf()), DISP_E_BADINDEX);

  OLECHAR name[] = u"DPMEventButton";
  LPOLESTR names[] = {name};
  DISPID id = 0;
  EXPECT_EQ(sink.GetIDsOfNames(GUID_NULL, names, 1, 0, &id), S_OK);
  EXPECT_EQ(id, DPMEventButton);
}

// Calls Invoke by hand with the arguments already in platform (reversed) order.
HRESULT InvokeReversed(CEventSink& sink, DISPID id, std::vector<VARIANT> reversed, VARIANT* result = nullptr,
                       UINT* argError = nullptr) {
  DISPPARAMS params{reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
  HRESULT hr = sink.Invoke(id, GUID_NULL, 0, DISPATCH_METHOD, &params, result, nullptr, argError);
  for (VARIANT& v : reversed) VariantClear(&v);
  return hr;
}

VARIANT Long(LONG n) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_I4;
  v.lVal = n;
  return v;
}

VARIANT Text(const char* text) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_BSTR;
  v.bstrVal = AnsiToBstr(text);
  return v;
}

TEST_F(EventSinkTest, ArgumentsAreCoercedToTheDeclaredTypes) {
  VARIANT shortDevice;
  VariantInit(&shortDevice);
  shortDevice.vt = VT_I2;
  shortDevice.iVal = 5;
  // The code comes last in the declaration, so first in rgvarg.
  EXPECT_EQ(InvokeReversed(sink, DPMEventBarcodeStringScanned, {Long(1234), shortDevice}), S_OK);
  EXPECT_EQ(InvokeReversed(sink, DPMEventDeviceConnected, {Text("12")}), S_OK);
  EXPECT_EQ(window.lines, (std::vector<std::string>{"[5] DPMEventBarcodeStringScanned: 1234",
                                                     "DPMEventDeviceConnected(12)"}));
}

TEST_F(EventSinkTest, BadArgumentsAreRefusedWithoutALine) {
  UINT argError = 99;
  EXPECT_EQ(InvokeReversed(sink, DPMEventProgress, {Long(2), Text("x"), Text("t")}, nullptr, &argError),
            DISP_E_TYPEMISMATCH);
  EXPECT_EQ(argError, 1u);
  EXPECT_EQ(InvokeReversed(sink, DPMEventDeviceConnected, {}), DISP_E_BADPARAMCOUNT);
  EXPECT_EQ(InvokeReversed(sink, DPMEventButton, {Long(1), Long(2), Long(3)}), DISP_E_BADPARAMCOUNT);
  EXPECT_EQ(sink.Invoke(DPMEventDeviceReady, GUID_NULL, 0, DISPATCH_METHOD, nullptr, nullptr, nullptr, nullptr),
            DISP_E_BADPARAMCOUNT);
  EXPECT_TRUE(window.lines.empty());
  EXPECT_EQ(sink.ConnectedDevices(), 0);
}

TEST_F(EventSinkTest, HandlersAnswerZeroWhenAResultIsAsked) {
  VARIANT result = Text("stale");
  EXPECT_EQ(InvokeReversed(sink, DPMEventDeviceReady, {Long(0)}, &result), S_OK);
  EXPECT_EQ(result.vt, VT_I4);
  EXPECT_EQ(result.lVal, 0);
}

TEST(EventSinkWithoutLibrary, OnlyTheButtonEventIsLogged) {
  TempRegistry registry;  // empty: the component's library is not registered
  FakeWindow window;
  CEventSink sink{&window};
  SpyComponent spy;
  ComPtr<IDPMControl> control = spy.CreateControl();
  ASSERT_EQ(sink.Attach(control.Get()), S_OK);
  EXPECT_EQ(spy.Fire(DPMEventDeviceConnected, {0}), S_OK);
  EXPECT_EQ(spy.Fire(DPMEventProgress, {std::string("t"), 100, 0}), S_OK);
  EXPECT_EQ(spy.Fire(DPMEventButton, {3, 2}), S_OK);
  EXPECT_EQ(spy.Fire(DPMEventResult, {3, 0}), S_OK);
  EXPECT_EQ(spy.Fire(DPMEventBarcodeStringScanned, {3, std::string("x")}), S_OK);
  EXPECT_EQ(window.lines, std::vector<std::string>{"[3] dpmPlayPressed"});
  EXPECT_EQ(window.refreshes, 0);
  EXPECT_EQ(sink.ConnectedDevices(), 0);
  ComPtr<ITypeInfo> info;
  EXPECT_EQ(sink.GetTypeInfo(0, 0, info.ReleaseAndGetAddressOf()), TYPE_E_LIBNOTREGISTERED);
  EXPECT_EQ(sink.Detach(control.Get()), S_OK);
}

}  // namespace
