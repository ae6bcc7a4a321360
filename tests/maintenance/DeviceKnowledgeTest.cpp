// SPDX-License-Identifier: GPL-3.0-or-later
// Device type names, the DPM4 test, the capabilities report and the barcode pair lists.
#include <gtest/gtest.h>

#include <array>

#include "device/IDPMDevice.h"
#include "maintenance/BarcodePairList.h"
#include "maintenance/CapabilitiesReport.h"
#include "maintenance/DeviceTypes.h"
#include "platform/automation/SafeArray.h"
#include "tests/support/SpyComponent.h"

namespace {

struct TypeCase {
  LONG id;
  const char* name;
  bool dpm4;
};

class DeviceType : public testing::TestWithParam<TypeCase> {};

TEST_P(DeviceType, HasItsNameAndFamily) {
  EXPECT_EQ(DeviceTypeName(GetParam().id), GetParam().name);
  EXPECT_EQ(IsDpm4Recorder(GetParam().id), GetParam().dpm4);
}

INSTANTIATE_TEST_SUITE_P(
    Ids, DeviceType,
    testing::Values(TypeCase{0, "DPM_9350_00", false}, TypeCase{8, "DPM_9450_52", false},
                    TypeCase{9, "Unknown ???", false}, TypeCase{10, "Unknown ???", false},
                    TypeCase{14, "D_5610_52", false}, TypeCase{19, "DPM3_9620", false},
                    TypeCase{20, "DPM3_9600", false}, TypeCase{21, "Unknown ???", false},
                    TypeCase{25, "Unknown ???", false}, TypeCase{26, "DPM4_8000", true},
                    TypeCase{27, "DPM4_8200", true}, TypeCase{28, "DPM4_8500", true},
                    TypeCase{29, "Unknown ???", true}, TypeCase{-1, "Unknown ???", false},
                    TypeCase{LONG(0x80000000), "Unknown ???", false}),
    [](const testing::TestParamInfo<TypeCase>& info) { return "Row" + std::to_string(info.index); });

class CapabilitiesReport : public testing::Test {
 protected:
  void SetUp() override {
    control = spy.CreateControl();
    ComPtr<IDPMDevice> device;
    ASSERT_EQ(control->GetDevice(0, device.ReleaseAndGetAddressOf()), S_OK);
    ASSERT_EQ(device->GetCapabilities(caps.ReleaseAndGetAddressOf()), S_OK);
    spy.SetValue("get_VendorId", 1367);
    spy.SetValue("get_ProductId", 262);
    spy.SetValue("get_Name", "DPM4 8500");
    spy.SetValue("get_KeywordUsage", 10);
    spy.SetValue("get_KeywordContent", 50);
    spy.SetValue("get_UserStringMax", 16);
    spy.SetValue("get_MaxKeywordVoiceCommands(0)", 30);
    spy.SetValue("get_MaxKeywordVoiceCommands(1)", 5);
    spy.ClearCalls();
  }
  void TearDown() override {
    caps = nullptr;
    control = nullptr;
    EXPECT_EQ(spy.OutstandingReferences(), 0);
  }
  void SetFlags(LONG value) {
    for (const char* flag : {"get_Instruction", "get_Priority", "get_KeywordsReadOnly", "get_RequiredInputType",
                             "get_LinkKeywords", "get_ScanKeywordsFromBarcode", "get_KeywordBarcodeScan",
                             "get_KeywordVoiceCommand", "get_KeywordMandatory", "get_SetBarcodeScanButton",
                             "get_QualityPlay", "get_BarcodeEvent", "get_FunctionKey", "get_Encryption",
                             "get_Security", "get_ProhibitFileAlteration", "get_FourPosSwitch"}) {
      spy.SetValue(flag, value);
    }
  }

