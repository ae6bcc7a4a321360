// SPDX-License-Identifier: GPL-3.0-or-later
// The keyword rules through the module, as the settings dialog meets them: each refused flag or value
// with its code and nothing changed, and the mandatory flags the component sets in consequence of
// barcode, voice-command and required-input writes (which the dialog re-reads after such a write).
#include "tests/component/ComponentFixture.h"

#include <ostream>

namespace {

constexpr VARIANT_BOOL T = VARIANT_TRUE;
constexpr VARIANT_BOOL F = VARIANT_FALSE;

using Step = std::function<HRESULT(IDPMDeviceSettings*)>;

Step Barcode(LONG k, VARIANT_BOOL on = T) {
  return [=](IDPMDeviceSettings* s) { return s->put_KeywordBarcodeScan(k, on); };
}
Step Voice(LONG k, VARIANT_BOOL on = T) {
  return [=](IDPMDeviceSettings* s) { return s->put_KeywordVoiceCommand(k, on); };
}
Step Mandatory(LONG k, VARIANT_BOOL on) {
  return [=](IDPMDeviceSettings* s) { return s->put_KeywordMandatory(k, on); };
}
Step BarcodeForAll(VARIANT_BOOL on) {
  return [=](IDPMDeviceSettings* s) { return s->put_ScanKeywordsFromBarcode(on); };
}
Step VoiceType(LONG type) {
  return [=](IDPMDeviceSettings* s) { return s->put_VoiceCommandType(0, type); };
}
Step RequiredInput(LONG type) {
  return [=](IDPMDeviceSettings* s) { return s->put_RequiredInputType(type); };
}
Step LinkKeywords() {
  return [](IDPMDeviceSettings* s) { return s->put_LinkKeywords(T); };
}

// Every keyword's three flags, as the dialog's boxes show them.
struct Flags {
  std::vector<bool> barcode, voice, mandatory;
  bool operator==(const Flags&) const = default;
};

Flags FlagsOf(IDPMDeviceSettings* settings) {
  Flags flags;
  LONG count = 0;
  EXPECT_EQ(settings->get_KeywordUsageCount(&count), S_OK);
  for (LONG k = 0; k < count; ++k) {
    VARIANT_BOOL b = F, v = F, m = F;
    EXPECT_EQ(settings->get_KeywordBarcodeScan(k, &b), S_OK);
    EXPECT_EQ(settings->get_KeywordVoiceCommand(k, &v), S_OK);
    EXPECT_EQ(settings->get_KeywordMandatory(k, &m), S_OK);
    flags.barcode.push_back(b == T);
    flags.voice.push_back(v == T);
    flags.mandatory.push_back(m == T);
  }
  return flags;
}

class KeywordRules : public ComponentTest {
 protected:
  void Connect(LONG type) {
    ASSERT_EQ(Tool("add " + std::to_string(type) + " rec"), 0);
    ASSERT_EQ(control->Initialize(0), S_OK);
    device = Device();
    settings = SettingsOf(device.Get());
  }
  void Apply(const std::vector<Step>& steps) {
    for (size_t i = 0; i < steps.size(); ++i) {
      ASSERT_EQ(steps[i](settings.Get()), S_OK) << "step " << i;
    }
  }
  void TearDown() override {
    settings = nullptr;
    device = nullptr;
    ComponentTest::TearDown();
  }

