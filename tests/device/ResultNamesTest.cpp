// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/ResultNames.h"

#include <gtest/gtest.h>

#include "device/DpmResults.h"

namespace {

struct NameRow {
  std::uint32_t code;
  const char* name;
};

class ResultNameTest : public testing::TestWithParam<NameRow> {};

TEST_P(ResultNameTest, NamesTheCodeExactly) {
  EXPECT_EQ(GetResultName(HresultOf(GetParam().code)), GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(
    EveryNamedCode, ResultNameTest,
    testing::Values(
        NameRow{0x00000000, "OK"}, NameRow{0x80004001, "NOTIMPL"}, NameRow{0x80004003, "POINTER"},
        NameRow{0x80004005, "FAIL"}, NameRow{0x800409FE, "dpmCtrlNotSupported"},
        NameRow{0x800409FF, "NotInitialized"}, NameRow{0x80040A01, "NoDeviceConnected"},
        NameRow{0x80040A02, "Usb Interface"}, NameRow{0x80040A03, "dpmCtrlPathNotFound"},
        NameRow{0x80040A04, "dpmCtrlNoInstructionFile"}, NameRow{0x80040A05, "dpmCtrlFileNotFound"},
        NameRow{0x80040A06, "dpmCtrlFileExists"}, NameRow{0x80040A07, "dpmCtrlInvalidWaveFormat"},
        NameRow{0x80040A08, "dpmCtrlInvalidFile"}, NameRow{0x80040A09, "dpmCtrlFileReadOnly"},
        NameRow{0x80040A0A, "dpmCtrlReadDeviceConfiguration"},
        NameRow{0x80040A0B, "dpmCtrlWriteDeviceConfiguration"},
        NameRow{0x80040A0C, "dpmCtrlOutOfDiskSpace"},
        NameRow{0x80040A0D, "dpmCtrlAudioFormatNotSupported"},
        NameRow{0x80040A0E, "dpmCtrlOperationCancelled"}, NameRow{0x80040A0F, "dpmCtrlNoDrive"},
        NameRow{0x80040A10, "dpmCtrlDiskWriteProtected"}, NameRow{0x80040A11, "dpmCtrlAccessDenied"},
        NameRow{0x80040A12, "dpmCtrlInvalidCharacter"}, NameRow{0x80040A13, "dpmCtrlDeviceNotReady"},
        NameRow{0x80040A14, "dpmCtrlKwSetToVoiceCommand"}, NameRow{0x80040A15, "dpmCtrlKwSetToBarcode"},
        NameRow{0x80040A16, "dpmCtrlKeywordsLinked"}, NameRow{0x80040A17, "dpmCtrlMaximumReached"},
        NameRow{0x8007000E, "OUTOFMEMORY"}, NameRow{0x80070057, "INVALIDARG"},
        // Unnamed: the gap inside the range, its two neighbours outside, a positive code, and
        // standard codes the table leaves out.
        NameRow{0x80040A00, "-2147218944 (Unknown)"}, NameRow{0x800409FD, "-2147218947 (Unknown)"},
        NameRow{0x80040A18, "-2147218920 (Unknown)"}, NameRow{0x00000001, "1 (Unknown)"},
        NameRow{0x80004002, "-2147467262 (Unknown)"}, NameRow{0x7FFFFFFF, "2147483647 (Unknown)"},
        NameRow{0x80000000, "-2147483648 (Unknown)"}));

TEST(ResultName, NamedConstantsAgreeWithTheTable) {
  EXPECT_EQ(GetResultName(dpmCtrlNotInitialized), "NotInitialized");
  EXPECT_EQ(GetResultName(dpmCtrlKeywordsLinked), "dpmCtrlKeywordsLinked");
}

TEST(ButtonName, EveryCodeHasItsName) {
  const char* const expected[30] = {
      "dpmStopPressed",        "dpmStopReleased",         "dpmPlayPressed",
      "dpmPlayReleased",       "dpmRecordPressed",        "dpmRecordReleased",
      "dpmInsertPressed",      "dpmInsertReleased",       "dpmEOLPressed",
      "dpmEOLReleased",        "dpmFastRewindPressed",    "dpmFastRewindReleased",
      "dpmFastForwardPressed", "dpmFastForwardReleased",  "dpmDLSPressed",
      "dpmDLSReleased",        "dpmDELPressed",           "dpmDELReleased",
      "dpmJogDialUpPressed",   "dpmJogDialUpReleased",    "dpmJogDialDownPressed",
      "dpmJogDialReleased",    "dpmJogDialPressPressed",  "dpmJogDialPressReleased",
      "dpmSmart1Pressed",      "dpmSmart1Released",       "dpmSmart2Pressed",
      "dpmSmart2Released",     "dpmProgrammable1Pressed", "dpmProgrammable1Released"};
  for (LONG code = 0; code < 30; ++code) EXPECT_EQ(GetButtonName(code), expected[code]) << code;
}

TEST(ButtonName, CodesOutsideTheTableAreEmpty) {
  for (LONG code : {30, -1, 31, 1000, -2147483647 - 1}) EXPECT_EQ(GetButtonName(code), "") << code;
}

}  // namespace
