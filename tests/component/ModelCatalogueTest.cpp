// SPDX-License-Identifier: GPL-3.0-or-later
// The model catalogue as a reader would audit it.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "component/models/RecorderModel.h"
#include "component/models/SettingInfo.h"
#include "device/DpmValues.h"

namespace {

TEST(ModelCatalogue, HoldsExactlyTheNamedModels) {
  const std::map<LONG, std::string> expected = {
      {0, "DPM_9350_00"}, {1, "DPM_9350_52"}, {2, "DPM_9400_00"}, {3, "DPM_9400_52"}, {4, "DTS_9750"},
      {5, "DPM_9250"},    {6, "DPM_9220"},    {7, "DPM_9450_00"}, {8, "DPM_9450_52"}, {11, "DPM_9850_00"},
      {12, "DPM_9850_52"}, {13, "D_6510_00"}, {14, "D_5610_52"},  {19, "DPM3_9620"},  {20, "DPM3_9600"},
      {26, "DPM4_8000"},  {27, "DPM4_8200"},  {28, "DPM4_8500"}};
  std::map<LONG, std::string> found;
  for (const RecorderModel& model : AllRecorderModels()) {
    EXPECT_TRUE(found.emplace(model.type, model.name).second) << "type " << model.type << " twice";
  }
  EXPECT_EQ(found, expected);
  EXPECT_EQ(FindRecorderModel(9), nullptr);
  EXPECT_EQ(FindRecorderModelByName("DPM4_8500")->type, 28);
  EXPECT_EQ(DefaultRecorderModel().type, 27);
}

TEST(ModelCatalogue, ProductIdsAreUniqueAndLimitsSane) {
  std::set<LONG> products;
  for (const RecorderModel& m : AllRecorderModels()) {
    SCOPED_TRACE(m.name);
    EXPECT_TRUE(products.insert(m.productId).second);
    EXPECT_GT(m.vendorId, 0);
    EXPECT_TRUE(m.displayModes == 1 || m.displayModes == 2);
    EXPECT_GE(m.keywordCount, 1);
    EXPECT_LE(m.keywordCount, 5);  // the settings dialog has flag boxes for five keywords
    EXPECT_GE(m.keywordRows, 1);
    EXPECT_LE(m.keywordRows, 100);
    EXPECT_GE(m.limits.prefix, 1);
    EXPECT_GE(m.limits.keywordName, 1);
    EXPECT_GE(m.limits.keywordValue, m.limits.keywordName);
    EXPECT_GE(m.userStringMax, 0);
    EXPECT_GT(m.cardMiB, 0);
    EXPECT_LE(m.cardMiB, 8 * 1024 * 1024 / 4);  // free space in KiB fits a LONG
    EXPECT_TRUE(m.AcceptsRecordingMode(dpmStandardPlay));
    for (LONG mode : {5, 7, 16, 18, -1}) {
      EXPECT_FALSE(m.AcceptsRecordingMode(mode)) << mode;
    }
    EXPECT_TRUE(m.Has(Setting::FileNamePrefixString));
  }
}

// Every capability the component reports agrees with the settings the row says the model has.
TEST(ModelCatalogue, CapabilitiesMatchTheSettingsListed) {
  for (const RecorderModel& m : AllRecorderModels()) {
    SCOPED_TRACE(m.name);
    EXPECT_EQ(m.linkKeywords, m.Has(Setting::LinkKeywords));
    EXPECT_EQ(m.scanKeywordsFromBarcode, m.Has(Setting::ScanKeywordsFromBarcode));
    EXPECT_EQ(m.requiredInputType, m.Has(Setting::RequiredInputType));
    EXPECT_EQ(m.userStringMax > 0, m.Has(Setting::UserStringCount));
    EXPECT_EQ(m.setBarcodeScanButton, m.Has(Setting::BarcodeScanButton));
    EXPECT_EQ(m.barcodeEvent, m.Has(Setting::BarcodeMode));
    EXPECT_EQ(m.functionKey, m.Has(Setting::FunctionKey));
    EXPECT_EQ(m.fourPosSwitch, m.Has(Setting::FourPosSwitch));
    EXPECT_EQ(m.prohibitFileAlteration, m.Has(Setting::ProhibitFileAlteration));
    EXPECT_EQ(m.keywordVoiceCommand, m.Has(Setting::VoiceCommandType));
    EXPECT_EQ(m.qualityPlay, m.AcceptsRecordingMode(dpmQualityPlay));
    if (m.scanKeywordsFromBarcode) {
      EXPECT_TRUE(m.keywordBarcodeScan);
    }
    EXPECT_EQ(m.keywordVoiceCommand, m.maxVoiceCommandsAlphanumeric > 0);
    EXPECT_EQ(m.keywordVoiceCommand, m.maxVoiceCommandsWord > 0);
    EXPECT_LE(m.maxVoiceCommandsAlphanumeric, m.keywordCount);
    EXPECT_LE(m.maxVoiceCommandsWord, m.keywordCount);
    if (m.encryption) {
      EXPECT_TRUE(m.security);
    }
  }
}

TEST(ModelCatalogue, Dpm4FeaturesOnlyFromType26) {
  for (const RecorderModel& m : AllRecorderModels()) {
    SCOPED_TRACE(m.name);
    const bool dpm4 = m.type >= 26;
    EXPECT_EQ(m.IsDpm4(), dpm4);
    EXPECT_EQ(m.dpm4.smartButtons, dpm4 ? kDpmSmartButtons : 0);
    EXPECT_EQ(m.dpm4.recordingProfiles, dpm4 ? kDpmRecordingProfiles : 0);
    EXPECT_EQ(m.dpm4.audioQualities != 0, dpm4);
    EXPECT_EQ(m.Has(Setting::ProMode), dpm4);
    EXPECT_EQ(m.Has(Setting::PlusButtonEnabled), dpm4);
    // Older models with the advanced display map its one area; DPM4 has four.
    EXPECT_EQ(m.dpm4.displayAreas, dpm4 ? kDpmDisplayAreas : (m.displayModes == 2 ? 1 : 0));
    if (dpm4) {
      EXPECT_TRUE(m.AcceptsAudioQuality(dpmAudioStandardPlay));
      EXPECT_TRUE(m.AcceptsAudioQuality(dpmAudioQualityPlay));
      EXPECT_EQ(m.AcceptsAudioQuality(dpmAudioMp3), m.AcceptsRecordingMode(dpmMp3Stereo));
    }
  }
}

TEST(SettingTable, ListsEverySettingOnceInOrder) {
  std::set<std::string> names;
  size_t i = 0;
  for (const SettingInfo& info : AllSettingInfos()) {
    EXPECT_EQ(static_cast<size_t>(info.id), i++);
    EXPECT_TRUE(names.insert(info.name).second) << info.name;
    if (info.kind == SettingKind::Number) {
      EXPECT_LE(info.min, info.max) << info.name;
    }
  }
  EXPECT_EQ(i, static_cast<size_t>(Setting::Count));
}

}  // namespace
