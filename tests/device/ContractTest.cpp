// SPDX-License-Identifier: GPL-3.0-or-later
// The contract headers compile together, and the ids and the event library are what a component built
// elsewhere expects.
#include <gtest/gtest.h>

#include <iterator>
#include <vector>

#include "device/DpmEvents.h"
#include "device/DpmIds.h"
#include "device/DpmResults.h"
#include "device/IDPMCapabilities.h"
#include "device/IDPMControl.h"
#include "device/IDPMDevice.h"
#include "device/IDPMDeviceSettings.h"
#include "device/IDPMFileInfo.h"
#include "device/IDPMFileList.h"
#include "device/IDPMRecordingProfile.h"

namespace {

TEST(Contract, IdsHaveTheirRegistryForms) {
  EXPECT_EQ(GuidToString(CLSID_DPMControl), "{6563FB62-676E-4057-87A1-F008E86F01B1}");
  EXPECT_EQ(GuidToString(IidOf<IDPMControl>()), "{7778813A-844F-4F9E-A003-0EBE554A5BAC}");
  EXPECT_EQ(GuidToString(DIID__DDPMControlEvents), "{7778813B-844F-4F9E-A003-0EBE554A5BAC}");
  EXPECT_EQ(GuidToString(LIBID_DPMCONTROLLib), "{FCE552F7-3879-486F-BC3F-E247F0215E7D}");
}

TEST(Contract, InterfaceIdsAreDistinct) {
  const IID ids[] = {IidOf<IDPMControl>(),        IidOf<IDPMDevice>(),   IidOf<IDPMDeviceSettings>(),
                     IidOf<IDPMRecordingProfile>(), IidOf<IDPMCapabilities>(), IidOf<IDPMFileInfo>(),
                     IidOf<IDPMFileList>(),       DIID__DDPMControlEvents, IidOf<IDispatch>(),
                     IidOf<IUnknown>()};
  for (std::size_t i = 0; i < std::size(ids); ++i)
    for (std::size_t j = i + 1; j < std::size(ids); ++j) EXPECT_FALSE(ids[i] == ids[j]) << i << " " << j;
}

TEST(Contract, FailureCodesSpanTheComponentRange) {
  EXPECT_EQ(static_cast<std::uint32_t>(dpmCtrlNotSupported), 0x800409FEu);
  EXPECT_EQ(static_cast<std::uint32_t>(dpmCtrlOperationCancelled), 0x80040A0Eu);
  EXPECT_EQ(static_cast<std::uint32_t>(dpmCtrlMaximumReached), 0x80040A17u);
  EXPECT_TRUE(FAILED(dpmCtrlNotSupported));
}

// The events as the component's callers know them: dispatch id, name and parameter types in order.
struct EventRow {
  DISPID id;
  const char* name;
  std::vector<VARTYPE> params;
};

const EventRow kEvents[] = {
    {1, "DPMEventDeviceConnected", {VT_I4}},
    {2, "DPMEventDeviceDisconnected", {VT_I4}},
    {3, "DPMEventProgress", {VT_BSTR, VT_I4, VT_I4}},
    {4, "DPMEventButton", {VT_I4, VT_I4}},
    {5, "DPMEventResult", {VT_I4, VT_I4}},
    {6, "DPMEventDeviceReady", {VT_I4}},
    {7, "DPMEventBarcodeScanned", {VT_I4}},
    {8, "DPMEventBarcodeStringScanned", {VT_I4, VT_BSTR}},
};

TEST(Contract, EventLibraryDescribesEveryEvent) {
  const TypeLibDescription lib = DpmControlTypeLib();
  EXPECT_TRUE(lib.libid == LIBID_DPMCONTROLLib);
  EXPECT_EQ(lib.major, 1);
  EXPECT_EQ(lib.minor, 0);
  ASSERT_EQ(lib.interfaces.size(), 1u);
  const InterfaceDescription& events = lib.interfaces[0];
  EXPECT_TRUE(events.iid == DIID__DDPMControlEvents);
  ASSERT_EQ(events.functions.size(), std::size(kEvents));
  for (std::size_t i = 0; i < std::size(kEvents); ++i) {
    const EventRow& expected = kEvents[i];
    const FunctionDescription& f = events.functions[i];
    SCOPED_TRACE(expected.name);
    EXPECT_EQ(f.dispid, expected.id);
    EXPECT_EQ(f.name, expected.name);
    EXPECT_EQ(DpmEventName(expected.id), expected.name);
    EXPECT_EQ(f.paramTypes, expected.params);
    EXPECT_EQ(f.callConv, CC_STDCALL);
    EXPECT_EQ(f.returnType, VT_I4);
  }
  EXPECT_TRUE(DpmEventName(0).empty());
  EXPECT_TRUE(DpmEventName(9).empty());
}

}  // namespace