  SpyComponent spy;
  ComPtr<IDPMControl> control;
  ComPtr<IDPMCapabilities> caps;
};

TEST_F(CapabilitiesReport, AllTrueButPriority) {
  SetFlags(VARIANT_TRUE);
  spy.SetValue("get_Priority", VARIANT_FALSE);
  EXPECT_EQ(BuildCapabilitiesReport(caps.Get()),
            "Vendor Id: 1367 Product Id: 262 \nName: DPM4 8500 \nDisplayModes: 0 \nKeywordUsage: 10 "
            "KeywordContent: 50\nInstr: yes \nPriority: no\nKeywords ReadOnly: yes\nRequiredInputType: yes "
            "\nUserStringMax: 16\nLinkKeywords: yes \nScanKeywordsFromBarcode: yes \nSet Barcode Scan button: yes "
            "\nKeywordBarcodeScan: yes \nKeywordVoiceCommand: yes \nKeywordMandatory: yes "
            "\nMax Keyword Voice Commands: \nAlphanumeric:30 Word: 5\nQualityPlay: yes\nBarcodeEvent: yes"
            "\nFunctionKey: yes\nEncryption: yes\nSecurity: yes\nProhibitFileAlteration: yes\nFourPosSwitch: yes");
}

TEST_F(CapabilitiesReport, OnlyMinusOneIsYesAndFailuresReadAsZero) {
  SetFlags(1);
  spy.SetResult("get_DisplayModes", E_FAIL);
  spy.SetNullString("get_Name");
  EXPECT_EQ(BuildCapabilitiesReport(caps.Get()),
            "Vendor Id: 1367 Product Id: 262 \nName:  \nDisplayModes: 0 \nKeywordUsage: 10 "
            "KeywordContent: 50\nInstr: no \nPriority: no\nKeywords ReadOnly: no\nRequiredInputType: no "
            "\nUserStringMax: 16\nLinkKeywords: no \nScanKeywordsFromBarcode: no \nSet Barcode Scan button: no "
            "\nKeywordBarcodeScan: no \nKeywordVoiceCommand: no \nKeywordMandatory: no "
            "\nMax Keyword Voice Commands: \nAlphanumeric:30 Word: 5\nQualityPlay: no\nBarcodeEvent: no"
            "\nFunctionKey: no\nEncryption: no\nSecurity: no\nProhibitFileAlteration: no\nFourPosSwitch: no");
}

TEST_F(CapabilitiesReport, ReadsTheSetBarcodeScanButtonBetweenScanKeywordsAndBarcodeScan) {
  BuildCapabilitiesReport(caps.Get());
  const auto& calls = spy.Calls();
  auto at = [&](const std::string& call) { return std::find(calls.begin(), calls.end(), call) - calls.begin(); };
  EXPECT_LT(at("get_ScanKeywordsFromBarcode()"), at("get_SetBarcodeScanButton()"));
  EXPECT_LT(at("get_SetBarcodeScanButton()"), at("get_KeywordBarcodeScan()"));
  EXPECT_EQ(calls.front(), "get_VendorId()");
  EXPECT_EQ(calls.back(), "get_FourPosSwitch()");
}

using Pairs = std::vector<std::pair<LONG, LONG>>;

Pairs Padded(Pairs pairs) {
  pairs.resize(kBarcodePairCount, {0, 0});
  return pairs;
}

struct PairCase {
  const char* text;
  Pairs expected;
};

class BarcodePairs : public testing::TestWithParam<PairCase> {};

TEST_P(BarcodePairs, ParseIntoExactlyTenPairs) {
  EXPECT_EQ(ParseBarcodePairs(GetParam().text), Padded(GetParam().expected)) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, BarcodePairs,
    testing::Values(PairCase{"", {}}, PairCase{"1,2;", {{1, 2}}}, PairCase{"1,2;3,-4;", {{1, 2}, {3, -4}}},
                    PairCase{"x,3;4", {{0, 3}, {4, 0}}}, PairCase{"1,2;;5,6", {{1, 2}, {5, 6}}},
                    PairCase{" 7 , 8 ;", {{7, 8}}}, PairCase{"99999999999,1;", {{0, 1}}},
                    PairCase{"1,2,3;", {{1, 2}}},
                    PairCase{"1,1;2,2;3,3;4,4;5,5;6,6;7,7;8,8;9,9;10,10;11,11;",
                             {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}, {7, 7}, {8, 8}, {9, 9}, {10, 10}}}),
    [](const testing::TestParamInfo<PairCase>& info) { return "Text" + std::to_string(info.index); });

TEST(BarcodePairList, RoundTripsThroughTheArrayForm) {
  const long arrays = SafeArrayLiveCount();
  {
    Variant value;
    ASSERT_EQ(BarcodePairsToVariant("1,2;3,-4;", value.Get()), S_OK);
    ASSERT_EQ(value->vt, VT_ARRAY | VT_I4);
    EXPECT_EQ(SafeArrayGetDim(value->parray), 2u);
    LONG upper = 0;
    SafeArrayGetUBound(value->parray, 2, &upper);
    EXPECT_EQ(upper, kBarcodePairCount - 1);
    EXPECT_EQ(BarcodePairsFromVariant(*value.Get()), "1,2;3,-4;0,0;0,0;0,0;0,0;0,0;0,0;0,0;0,0;");
  }
  EXPECT_EQ(SafeArrayLiveCount(), arrays);

  Variant notAnArray;
  notAnArray->vt = VT_I4;
  EXPECT_EQ(BarcodePairsFromVariant(*notAnArray.Get()), "");
  const SAFEARRAYBOUND flat{4, 0};
  Variant oneDimension;
  oneDimension->vt = VT_ARRAY | VT_I4;
  oneDimension->parray = SafeArrayCreate(VT_I4, 1, &flat);
  EXPECT_EQ(BarcodePairsFromVariant(*oneDimension.Get()), "");
}

}  // namespace
