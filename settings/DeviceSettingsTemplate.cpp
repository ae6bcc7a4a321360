// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/DeviceSettingsTemplate.h"

#include "settings/DeviceSettingsIds.h"
#include "settings/DeviceSettingsLists.h"

namespace {

// Grids: the names grid is one row without a header, the values grid below it carries the headings.
constexpr DWORD kNamesGridStyle = LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_NOSCROLL | LVS_NOSORTHEADER | LVS_EDITLABELS;
constexpr DWORD kValuesGridStyle = LVS_REPORT | LVS_NOSORTHEADER | LVS_EDITLABELS;

// The layout of the platform's narrow dialog font. The wider font drawn here clips nine captions at the
// sizes of that layout (seen at scales 1, 1.5 and 2), so they get the room to their right: 1079, 1158,
// 1078, 1080, 1081, 1087, 1089 and the "Microphone Sensitivity:" static. 1160 would pass the dialog's right
// edge, so it also starts 6 units further left.
std::vector<ControlTemplate> VisibleControls() {
  return {
      GroupBox("Keywords", 271, 0, 152, 66),
      AutoCheckBox(IDC_DLS_BUTTON_ENABLED, "Smart Buttons", 5, 6, 77, 13),
      AutoCheckBox(IDC_PROTECT_DEVICE, "Protect Configuration", 87, 5, 90, 13),
      AutoCheckBox(IDC_EOL_BUTTON_ENABLED, "End of Letter Button", 180, 5, 88, 13),
      LText("                    Barcode     Voice     Mandatory", 275, 13, 142, 11),
      AutoCheckBox(IDC_DEVICE_BEEP, "Beginning/End Beep", 5, 19, 81, 13),
      AutoCheckBox(IDC_RECORD_NOTIFY, "Record Beep", 87, 20, 57, 10),
      AutoCheckBox(IDC_PRO_MODE, "Pro Mode", 180, 19, 77, 13),
      LText("Keyword 2", 275, 27, 38, 8),
      AutoCheckBox(IDC_KEYWORD_BARCODE_FIRST + 1, "", 328, 24, 15, 13).Label("Keyword 2 Barcode"),
      AutoCheckBox(IDC_KEYWORD_VOICE_FIRST + 1, "", 360, 24, 12, 13).Label("Keyword 2 Voice"),
      AutoCheckBox(IDC_KEYWORD_MANDATORY_FIRST + 1, "", 394, 24, 11, 13).Label("Keyword 2 Mandatory"),
      AutoCheckBox(IDC_PLUS_BUTTON_ENABLED, "Enable Button (+)", 5, 35, 71, 10),
      AutoCheckBox(IDC_MINUS_BUTTON_ENABLED, "Enable Button (-)", 87, 34, 69, 10),
      LText("Keyword 3", 275, 40, 38, 8),
      AutoCheckBox(IDC_KEYWORD_BARCODE_FIRST + 2, "", 328, 36, 15, 13).Label("Keyword 3 Barcode"),
      AutoCheckBox(IDC_KEYWORD_VOICE_FIRST + 2, "", 360, 36, 15, 13).Label("Keyword 3 Voice"),
      AutoCheckBox(IDC_KEYWORD_MANDATORY_FIRST + 2, "", 394, 36, 13, 13).Label("Keyword 3 Mandatory"),
      LText("Date/Time Format", 5, 50, 69, 12),
      RadioButton(IDC_DATE_TIME_AM_PM, "AM/PM", 91, 47, 40, 14).Group().Style(WS_TABSTOP),
      RadioButton(IDC_DATE_TIME_24_HOURS, "24 Hours", 143, 47, 50, 14),
      LText("Keyword 4", 276, 53, 38, 8),
      AutoCheckBox(IDC_KEYWORD_BARCODE_FIRST + 3, "", 328, 48, 15, 13).Label("Keyword 4 Barcode"),
      AutoCheckBox(IDC_KEYWORD_VOICE_FIRST + 3, "", 360, 48, 15, 13).Label("Keyword 4 Voice"),
      AutoCheckBox(IDC_KEYWORD_MANDATORY_FIRST + 3, "", 394, 48, 18, 13).Label("Keyword 4 Mandatory"),
      LText("Display Appearance:", 5, 65, 69, 12),
      RadioButton(IDC_APPEARANCE_CLASSIC, "Classic", 91, 63, 43, 14).Group().Style(WS_TABSTOP),
      RadioButton(IDC_APPEARANCE_ADVANCED, "Advanced", 143, 63, 49, 14),
      AutoCheckBox(IDC_SCAN_KEYWORDS_FROM_BARCODE, "Use Barcode for all Keywords", 306, 66, 117, 13),
      LText("Microphone Sensitivity:", 5, 80, 85, 12),
      RadioButton(IDC_SENSITIVITY_LOW, "Low", 91, 78, 31, 14).Group().Style(WS_TABSTOP),
      RadioButton(IDC_SENSITIVITY_MEDIUM, "Medium", 143, 77, 43, 14),
      RadioButton(IDC_SENSITIVITY_HIGH, "High", 198, 77, 31, 14),
      LText("Barcode Scan Button:", 240, 84, 72, 12),
      ComboBox(IDC_BARCODE_SCAN_BUTTON, 331, 83, 92, 97).Entries(BarcodeScanButtonEntries()),
      LText("Filename Prefix:", 6, 94, 68, 12),
      RadioButton(IDC_PREFIX_KEYWORD1, "Keyword 1", 91, 92, 52, 14).Group().Style(WS_TABSTOP),
      RadioButton(IDC_PREFIX_STRING, "String:", 144, 91, 37, 14),
      Edit(IDC_PREFIX_TEXT, 181, 92, 50, 15).Label("Filename Prefix String"),
      LText("Barcode Mode:", 240, 97, 78, 12),
      ComboBox(IDC_BARCODE_MODE, 331, 96, 92, 32).Entries(BarcodeModeEntries()),
      LText("VoiceCommandType:", 240, 111, 72, 10),
      ComboBox(IDC_VOICE_COMMAND_TYPE, 331, 109, 92, 32).Entries(VoiceCommandTypeEntries()),
      LText("Slide Switch", 6, 113, 65, 8),
      ComboBox(IDC_FOUR_POS_SWITCH, 74, 110, 119, 32).Entries(FourPosSwitchEntries()),
      LText("Recording Mode", 239, 125, 54, 12),
      ComboBox(IDC_RECORDING_MODE, 298, 123, 125, 50).Entries(RecordingModeEntries()),
      LText("Function Key:", 6, 126, 64, 12),
      ComboBox(IDC_FUNCTION_KEY, 74, 124, 119, 32).Entries(FunctionKeyEntries()),
      PushButton(IDC_DPM4_SETTINGS, "DPM4 Settings (8000)", 6, 141, 133, 16),
      PushButton(IDC_RESET_JOB_COUNTER, "Reset Job Counter", 339, 139, 83, 16),
      ListView(IDC_KEYWORD_NAMES, 7, 162, 416, 12, kNamesGridStyle).Label("Keyword names"),
      ListView(IDC_KEYWORD_VALUES, 8, 178, 415, 160, kValuesGridStyle | WS_VSCROLL).Label("Keyword values"),
      ListBox(IDC_MESSAGE_LIST, 8, 339, 415, 26).Label("Messages"),
      PushButton(IDC_READ_FROM_DEVICE, "Read From Device", 5, 370, 79, 15),
      PushButton(IDC_WRITE_TO_DEVICE, "Write To Device", 87, 370, 75, 15),
      PushButton(IDC_IMPORT_SETTINGS, "Import Settings", 174, 370, 90, 14),
      PushButton(IDC_EXPORT_SETTINGS, "Export Settings", 270, 370, 90, 14),
      DefPushButton(IDOK, "OK", 372, 370, 50, 14),
  };
}

// Never shown: they lie beyond the dialog's right edge, where it would grow to hold them.
std::vector<ControlTemplate> HiddenControls() {
  constexpr int x = 440;
  return {
      LText("Device-MAC:", x, 6, 60, 8).Hidden(),
      Edit(IDC_MAC_ADDRESS, x + 64, 4, 80, 12, ES_AUTOHSCROLL | ES_READONLY).Hidden(),
      LText("Firmware:", x, 20, 60, 8).Hidden(),
      Edit(IDC_FIRMWARE_VERSION, x + 64, 18, 80, 12, ES_AUTOHSCROLL | ES_READONLY).Hidden(),
      LText("File Counter:", x, 34, 60, 8).Hidden(),
      Edit(IDC_FILE_COUNTER, x + 64, 32, 80, 12, ES_AUTOHSCROLL | ES_NUMBER).Hidden(),
      AutoCheckBox(IDC_VOICE_ACTIVATION, "Voice Activation", x, 46, 100, 10).Hidden(),
      LText("Download Mode:", x, 60, 60, 8).Hidden(),
      Edit(IDC_DOWNLOAD_MODE, x + 64, 58, 80, 12, ES_AUTOHSCROLL | ES_NUMBER).Hidden(),
      LText("Download Filter:", x, 74, 60, 8).Hidden(),
      Edit(IDC_DOWNLOAD_FILTER, x + 64, 72, 80, 12, ES_AUTOHSCROLL | ES_NUMBER).Hidden(),
      LText("Keyword1 String:", x, 88, 60, 8).Hidden(),
      Edit(IDC_KEYWORD1_STRING, x + 64, 86, 80, 12).Hidden(),
      AutoCheckBox(IDC_DELETE_FILES_AFTER_DOWNLOAD, "Delete Files After Download", x, 100, 120, 10).Hidden(),
      LText("File Counter Source:", x, 114, 60, 8).Hidden(),
      ComboBox(IDC_FILE_COUNTER_SOURCE, x + 64, 112, 120, 40, CBS_DROPDOWNLIST | CBS_SORT)
          .Entries(FileCounterSourceEntries())
          .Hidden(),
      LText("Required Input Type:", x, 128, 60, 8).Hidden(),
      ComboBox(IDC_REQUIRED_INPUT_TYPE, x + 64, 126, 120, 60).Entries(RequiredInputTypeEntries()).Hidden(),
      LText("Total Time Type:", x, 142, 60, 8).Hidden(),
      ComboBox(IDC_TOTAL_TIME_TYPE, x + 64, 140, 120, 40).Entries(TotalTimeTypeEntries()).Hidden(),
      LText("User String Count:", x, 156, 60, 8).Hidden(),
      Edit(IDC_USER_STRING_COUNT, x + 64, 154, 80, 12, ES_AUTOHSCROLL | ES_NUMBER).Hidden(),
      AutoCheckBox(IDC_DEL_BUTTON_ENABLED, "Delete Button", x, 168, 100, 10).Hidden().Disabled(),
      AutoCheckBox(IDC_INSERT_BUTTON_ENABLED, "Insert Button Enabled", x, 180, 100, 10).Hidden().Disabled(),
      AutoCheckBox(IDC_LINK_KEYWORDS, "Link Keywords", x, 192, 100, 10).Hidden(),
      AutoCheckBox(IDC_ONE_FILE, "One File", x, 204, 100, 10).Hidden(),
      LText("OS:", x, 218, 60, 8).Hidden(),
      ComboBox(IDC_OS, x + 64, 216, 120, 80).Entries(OsEntries()).Hidden(),
      AutoCheckBox(IDC_NOISE_REDUCTION, "Noise Reduction", x, 230, 100, 10).Hidden(),
      AutoCheckBox(IDC_RECORD_LEVEL_IND, "Record Level Ind", x, 242, 100, 10).Hidden(),
      AutoCheckBox(IDC_PROHIBIT_FILE_ALTERATION, "Prohibit File Alteration", x, 254, 100, 10).Hidden(),
      LText("Kw 1", x, 268, 30, 8).Hidden(),
      AutoCheckBox(IDC_KEYWORD_BARCODE_FIRST, "", x + 53, 266, 15, 13).Label("Kw 1 Barcode").Hidden(),
      AutoCheckBox(IDC_KEYWORD_VOICE_FIRST, "", x + 85, 266, 15, 13).Label("Kw 1 Voice").Hidden(),
      AutoCheckBox(IDC_KEYWORD_MANDATORY_FIRST, "", x + 119, 266, 15, 13).Label("Kw 1 Mandatory").Hidden(),
      LText("Kw 5", x, 282, 30, 8).Hidden(),
      AutoCheckBox(IDC_KEYWORD_BARCODE_FIRST + 4, "", x + 53, 280, 15, 13).Label("Kw 5 Barcode").Hidden(),
      AutoCheckBox(IDC_KEYWORD_VOICE_FIRST + 4, "", x + 85, 280, 15, 13).Label("Kw 5 Voice").Hidden(),
      AutoCheckBox(IDC_KEYWORD_MANDATORY_FIRST + 4, "", x + 119, 280, 15, 13).Label("Kw 5 Mandatory").Hidden(),
  };
}

DialogTemplate MakeTemplate() {
  DialogTemplate t{.id = IDD_DEVICE_SETTINGS,
                   .caption = "Selvarin DPM Device Settings",
                   .cx = 427,
                   .cy = 390,
                   .fontFace = "MS Sans Serif",
                   .pointSize = 8,
                   .style = DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU,
                   .exStyle = 0,
                   .controls = VisibleControls()};
  for (ControlTemplate& hidden : HiddenControls()) t.controls.push_back(std::move(hidden));
  return t;
}

}  // namespace

const DialogTemplate& DeviceSettingsTemplate() {
  static const DialogTemplate t = MakeTemplate();
  return t;
}
