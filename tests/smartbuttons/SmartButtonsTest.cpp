// SPDX-License-Identifier: GPL-3.0-or-later
// The smart buttons dialog run modally, driven by real clicks, picks and typing on the offscreen platform.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <cstring>

#include "platform/ui/ScriptedHost.h"
#include "smartbuttons/SmartButtons.h"
#include "smartbuttons/SmartButtonsIds.h"
#include "tests/platform/ui/UiTestSupport.h"

namespace {

bool SameBytes(const SmartButtonSetup& a, const SmartButtonSetup& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// Every cell and area holds a different code, so a swapped id shows.
SmartButtonSetup DistinctSetup() {
  SmartButtonSetup setup{};
  for (int b = 0; b < kDpmSmartButtons; ++b)
    for (int s = 0; s < kDpmRecorderStates; ++s) setup.buttonFunction[b][s] = 3 + b * kDpmRecorderStates + s;
  for (int a = 0; a < kDpmDisplayAreas; ++a) setup.displayArea[a] = 5 + a;
  for (int p = 0; p < kDpmRecordingProfiles; ++p) setup.profile[p] = {dpmAudioQualityPlay, p % 3, {p % 2, 1 - p % 2}};
  return setup;
}

class SmartButtonsTest : public testing::Test {
 public:
  void TearDown() override { EXPECT_TRUE(host.Shown().empty()); }

  // Runs the dialog on `setup`; the interaction runs inside the modal loop and ends it.
  SmartButtonSetup Run(const SmartButtonSetup& setup, const std::function<void()>& interaction,
                       INT_PTR expected = IDOK) {
    dlg.SetSetup(setup);
    EXPECT_EQ(RunModal(dlg, interaction), expected);
    return dlg.GetSetup();
  }

  // Opens the combo's list and clicks the entry, as a user picks one.
  void Choose(int id, const std::string& entry) {
    auto* combo = Control<QComboBox>(dlg, id);
    ASSERT_NE(combo, nullptr) << id;
    const int index = combo->findText(QString::fromStdString(entry));
    ASSERT_GE(index, 0) << entry;
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(view->model()->index(index, 0)).center());
    ASSERT_FALSE(view->isVisible());
  }
  void Type(int id, const char* text) { QTest::keyClicks(Control<QComboBox>(dlg, id)->lineEdit(), text); }
  void Click(int id) { QTest::mouseClick(Control(dlg, id), Qt::LeftButton); }
  std::string Shown(int id) const { return dlg.GetDlgItem(id)->GetWindowText(); }
  std::string Direction() const {
    const bool uni = dlg.IsDlgButtonChecked(IDC_MIC_UNI_DIRECTIONAL) == BST_CHECKED;
    const bool omni = dlg.IsDlgButtonChecked(IDC_MIC_OMNI_DIRECTIONAL) == BST_CHECKED;
    return uni == omni ? "both or neither" : uni ? "Uni" : "Omni";
  }
  // The profile part of the dialog as a user reads it.
  std::vector<std::string> ShownProfile() const {
    return {Shown(IDC_RECORDING_PROFILE), Shown(IDC_DEVICE_POSITION), Shown(IDC_AUDIO_QUALITY),
            Shown(IDC_MIC_SENSITIVITY), Direction()};
  }

  ScriptedHost host;
  ScopedHost scopedHost{host};
  CSmartButtons dlg{nullptr};
};

using Texts = std::vector<std::string>;

TEST_F(SmartButtonsTest, AnAllZeroRecordShowsTheFirstEntryEverywhere) {
  const SmartButtonSetup result = Run({}, [&] {
    for (const auto& row : kSmartButtonComboIds)
      for (int id : row) EXPECT_EQ(Shown(id), "Blank") << id;
    for (int id : kDisplayAreaComboIds) EXPECT_EQ(Shown(id), "Blank Field") << id;
    EXPECT_EQ(ShownProfile(), (Texts{"Dictation Profile", "Desktop", "Standard Play (DSS)", "Low", "Uni"}));
    Click(IDOK);
  });
  EXPECT_TRUE(SameBytes(result, SmartButtonSetup{}));
}

TEST_F(SmartButtonsTest, OkHandsEveryCellBackWhereItCameFrom) {
  const SmartButtonSetup setup = DistinctSetup();
  const SmartButtonSetup result = Run(setup, [&] {
    EXPECT_EQ(Shown(IDC_STOPPED_NEW_LEFT), "Key Word Field 3");
    EXPECT_EQ(Shown(IDC_PLAY_BACK_RIGHT), "Playback Speed");  // 17, the last entry
    EXPECT_EQ(Shown(IDC_DISPLAY_AREA_4), "Creation Data Time");
    Click(IDOK);
  });
  EXPECT_TRUE(SameBytes(result, setup));
}

TEST_F(SmartButtonsTest, CodesOutsideTheListsShowEmptyAndComeBackAsMinusOne) {
  SmartButtonSetup setup = DistinctSetup();
  setup.buttonFunction[dpmSmartButtonMiddle][dpmStateRecord] = 18;
  setup.buttonFunction[dpmSmartButtonLeft][dpmStatePlayBack] = -7;
  setup.displayArea[2] = 9;
  const SmartButtonSetup result = Run(setup, [&] {
    for (int id : {IDC_RECORD_MIDDLE, IDC_PLAY_BACK_LEFT, IDC_DISPLAY_AREA_3}) EXPECT_EQ(Shown(id), "") << id;
    Type(IDC_STOPPED_RIGHT, "Priority");  // typed, not picked: no selection either
    Choose(IDC_RECORD_STANDBY_RIGHT, "Scan Barcode");
    Click(IDOK);
  });
  SmartButtonSetup expected = setup;
  expected.buttonFunction[dpmSmartButtonMiddle][dpmStateRecord] = -1;
  expected.buttonFunction[dpmSmartButtonLeft][dpmStatePlayBack] = -1;
  expected.displayArea[2] = -1;
  expected.buttonFunction[dpmSmartButtonRight][dpmStateStopped] = -1;
  expected.buttonFunction[dpmSmartButtonRight][dpmStateRecordStandby] = dpmSmartScanBarcode;
  EXPECT_TRUE(SameBytes(result, expected));
}

struct QualityCase {
  LONG stored;
  const char* shown;
  const char* chosen;
  LONG saved;
};
void PrintTo(const QualityCase& row, std::ostream* os) { *os << row.stored << " -> " << row.chosen; }

class AudioQualityTest : public SmartButtonsTest, public testing::WithParamInterface<QualityCase> {};

TEST_P(AudioQualityTest, ListIndexAndStoredCodeDiffer) {
  SmartButtonSetup setup{};
  setup.profile[dpmProfileMeeting].audioQuality = GetParam().stored;
  const SmartButtonSetup result = Run(setup, [&] {
    Choose(IDC_RECORDING_PROFILE, "Meeting Profile");
    EXPECT_EQ(Shown(IDC_AUDIO_QUALITY), GetParam().shown);
    Choose(IDC_AUDIO_QUALITY, GetParam().chosen);
    Click(IDC_SAVE_SETTINGS);
    EXPECT_EQ(Shown(IDC_AUDIO_QUALITY), GetParam().chosen);
    Click(IDOK);
  });
  EXPECT_EQ(result.profile[dpmProfileMeeting].audioQuality, GetParam().saved);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, AudioQualityTest,
    testing::Values(QualityCase{dpmAudioStandardPlay, "Standard Play (DSS)", "Mp3 Stereo (MP3)", dpmAudioMp3},
                    QualityCase{dpmAudioMp3, "Mp3 Stereo (MP3)", "Quality Play (DS2)", dpmAudioQualityPlay},
                    QualityCase{dpmAudioQualityPlay, "Quality Play (DS2)", "Standard Play (DSS)", dpmAudioStandardPlay},
                    QualityCase{5, "Standard Play (DSS)", "Standard Play (DSS)", dpmAudioStandardPlay}));

TEST_F(SmartButtonsTest, SaveKeepsTheOtherPositionsDirectionAndEachPositionShowsItsOwn) {
  SmartButtonSetup setup{};
  setup.profile[dpmProfileSpeechRecognition] = {dpmAudioStandardPlay, dpmSensitivityLow, {5, 0}};
  const SmartButtonSetup result = Run(setup, [&] {
    Choose(IDC_RECORDING_PROFILE, "Speech Recognition Profile");
    EXPECT_EQ(Direction(), "Omni");  // any non-zero direction is omni
    Choose(IDC_DEVICE_POSITION, "Hand Held");
    EXPECT_EQ(Direction(), "Uni");
    Click(IDC_MIC_OMNI_DIRECTIONAL);
    Choose(IDC_MIC_SENSITIVITY, "High");
    Click(IDC_SAVE_SETTINGS);
    EXPECT_EQ(ShownProfile(),
              (Texts{"Speech Recognition Profile", "Hand Held", "Standard Play (DSS)", "High", "Omni"}));
    Choose(IDC_DEVICE_POSITION, "Desktop");
    EXPECT_EQ(Direction(), "Omni");
    Click(IDC_MIC_UNI_DIRECTIONAL);  // not saved
    Choose(IDC_DEVICE_POSITION, "Hand Held");
    EXPECT_EQ(Direction(), "Omni");
    Click(IDOK);
  });
  SmartButtonSetup expected = setup;
  expected.profile[dpmProfileSpeechRecognition] = {dpmAudioStandardPlay, dpmSensitivityHigh, {5, 1}};
  EXPECT_TRUE(SameBytes(result, expected));
}

TEST_F(SmartButtonsTest, UnsavedProfileEditsAreDiscardedByProfileOrPositionChangesAndOk) {
  const SmartButtonSetup setup = DistinctSetup();
  const SmartButtonSetup result = Run(setup, [&] {
    const Texts stored = ShownProfile();
    EXPECT_EQ(stored, (Texts{"Dictation Profile", "Desktop", "Quality Play (DS2)", "Low", "Uni"}));
    Choose(IDC_AUDIO_QUALITY, "Mp3 Stereo (MP3)");
    Choose(IDC_MIC_SENSITIVITY, "High");
    Click(IDC_MIC_OMNI_DIRECTIONAL);
    Choose(IDC_DEVICE_POSITION, "Hand Held");
    EXPECT_EQ(ShownProfile(), (Texts{"Dictation Profile", "Hand Held", "Quality Play (DS2)", "Low", "Omni"}));
    Choose(IDC_AUDIO_QUALITY, "Mp3 Stereo (MP3)");
    Choose(IDC_RECORDING_PROFILE, "Personal Profile");
    Choose(IDC_RECORDING_PROFILE, "Dictation Profile");
    EXPECT_EQ(ShownProfile(), stored);  // back in Desktop, as stored
    Choose(IDC_MIC_SENSITIVITY, "Medium");
    Click(IDOK);
  });
  EXPECT_TRUE(SameBytes(result, setup));
}

TEST_F(SmartButtonsTest, ChoosingAProfileAlwaysShowsItOnTheDesktop) {
  const SmartButtonSetup setup = DistinctSetup();
  Run(setup, [&] {
    Choose(IDC_RECORDING_PROFILE, "Meeting Profile");
    Choose(IDC_DEVICE_POSITION, "Hand Held");
    Click(IDC_SAVE_SETTINGS);
    Choose(IDC_RECORDING_PROFILE, "Personal Profile");
    Choose(IDC_RECORDING_PROFILE, "Meeting Profile");
    EXPECT_EQ(ShownProfile(), (Texts{"Meeting Profile", "Desktop", "Quality Play (DS2)", "High", "Uni"}));
    Click(IDOK);
  });
}

struct CancelCase {
  const char* name;
  std::function<void(SmartButtonsTest&)> end;
};
void PrintTo(const CancelCase& row, std::ostream* os) { *os << row.name; }

class CancelTest : public SmartButtonsTest, public testing::WithParamInterface<CancelCase> {};

TEST_P(CancelTest, HandsTheRecordBackByteForByte) {
  const SmartButtonSetup setup = DistinctSetup();
  const SmartButtonSetup result = Run(
      setup,
      [&] {
        Choose(IDC_STOPPED_NEW_LEFT, "Main Menu");
        Type(IDC_DISPLAY_AREA_1, "x");
        Choose(IDC_AUDIO_QUALITY, "Mp3 Stereo (MP3)");
        Click(IDC_MIC_OMNI_DIRECTIONAL);
        Click(IDC_SAVE_SETTINGS);
        GetParam().end(*this);
      },
      IDCANCEL);
  EXPECT_TRUE(SameBytes(result, setup));
}

INSTANTIATE_TEST_SUITE_P(
    Ways, CancelTest,
    testing::Values(CancelCase{"CancelButton", [](SmartButtonsTest& t) { t.Click(IDCANCEL); }},
                    CancelCase{"Escape", [](SmartButtonsTest& t) {
                                 QTest::keyClick(Control(t.dlg, IDC_SAVE_SETTINGS), Qt::Key_Escape);
                               }}),
    [](const testing::TestParamInfo<CancelCase>& info) { return info.param.name; });

// Typed text leaves a combo without a selection; no index may then reach outside the record.
TEST_F(SmartButtonsTest, TypedProfileTextMakesProfilePositionAndSaveDoNothing) {
  const SmartButtonSetup setup = DistinctSetup();
  const SmartButtonSetup result = Run(setup, [&] {
    Choose(IDC_MIC_SENSITIVITY, "High");
    Type(IDC_RECORDING_PROFILE, "Mine");
    Choose(IDC_DEVICE_POSITION, "Hand Held");
    EXPECT_EQ(Direction(), "Uni");  // still Desktop's: the position change did nothing
    Click(IDC_SAVE_SETTINGS);
    EXPECT_EQ(Shown(IDC_MIC_SENSITIVITY), "High");
    Click(IDOK);
  });
  EXPECT_TRUE(SameBytes(result, setup));
}

TEST_F(SmartButtonsTest, TypedPositionSavesSensitivityAndQualityButNoDirection) {
  const SmartButtonSetup setup = DistinctSetup();
  const SmartButtonSetup result = Run(setup, [&] {
    Choose(IDC_RECORDING_PROFILE, "Speech Recognition Profile");
    Choose(IDC_DEVICE_POSITION, "Hand Held");
    Click(IDC_MIC_OMNI_DIRECTIONAL);
    Choose(IDC_MIC_SENSITIVITY, "High");
    Choose(IDC_AUDIO_QUALITY, "Mp3 Stereo (MP3)");
    Type(IDC_DEVICE_POSITION, "Pocket");
    Click(IDC_SAVE_SETTINGS);
    EXPECT_EQ(Shown(IDC_DEVICE_POSITION), "Hand Held");
    Click(IDOK);
  });
  SmartButtonSetup expected = setup;
  expected.profile[dpmProfileSpeechRecognition].micSensitivity = dpmSensitivityHigh;
  expected.profile[dpmProfileSpeechRecognition].audioQuality = dpmAudioMp3;
  EXPECT_TRUE(SameBytes(result, expected));
}

// A sensitivity that is no entry of the list is not one to store: the stored one stays. A typed
// quality is stored as Standard Play, the code every unknown quality shows as.
TEST_F(SmartButtonsTest, TypedSensitivityKeepsTheStoredOneAndTypedQualityIsStandardPlay) {
  SmartButtonSetup setup = DistinctSetup();
  setup.profile[dpmProfileDictation].micSensitivity = dpmSensitivityMedium;
  const SmartButtonSetup result = Run(setup, [&] {
    Type(IDC_MIC_SENSITIVITY, "Loud");
    Type(IDC_AUDIO_QUALITY, "Best");
    Click(IDC_SAVE_SETTINGS);
    EXPECT_EQ(Shown(IDC_MIC_SENSITIVITY), "Medium");
    Click(IDOK);
  });
  SmartButtonSetup expected = setup;
  expected.profile[dpmProfileDictation].audioQuality = dpmAudioStandardPlay;
  EXPECT_TRUE(SameBytes(result, expected));
}

}  // namespace