  ComPtr<IDPMDevice> device;
  ComPtr<IDPMDeviceSettings> settings;
};

struct FlagRefusal {
  const char* what;
  LONG type;
  std::vector<Step> before;
  Step put;
  HRESULT expected;
};

// Test names and messages show the row, not its bytes.
void PrintTo(const FlagRefusal& row, std::ostream* out) { *out << row.what; }

class RefusedFlag : public KeywordRules, public ::testing::WithParamInterface<FlagRefusal> {};

TEST_P(RefusedFlag, GivesItsCodeAndLeavesEveryFlagAsItWas) {
  Connect(GetParam().type);
  Apply(GetParam().before);
  const Flags before = FlagsOf(settings.Get());
  LONG voiceType = -1, voiceTypeAfter = -2;
  EXPECT_EQ(settings->get_VoiceCommandType(0, &voiceType), S_OK);
  EXPECT_EQ(GetParam().put(settings.Get()), GetParam().expected);
  EXPECT_EQ(FlagsOf(settings.Get()), before);
  EXPECT_EQ(settings->get_VoiceCommandType(0, &voiceTypeAfter), S_OK);
  EXPECT_EQ(voiceTypeAfter, voiceType);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RefusedFlag,
    ::testing::Values(
        FlagRefusal{"VoiceOnBarcodeKeyword", 27, {Barcode(1)}, Voice(1), dpmCtrlKwSetToBarcode},
        FlagRefusal{"VoiceWhileBarcodeForAll", 27, {BarcodeForAll(T)}, Voice(3), dpmCtrlKwSetToBarcode},
        FlagRefusal{"VoicePastAlphanumericLimit", 27, {Voice(0), Voice(1), Voice(2)}, Voice(3), dpmCtrlMaximumReached},
        FlagRefusal{"ThirdVisibleVoiceBoxOnDpm3", 20, {Voice(1), Voice(2)}, Voice(3), dpmCtrlMaximumReached},
        FlagRefusal{"VoicePastWordLimit", 20, {VoiceType(dpmVoiceCommandWord), Voice(0), Voice(1), Voice(2), Voice(3)},
                    Voice(4), dpmCtrlMaximumReached},
        FlagRefusal{"AlphanumericsBelowTheVoiceCount", 20,
                    {VoiceType(dpmVoiceCommandWord), Voice(0), Voice(1), Voice(2)}, VoiceType(dpmVoiceCommandAlphanumerics),
                    dpmCtrlMaximumReached},
        FlagRefusal{"VoiceOnModelWithout", 8, {}, Voice(0), dpmCtrlNotSupported},
        FlagRefusal{"VoicePastKeywordCount", 27, {}, Voice(5), E_INVALIDARG},
        FlagRefusal{"VoiceNotABoolean", 27, {}, Voice(0, 1), E_INVALIDARG},
        FlagRefusal{"BarcodeOnVoiceKeyword", 27, {Voice(2)}, Barcode(2), dpmCtrlKwSetToVoiceCommand},
        FlagRefusal{"BarcodeForAllOverVoice", 27, {Voice(2)}, BarcodeForAll(T), dpmCtrlKwSetToVoiceCommand},
        FlagRefusal{"ClearBarcodeWhileForAll", 27, {BarcodeForAll(T)}, Barcode(0, F), dpmCtrlKwSetToBarcode},
        FlagRefusal{"ClearMandatoryOfBarcodeKeyword", 27, {Barcode(1)}, Mandatory(1, F), dpmCtrlKwSetToBarcode},
        FlagRefusal{"ClearMandatoryOfVoiceKeyword", 27, {Voice(2)}, Mandatory(2, F), dpmCtrlKwSetToVoiceCommand},
        FlagRefusal{"ClearMandatoryWhileKeywordsRequired", 27, {RequiredInput(dpmRequiredInputKeywords)},
                    Mandatory(0, F), E_INVALIDARG},
        FlagRefusal{"MandatoryOnModelWithout", 5, {}, Mandatory(0, T), dpmCtrlNotSupported}),
    [](const auto& info) { return std::string(info.param.what); });

struct Consequence {
  const char* what;
  std::vector<Step> steps;
  std::vector<bool> mandatory;  // of the five keywords of a DPM4_8200 afterwards
};

// Test names and messages show the row, not its bytes.
void PrintTo(const Consequence& row, std::ostream* out) { *out << row.what; }

class MandatoryConsequence : public KeywordRules, public ::testing::WithParamInterface<Consequence> {};

TEST_P(MandatoryConsequence, IsReadBackAndCommitted) {
  Connect(27);
  Apply(GetParam().steps);
  const Flags flags = FlagsOf(settings.Get());
  EXPECT_EQ(flags.mandatory, GetParam().mandatory);
  ASSERT_EQ(device->SetDeviceSettings(settings.Get()), S_OK);
  EXPECT_EQ(FlagsOf(SettingsOf(device.Get()).Get()), flags);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, MandatoryConsequence,
    ::testing::Values(
        Consequence{"VoiceMakesMandatory", {Voice(2)}, {false, false, true, false, false}},
        Consequence{"VoiceOffReleases", {Voice(2), Voice(2, F)}, {false, false, false, false, false}},
        Consequence{"BarcodeMakesMandatory", {Barcode(1)}, {false, true, false, false, false}},
        Consequence{"BarcodeForAll", {BarcodeForAll(T)}, {true, true, true, true, true}},
        Consequence{"BarcodeForAllOff", {BarcodeForAll(T), BarcodeForAll(F)}, {false, false, false, false, false}},
        Consequence{"KeywordsRequired", {RequiredInput(dpmRequiredInputKeywords)}, {true, true, true, true, true}},
        Consequence{"RequiredAwayKeepsInputMethods",
                    {Barcode(1), Voice(3), RequiredInput(dpmRequiredInputKeywords), RequiredInput(dpmRequiredInputNone)},
                    {false, true, false, true, false}},
        Consequence{"ChosenMandatoryStays", {Mandatory(4, T), Voice(2)}, {false, false, true, false, true}},
        // The write-all routine writes "barcode for all" and the required input back as they are.
        Consequence{"UnchangedSwitchesKeepTheKeywordFlags",
                    {Barcode(1), Mandatory(4, T), BarcodeForAll(F), RequiredInput(dpmRequiredInputNone),
                     RequiredInput(dpmRequiredInputInstruction)},
                    {false, true, false, false, true}}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(KeywordRules, TheToolShowsTheCommittedFlags) {
  Connect(27);
  Apply({Barcode(0), Voice(2), Mandatory(4, T)});
  ASSERT_EQ(device->SetDeviceSettings(settings.Get()), S_OK);
  ASSERT_EQ(Tool("show rec"), 0);
  const std::string shown = ToolOutput();
  for (const char* line : {"  keyword 1 \"Author\": barcode yes, voice command no, mandatory yes\n",
                           "  keyword 2 \"Worktype\": barcode no, voice command no, mandatory no\n",
                           "  keyword 3 \"Subject\": barcode no, voice command yes, mandatory yes\n",
                           "  keyword 5 \"Client\": barcode no, voice command no, mandatory yes\n"}) {
    EXPECT_NE(shown.find(line), std::string::npos) << line << shown;
  }
}

struct ValueRefusal {
  const char* what;
  LONG type;
  std::vector<Step> before;
  LONG keyword;
  LONG row;  // -1: the keyword's name
  std::u16string text;
  HRESULT expected;
};

// Test names and messages show the row, not its bytes.
void PrintTo(const ValueRefusal& row, std::ostream* out) { *out << row.what; }

class KeywordText : public KeywordRules, public ::testing::WithParamInterface<ValueRefusal> {
 protected:
  // The text at the row's place; empty where there is no such place.
  std::u16string Read() {
    Bstr text;
    const ValueRefusal& row = GetParam();
    if (row.row < 0) settings->get_KeywordUsageString(row.keyword, text.Receive());
    else settings->get_KeywordContentString(row.keyword, row.row, text.Receive());
    return std::u16string(text.View());
  }
};

TEST_P(KeywordText, IsTakenOrRefusedWithItsCode) {
  const ValueRefusal& row = GetParam();
  Connect(row.type);
  Apply(row.before);
  const std::u16string before = Read();
  Bstr text{std::u16string_view(row.text)};
  EXPECT_EQ(row.row < 0 ? settings->put_KeywordUsageString(row.keyword, text.Get())
                        : settings->put_KeywordContentString(row.keyword, row.row, text.Get()),
            row.expected);
  EXPECT_EQ(Read(), SUCCEEDED(row.expected) ? row.text : before);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, KeywordText,
    ::testing::Values(
        ValueRefusal{"ValueAtTheOldModelsLimit", 0, {}, 0, 1, u"ABCDEFGHIJKLMNOP", S_OK},
        ValueRefusal{"ValuePastTheOldModelsLimit", 0, {}, 0, 1, u"ABCDEFGHIJKLMNOPQ", dpmCtrlMaximumReached},
        ValueRefusal{"ValuePastTheDpm4Limit", 27, {}, 1, 99, u"ABCDEFGHIJKLMNOPQRSTU", dpmCtrlMaximumReached},
        ValueRefusal{"NamePastTheDpm4Limit", 27, {}, 2, -1, u"ABCDEFGHIJKLMNOPQ", dpmCtrlMaximumReached},
        ValueRefusal{"EuroSign", 27, {}, 0, 0, u"5 \u20AC", dpmCtrlInvalidCharacter},
        ValueRefusal{"UmlautOnAsciiDisplay", 0, {}, 0, 0, u"M\u00FCller", dpmCtrlInvalidCharacter},
        ValueRefusal{"UmlautOnLatinDisplay", 27, {}, 0, 0, u"M\u00FCller", S_OK},
        ValueRefusal{"LineBreak", 27, {}, 3, 7, u"a\nb", dpmCtrlInvalidCharacter},
        ValueRefusal{"NameOfFixedNames", 6, {}, 0, -1, u"Doctor", dpmCtrlNotSupported},
        ValueRefusal{"RowPastTheModel", 0, {}, 0, 10, u"x", E_INVALIDARG},
        ValueRefusal{"LinkedRowWithoutFirstKeyword", 27, {LinkKeywords()}, 2, 5, u"Memo", dpmCtrlKeywordsLinked}),
    [](const auto& info) { return std::string(info.param.what); });

}  // namespace
