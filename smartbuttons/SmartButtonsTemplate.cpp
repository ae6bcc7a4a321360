// SPDX-License-Identifier: GPL-3.0-or-later
#include "smartbuttons/SmartButtonsTemplate.h"

#include "smartbuttons/SmartButtonsIds.h"

namespace {

// Each list's index is the code stored in the record (audio quality excepted, see CSmartButtons).
const std::vector<std::string> kFunctions{
    "Blank",        "Key Word Field 1", "Key Word Field 2", "Key Word Field 3", "Key Word Field 4", "Priority",
    "EOL",          "File Info",        "Profile Menu",     "Main Menu",        "Index Marker",     "Instruction",
    "Delete File",  "New File",         "Scan Barcode",     "Edit Mode",        "Mute Speaker",     "Playback Speed"};
const std::vector<std::string> kDisplayContents{
    "Blank Field",      "Key Word Field 1", "Key Word Field 2", "Key Word Field 3",  "Key Word Field 4",
    "Key Word Field 5", "Barcode Data",     "Date and Time",    "Creation Data Time"};
const std::vector<std::string> kProfiles{"Dictation Profile", "Speech Recognition Profile", "Meeting Profile",
                                         "Personal Profile"};
const std::vector<std::string> kPositions{"Desktop", "Hand Held"};
const std::vector<std::string> kSensitivities{"Low", "Medium", "High"};
const std::vector<std::string> kAudioQualities{"Standard Play (DSS)", "Quality Play (DS2)", "Mp3 Stereo (MP3)"};

const char* const kStateNames[kDpmRecorderStates] = {"Stopped New", "Stopped", "Record", "Record Standby",
                                                     "Play Back"};
const char* const kButtonNames[kDpmSmartButtons] = {"Left Button", "Middle Button", "Right Button"};
constexpr int kButtonX[kDpmSmartButtons] = {78, 270, 464};
constexpr int kStateY[kDpmRecorderStates] = {42, 60, 78, 96, 114};

// Heights of combo boxes include their dropped list.
ControlTemplate DropDown(int id, int x, int y, int cx, int cy, const std::vector<std::string>& entries) {
  return ComboBox(id, x, y, cx, cy, CBS_DROPDOWN).Entries(entries);
}

void AddSmartButtonGrid(std::vector<ControlTemplate>& controls) {
  controls.push_back(GroupBox("Smart Buttonss", 4, 2, 645, 130));
  controls.push_back(GroupBox("Recorder State", 8, 26, 66, 104));
  for (int b = 0; b < kDpmSmartButtons; ++b) controls.push_back(CText(kButtonNames[b], kButtonX[b], 26, 183, 8));
  for (int s = 0; s < kDpmRecorderStates; ++s) {
    controls.push_back(LText(kStateNames[s], 13, kStateY[s] + 3, 58, 8));
    for (int b = 0; b < kDpmSmartButtons; ++b) {
      // Every cell shares its row's label; the button's name tells a screen reader which cell it is.
      controls.push_back(DropDown(kSmartButtonComboIds[b][s], kButtonX[b], kStateY[s], 183, 160, kFunctions)
                             .Label(std::string(kStateNames[s]) + ", " + kButtonNames[b]));
    }
  }
}

void AddDisplayAreas(std::vector<ControlTemplate>& controls) {
  constexpr int kAreaY[kDpmDisplayAreas] = {153, 174, 198, 222};
  controls.push_back(GroupBox("Display Area Mapping", 4, 134, 164, 118));
  for (int a = 0; a < kDpmDisplayAreas; ++a) {
    const int width = a == 3 ? 141 : 140;
    controls.push_back(DropDown(kDisplayAreaComboIds[a], 18, kAreaY[a], width, 100, kDisplayContents)
                           .Label("Display Area " + std::to_string(a + 1)));
  }
}

void AddProfiles(std::vector<ControlTemplate>& controls) {
  controls.push_back(GroupBox("DPM4 Recording Profiles", 172, 134, 272, 118));
  controls.push_back(LText("Recording Profile", 178, 153, 82, 8));
  controls.push_back(DropDown(IDC_RECORDING_PROFILE, 263, 150, 151, 60, kProfiles));
  controls.push_back(LText("Device Position", 178, 171, 82, 8));
  controls.push_back(DropDown(IDC_DEVICE_POSITION, 263, 168, 132, 40, kPositions));
  controls.push_back(LText("Microphone Direction ", 178, 189, 82, 8));
  controls.push_back(RadioButton(IDC_MIC_UNI_DIRECTIONAL, "Uni Directional", 263, 187, 61, 10).Group().Style(WS_TABSTOP));
  // 71 rather than 67 wide: the dialog font's substitute is wider, and 67 clips the caption's last letter.
  controls.push_back(RadioButton(IDC_MIC_OMNI_DIRECTIONAL, "Omni Directional", 331, 187, 71, 10));
  controls.push_back(LText("Microphone Sensetivity", 178, 207, 82, 8));
  controls.push_back(DropDown(IDC_MIC_SENSITIVITY, 263, 204, 79, 50, kSensitivities));
  controls.push_back(LText("Audio Quality", 178, 231, 82, 8));
  controls.push_back(DropDown(IDC_AUDIO_QUALITY, 263, 228, 108, 50, kAudioQualities));
  controls.push_back(PushButton(IDC_SAVE_SETTINGS, "Save Settings", 377, 228, 60, 14));
}

DialogTemplate MakeTemplate() {
  DialogTemplate t{.id = IDD_SMART_BUTTONS,
                   .caption = "DPM4 Profile and Smart Buttons Setup",
                   .cx = 652,
                   .cy = 258,
                   .fontFace = "MS Shell Dlg",
                   .pointSize = 8,
                   .style = DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU,
                   .exStyle = 0,
                   .controls = {}};
  AddSmartButtonGrid(t.controls);
  AddDisplayAreas(t.controls);
  AddProfiles(t.controls);
  t.controls.push_back(GroupBox("Instructions", 450, 134, 198, 88));
  t.controls.push_back(CText("Here you can customize the role and behaviour of the Smart buttons 1-3 on the selected "
                             "recorder to meet your personal requirements in Stop New, Stop, Record, Record Standby "
                             "and Playback mode. ",
                             458, 152, 182, 60));
  t.controls.push_back(PushButton(IDCANCEL, "Cancel", 480, 228, 62, 24));
  t.controls.push_back(DefPushButton(IDOK, "OK", 564, 228, 62, 24));
  return t;
}

}  // namespace

const DialogTemplate& SmartButtonsTemplate() {
  static const DialogTemplate kTemplate = MakeTemplate();
  return kTemplate;
}
