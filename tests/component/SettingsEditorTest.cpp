// SPDX-License-Identifier: GPL-3.0-or-later
// The recorder's rules for changing settings: each refusal with its exact code, leaving the record as
// it was, and the keyword rules in sequence.
#include <gtest/gtest.h>

#include <ostream>

#include <functional>

#include "component/settings/SettingsEditor.h"
#include "device/DpmResults.h"
#include "device/DpmValues.h"

namespace {

using Put = std::function<HRESULT(SettingsEditor&)>;

struct Refusal {
  const char* what;
  LONG type;
  Put put;
  HRESULT expected;
};

// Test names and messages show the row, not its bytes.
void PrintTo(const Refusal& row, std::ostream* out) { *out << row.what; }

class SettingsEditorRefusal : public ::testing::TestWithParam<Refusal> {};

TEST_P(SettingsEditorRefusal, GivesItsCodeAndChangesNothing) {
  const Refusal& row = GetParam();
  const RecorderModel& model = *FindRecorderModel(row.type);
  RecorderSettings settings = FactorySettings(model);
  const RecorderSettings before = settings;
  SettingsEditor editor(model, settings);
  EXPECT_EQ(row.put(editor), row.expected);
  if (FAILED(row.expected)) {
    EXPECT_EQ(settings, before);
  }
}

constexpr VARIANT_BOOL T = VARIANT_TRUE;
constexpr VARIANT_BOOL F = VARIANT_FALSE;

const Refusal kRefusals[] = {
    {"ProModeOnOldModel", 0, [](SettingsEditor& e) { return e.PutFlag(Setting::ProMode, T); }, dpmCtrlNotSupported},
    {"BarcodeModeWithoutReader", 0, [](SettingsEditor& e) { return e.PutNumber(Setting::BarcodeMode, 1); },
     dpmCtrlNotSupported},
    // Writing back what a model without the setting reads is no change.
    {"SameNumberWithoutTheSetting", 0, [](SettingsEditor& e) { return e.PutNumber(Setting::BarcodeMode, 0); }, S_OK},
    {"ClearFlagWithoutTheSetting", 0, [](SettingsEditor& e) { return e.PutFlag(Setting::ProMode, F); }, S_OK},
    {"SameVoiceTypeWithoutVoice", 7, [](SettingsEditor& e) { return e.PutNumberAt(Setting::VoiceCommandType, 0, 0); }, S_OK},
    {"VoiceTypeIndex1WithoutVoice", 7, [](SettingsEditor& e) { return e.PutNumberAt(Setting::VoiceCommandType, 1, 0); },
     dpmCtrlNotSupported},
    {"SameFixedKeywordName", 6, [](SettingsEditor& e) { return e.PutKeywordName(1, u"Worktype"); }, S_OK},
    {"ClearBarcodeFlagWithoutReader", 0, [](SettingsEditor& e) { return e.PutKeywordBarcodeScan(3, F); }, S_OK},
    {"ClearMandatoryWithoutIt", 5, [](SettingsEditor& e) { return e.PutKeywordMandatory(1, F); }, S_OK},
    {"FlagOfKeywordPastCountWithoutIt", 0, [](SettingsEditor& e) { return e.PutKeywordVoiceCommand(4, F); },
     E_INVALIDARG},
    {"RecordingMode5", 27, [](SettingsEditor& e) { return e.PutNumber(Setting::RecordingMode, 5); }, E_INVALIDARG},
    {"RecordingModeNone", 27, [](SettingsEditor& e) { return e.PutNumber(Setting::RecordingMode, -1); }, E_INVALIDARG},
    {"Mp3On8200", 27, [](SettingsEditor& e) { return e.PutNumber(Setting::RecordingMode, 17); }, E_INVALIDARG},
    {"Mp3On8500", 28, [](SettingsEditor& e) { return e.PutNumber(Setting::RecordingMode, 17); }, S_OK},
    {"QualityOn9350", 0, [](SettingsEditor& e) { return e.PutNumber(Setting::RecordingMode, 6); }, E_INVALIDARG},
    {"FileCounterPastFourDigits", 27, [](SettingsEditor& e) { return e.PutNumber(Setting::FileCounter, 10000); },
     E_INVALIDARG},
    {"AdvancedOnClassicDisplay", 0, [](SettingsEditor& e) { return e.PutNumber(Setting::Appearance, 1); },
     E_INVALIDARG},
    {"UserStringsPastMaximum", 27, [](SettingsEditor& e) { return e.PutNumber(Setting::UserStringCount, 9); },
     dpmCtrlMaximumReached},
    {"UserStringsNegative", 27, [](SettingsEditor& e) { return e.PutNumber(Setting::UserStringCount, -1); },
     E_INVALIDARG},
    {"FunctionKeyPastList", 27, [](SettingsEditor& e) { return e.PutNumber(Setting::FunctionKey, 16); }, E_INVALIDARG},
    {"BarcodeScanButtonNone", 27, [](SettingsEditor& e) { return e.PutNumber(Setting::BarcodeScanButton, -1); },
     E_INVALIDARG},
    {"BooleanOne", 27, [](SettingsEditor& e) { return e.PutFlag(Setting::DeviceBeep, 1); }, E_INVALIDARG},
    {"NumberAsFlag", 27, [](SettingsEditor& e) { return e.PutFlag(Setting::FileCounter, T); }, E_INVALIDARG},
    {"VoiceTypeIndex1", 27, [](SettingsEditor& e) { return e.PutNumberAt(Setting::VoiceCommandType, 1, 0); }, E_INVALIDARG},
    {"VoiceTypeWithoutVoice", 7, [](SettingsEditor& e) { return e.PutNumberAt(Setting::VoiceCommandType, 0, 1); }, dpmCtrlNotSupported},
    {"PrefixBlank", 27, [](SettingsEditor& e) { return e.PutText(Setting::FileNamePrefixString, u"A B"); },
     dpmCtrlInvalidCharacter},
    {"PrefixTooLong", 27, [](SettingsEditor& e) { return e.PutText(Setting::FileNamePrefixString, u"ABCDE"); },
     dpmCtrlMaximumReached},
    {"UmlautOnAsciiDisplay", 0, [](SettingsEditor& e) { return e.PutKeywordName(0, u"\u00C4rzt"); },
     dpmCtrlInvalidCharacter},
    {"UmlautOnLatinDisplay", 27, [](SettingsEditor& e) { return e.PutKeywordName(0, u"\u00C4rzt"); }, S_OK},
    {"EuroSign", 27, [](SettingsEditor& e) { return e.PutKeywordValue(0, 0, u"5 \u20AC"); }, dpmCtrlInvalidCharacter},
    {"Tab", 27, [](SettingsEditor& e) { return e.PutKeywordValue(0, 0, u"a\tb"); }, dpmCtrlInvalidCharacter},
    {"NameTooLong", 27, [](SettingsEditor& e) { return e.PutKeywordName(0, u"ABCDEFGHIJKLMNOPQ"); },
     dpmCtrlMaximumReached},
    {"ValueTooLong", 0, [](SettingsEditor& e) { return e.PutKeywordValue(0, 0, u"ABCDEFGHIJKLMNOPQ"); },
     dpmCtrlMaximumReached},
    {"KeywordPastCount", 27, [](SettingsEditor& e) { return e.PutKeywordName(5, u"x"); }, E_INVALIDARG},
    {"KeywordNegative", 27, [](SettingsEditor& e) { return e.PutKeywordValue(-1, 0, u"x"); }, E_INVALIDARG},
    {"RowPastCount", 0, [](SettingsEditor& e) { return e.PutKeywordValue(0, 10, u"x"); }, E_INVALIDARG},
    {"FixedKeywordNames", 6, [](SettingsEditor& e) { return e.PutKeywordName(0, u"x"); }, dpmCtrlNotSupported},
    {"ValuesOfFixedNames", 6, [](SettingsEditor& e) { return e.PutKeywordValue(0, 0, u"x"); }, S_OK},
    {"BarcodeFlagWithoutReader", 0, [](SettingsEditor& e) { return e.PutKeywordBarcodeScan(0, T); },
     dpmCtrlNotSupported},
    {"VoiceFlagWithoutVoice", 8, [](SettingsEditor& e) { return e.PutKeywordVoiceCommand(0, T); },
     dpmCtrlNotSupported},
    {"MandatoryOnBasicModel", 5, [](SettingsEditor& e) { return e.PutKeywordMandatory(0, T); }, dpmCtrlNotSupported},
    {"SmartButtonOnOldModel", 20, [](SettingsEditor& e) { return e.PutSmartButton(0, 0, 1); }, dpmCtrlNotSupported},
    {"SmartButtonNoSelection", 26, [](SettingsEditor& e) { return e.PutSmartButton(0, 0, -1); }, E_INVALIDARG},
    {"SmartButtonPastList", 26, [](SettingsEditor& e) { return e.PutSmartButton(2, 4, 18); }, E_INVALIDARG},
    {"SmartButtonFourth", 26, [](SettingsEditor& e) { return e.PutSmartButton(3, 0, 1); }, E_INVALIDARG},
    {"SmartButtonSixthState", 26, [](SettingsEditor& e) { return e.PutSmartButton(0, 5, 1); }, E_INVALIDARG},
    {"DisplayAreaFive", 26, [](SettingsEditor& e) { return e.PutDisplayArea(5, 1); }, E_INVALIDARG},
    {"DisplayAreaZero", 26, [](SettingsEditor& e) { return e.PutDisplayArea(0, 1); }, E_INVALIDARG},
    {"DisplayCodePastList", 26, [](SettingsEditor& e) { return e.PutDisplayArea(1, 9); }, E_INVALIDARG},
    {"OneAreaOnAdvancedDisplay", 7, [](SettingsEditor& e) { return e.PutDisplayArea(1, 2); }, S_OK},
    {"SecondAreaOnAdvancedDisplay", 7, [](SettingsEditor& e) { return e.PutDisplayArea(2, 2); }, E_INVALIDARG},
    {"AreaOnClassicDisplay", 0, [](SettingsEditor& e) { return e.PutDisplayArea(1, 2); }, dpmCtrlNotSupported},
    {"ProfileMp3On8000", 26, [](SettingsEditor& e) { return e.PutProfileAudioQuality(0, 17); }, E_INVALIDARG},
    {"ProfileMp3On8500", 28, [](SettingsEditor& e) { return e.PutProfileAudioQuality(3, 17); }, S_OK},
    {"ProfileFifth", 28, [](SettingsEditor& e) { return e.PutProfileMicSensitivity(4, 1); }, E_INVALIDARG},
    {"ProfileSensitivity3", 28, [](SettingsEditor& e) { return e.PutProfileMicSensitivity(0, 3); }, E_INVALIDARG},
    {"ProfileDirection2", 28, [](SettingsEditor& e) { return e.PutProfileMicDirection(0, 0, 2); }, E_INVALIDARG},
    {"ProfilePosition2", 28, [](SettingsEditor& e) { return e.PutProfileMicDirection(0, 2, 1); }, E_INVALIDARG},
    {"ProfileOnOldModel", 19, [](SettingsEditor& e) { return e.PutProfileAudioQuality(0, 0); }, dpmCtrlNotSupported},
};

INSTANTIATE_TEST_SUITE_P(Rows, SettingsEditorRefusal, ::testing::ValuesIn(kRefusals),
                         [](const auto& info) { return std::string(info.param.what); });

class KeywordRules : public ::testing::Test {
 protected:
  const RecorderModel& model = *FindRecorderModel(27);  // barcode and voice command
  RecorderSettings settings = FactorySettings(model);
  SettingsEditor editor{model, settings};
  const KeywordEntry& Keyword(size_t k) const { return settings.keywords[k]; }
};

TEST_F(KeywordRules, OneInputMethodPerKeyword) {
  ASSERT_EQ(editor.PutKeywordBarcodeScan(1, T), S_OK);
  EXPECT_EQ(editor.PutKeywordVoiceCommand(1, T), dpmCtrlKwSetToBarcode);
  ASSERT_EQ(editor.PutKeywordVoiceCommand(2, T), S_OK);
  EXPECT_EQ(editor.PutKeywordBarcodeScan(2, T), dpmCtrlKwSetToVoiceCommand);
  EXPECT_TRUE(Keyword(1).barcodeScan && !Keyword(1).voiceCommand);
  EXPECT_TRUE(Keyword(2).voiceCommand && !Keyword(2).barcodeScan);
}

TEST_F(KeywordRules, InputMethodsHoldTheMandatoryFlag) {
  ASSERT_EQ(editor.PutKeywordBarcodeScan(1, T), S_OK);
  EXPECT_TRUE(Keyword(1).mandatory);
  EXPECT_EQ(editor.PutKeywordMandatory(1, F), dpmCtrlKwSetToBarcode);
  ASSERT_EQ(editor.PutKeywordBarcodeScan(1, F), S_OK);
  EXPECT_FALSE(Keyword(1).mandatory);
  ASSERT_EQ(editor.PutKeywordVoiceCommand(3, T), S_OK);
  EXPECT_EQ(editor.PutKeywordMandatory(3, F), dpmCtrlKwSetToVoiceCommand);
  // A keyword without an input method takes the flag freely.
  EXPECT_EQ(editor.PutKeywordMandatory(0, T), S_OK);
  EXPECT_EQ(editor.PutKeywordMandatory(0, F), S_OK);
}

TEST_F(KeywordRules, BarcodeForAllKeywords) {
  ASSERT_EQ(editor.PutFlag(Setting::ScanKeywordsFromBarcode, T), S_OK);
  for (const KeywordEntry& keyword : settings.keywords) {
    EXPECT_TRUE(keyword.barcodeScan && keyword.mandatory);
  }
  EXPECT_EQ(editor.PutKeywordBarcodeScan(0, F), dpmCtrlKwSetToBarcode);
  EXPECT_EQ(editor.PutKeywordBarcodeScan(0, T), S_OK);  // as it is
  EXPECT_EQ(editor.PutKeywordVoiceCommand(4, T), dpmCtrlKwSetToBarcode);
  ASSERT_EQ(editor.PutFlag(Setting::ScanKeywordsFromBarcode, F), S_OK);
  for (const KeywordEntry& keyword : settings.keywords) {
    EXPECT_FALSE(keyword.barcodeScan || keyword.mandatory);
  }
  ASSERT_EQ(editor.PutKeywordVoiceCommand(4, T), S_OK);
  EXPECT_EQ(editor.PutFlag(Setting::ScanKeywordsFromBarcode, T), dpmCtrlKwSetToVoiceCommand);
}

TEST_F(KeywordRules, VoiceCommandsBoundedByTheirKind) {
  for (LONG k = 0; k < model.maxVoiceCommandsAlphanumeric; ++k) {
    ASSERT_EQ(editor.PutKeywordVoiceCommand(k, T), S_OK);
  }
  EXPECT_EQ(editor.PutKeywordVoiceCommand(model.maxVoiceCommandsAlphanumeric, T), dpmCtrlMaximumReached);
  ASSERT_EQ(editor.PutNumberAt(Setting::VoiceCommandType, 0, 1), S_OK);  // words allow more
  for (LONG k = 0; k < model.maxVoiceCommandsWord; ++k) {
    ASSERT_EQ(editor.PutKeywordVoiceCommand(k, T), S_OK);
  }
  EXPECT_EQ(editor.PutNumberAt(Setting::VoiceCommandType, 0, 0), dpmCtrlMaximumReached);
  EXPECT_EQ(settings.Number(Setting::VoiceCommandType), 1);
}

TEST_F(KeywordRules, RequiredKeywordsAreAllMandatory) {
  ASSERT_EQ(editor.PutKeywordBarcodeScan(2, T), S_OK);
  ASSERT_EQ(editor.PutNumber(Setting::RequiredInputType, 1), S_OK);
  for (const KeywordEntry& keyword : settings.keywords) {
    EXPECT_TRUE(keyword.mandatory);
  }
  EXPECT_EQ(editor.PutKeywordMandatory(0, F), E_INVALIDARG);
  ASSERT_EQ(editor.PutNumber(Setting::RequiredInputType, 3), S_OK);
  EXPECT_FALSE(Keyword(0).mandatory);
  EXPECT_TRUE(Keyword(2).mandatory);  // still held by its barcode
}

// Writes that do not switch "barcode for all" or "keywords required" leave the keywords' own flags.
TEST_F(KeywordRules, OnlyARealSwitchMovesTheKeywordFlags) {
  ASSERT_EQ(editor.PutKeywordBarcodeScan(1, T), S_OK);
  ASSERT_EQ(editor.PutKeywordMandatory(4, T), S_OK);
  const RecorderSettings before = settings;
  EXPECT_EQ(editor.PutFlag(Setting::ScanKeywordsFromBarcode, F), S_OK);
  EXPECT_EQ(editor.PutNumber(Setting::RequiredInputType, dpmRequiredInputNone), S_OK);
  EXPECT_EQ(settings, before);
  ASSERT_EQ(editor.PutNumber(Setting::RequiredInputType, dpmRequiredInputInstruction), S_OK);
  EXPECT_TRUE(Keyword(1).barcodeScan && Keyword(1).mandatory);
  EXPECT_TRUE(Keyword(4).mandatory) << "chosen by hand, and no switch to or from keywords";
  ASSERT_EQ(editor.PutNumber(Setting::RequiredInputType, dpmRequiredInputKeywords), S_OK);
  ASSERT_EQ(editor.PutNumber(Setting::RequiredInputType, dpmRequiredInputUserStrings), S_OK);
  EXPECT_FALSE(Keyword(4).mandatory) << "leaving keywords keeps only what the rules hold";
  EXPECT_TRUE(Keyword(1).mandatory);
}

TEST_F(KeywordRules, LinkedRowsNeedTheFirstKeyword) {
  ASSERT_EQ(editor.PutKeywordValue(1, 3, u"Letter"), S_OK);
  EXPECT_EQ(editor.PutFlag(Setting::LinkKeywords, T), dpmCtrlKeywordsLinked);
  ASSERT_EQ(editor.PutKeywordValue(0, 3, u"Smith"), S_OK);
  ASSERT_EQ(editor.PutFlag(Setting::LinkKeywords, T), S_OK);
  EXPECT_EQ(editor.PutKeywordValue(0, 3, u""), dpmCtrlKeywordsLinked);
  EXPECT_EQ(editor.PutKeywordValue(2, 4, u"Memo"), dpmCtrlKeywordsLinked);
  EXPECT_EQ(editor.PutKeywordValue(0, 4, u"Jones"), S_OK);
  EXPECT_EQ(editor.PutKeywordValue(2, 4, u"Memo"), S_OK);
  EXPECT_EQ(Keyword(0).values[3], u"Smith");
}

TEST(ValidateSettings, FactorySettingsOfEveryModelAreValid) {
  for (const RecorderModel& model : AllRecorderModels())
    EXPECT_EQ(ValidateSettings(model, FactorySettings(model)), S_OK) << model.name;
}

struct Damage {
  const char* what;
  LONG type;
  std::function<void(RecorderSettings&)> damage;
  HRESULT expected;
};

// Test names and messages show the row, not its bytes.
void PrintTo(const Damage& row, std::ostream* out) { *out << row.what; }

class ValidateSettingsDamage : public ::testing::TestWithParam<Damage> {};

TEST_P(ValidateSettingsDamage, IsFound) {
  const RecorderModel& model = *FindRecorderModel(GetParam().type);
  RecorderSettings settings = FactorySettings(model);
  GetParam().damage(settings);
  EXPECT_EQ(ValidateSettings(model, settings), GetParam().expected);
}

const Damage kDamages[] = {
    {"MissingSettingSet", 0, [](RecorderSettings& s) { s.Number(Setting::ProMode) = 1; }, dpmCtrlNotSupported},
    {"FlagTwo", 27, [](RecorderSettings& s) { s.Number(Setting::DeviceBeep) = 2; }, E_INVALIDARG},
    {"ModeOutOfRange", 27, [](RecorderSettings& s) { s.Number(Setting::RecordingMode) = 9; }, E_INVALIDARG},
    {"TextInNumber", 27, [](RecorderSettings& s) { s.Text(Setting::FileCounter) = u"7"; }, dpmCtrlInvalidFile},
    {"KeywordMissing", 27, [](RecorderSettings& s) { s.keywords.pop_back(); }, dpmCtrlInvalidFile},
    {"RowMissing", 27, [](RecorderSettings& s) { s.keywords[1].values.pop_back(); }, dpmCtrlInvalidFile},
    {"BothInputMethods", 27,
     [](RecorderSettings& s) { s.keywords[0].barcodeScan = s.keywords[0].voiceCommand = s.keywords[0].mandatory = true; },
     dpmCtrlKwSetToBarcode},
    {"BarcodeNotMandatory", 27, [](RecorderSettings& s) { s.keywords[0].barcodeScan = true; }, dpmCtrlKwSetToBarcode},
    {"TooManyVoiceCommands", 27,
     [](RecorderSettings& s) {
       for (auto& k : s.keywords) k.voiceCommand = k.mandatory = true;
     },
     dpmCtrlMaximumReached},
    {"BrokenLink", 27,
     [](RecorderSettings& s) {
       s.Number(Setting::LinkKeywords) = 1;
       s.keywords[2].values[7] = u"x";
     },
     dpmCtrlKeywordsLinked},
    {"SmartButtonOnOldModel", 20, [](RecorderSettings& s) { s.dpm4.smartButtons[0][0] = 1; }, dpmCtrlNotSupported},
    {"SmartButtonNegative", 26, [](RecorderSettings& s) { s.dpm4.smartButtons[1][2] = -1; }, E_INVALIDARG},
    {"SecondAreaOnOldModel", 7, [](RecorderSettings& s) { s.dpm4.displayAreas[1] = 2; }, dpmCtrlNotSupported},
    {"ProfileOnOldModel", 7, [](RecorderSettings& s) { s.dpm4.profiles[0].micSensitivity = 1; }, dpmCtrlNotSupported},
    {"WrongModel", 27, [](RecorderSettings& s) { s.deviceType = 26; }, dpmCtrlInvalidFile},
    {"ControlCharacterInMac", 27, [](RecorderSettings& s) { s.macAddress = u"00\n"; }, dpmCtrlInvalidFile},
};

INSTANTIATE_TEST_SUITE_P(Rows, ValidateSettingsDamage, ::testing::ValuesIn(kDamages),
                         [](const auto& info) { return std::string(info.param.what); });

}  // namespace
