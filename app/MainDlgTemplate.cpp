// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainDlgTemplate.h"

#include "app/MainDlgIds.h"

namespace {

// The controls a user reaches, then the file-task controls, which are created hidden and never shown.
DialogTemplate MakeTemplate() {
  DialogTemplate t{.id = IDD_MARNCTRL_DIALOG,
                   .caption = "Selvarin Quorvel Version 2.0",
                   .cx = 269,
                   .cy = 131,
                   .style = DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU,
                   .exStyle = WS_EX_APPWINDOW,
                   .controls = {}};
  t.controls = {
      PushButton(IDC_INITIALIZE, "Initialize", 5, 15, 73, 22),
      PushButton(IDC_SETUP_DEVICE, "Setup Device", 6, 44, 72, 24),
      PushButton(IDC_FORMAT_SET_TIME, "Format/Set Time", 6, 74, 72, 24),
      DefPushButton(IDOK, "Exit", 184, 105, 74, 23),
      GroupBox("Instructions", 88, 12, 170, 89),
      LText("To use this program first connect the device and then press the Inialize button then press "
            "the Setup Device. On the next screen you can set up some global settings for the device, "
            "User Name, Worktype, Subject, ect...",
            98, 27, 154, 65),
      LText("", 120, 68, 63, 10, IDC_SCANNER_STATUS),
      CText("Setup for Orvane DPM_9350 to DPM4-8500", 6, 108, 174, 18).Style(SS_SUNKEN),

      PushButton(IDC_DEINITIALIZE, "Deinitialize", 280, 6, 60, 14).Hidden(),
      ListBox(IDC_RESULT_LOG, 280, 24, 120, 60).Hidden(),
      PushButton(IDC_CLEAR_RESULT_LOG, "Clear", 404, 24, 30, 14).Hidden(),
      ListBox(IDC_EVENT_LOG, 280, 88, 120, 60).Hidden(),
      PushButton(IDC_CLEAR_EVENT_LOG, "Clear", 404, 88, 30, 14).Hidden(),
      Edit(IDC_SOURCE_PATH, 440, 6, 120, 12).Hidden(),
      PushButton(IDC_BROWSE_SOURCE_FILE, "...", 564, 6, 16, 12).Hidden(),
      PushButton(IDC_BROWSE_SOURCE_FOLDER, "...", 584, 6, 16, 12).Hidden(),
      ListBox(IDC_SOURCE_FILES, 440, 22, 160, 60).Hidden(),
      Edit(IDC_DEST_PATH, 440, 86, 120, 12).Hidden(),
      PushButton(IDC_BROWSE_DEST_FOLDER, "...", 564, 86, 16, 12).Hidden(),
      ListBox(IDC_DEST_FILES, 440, 102, 160, 60).Hidden(),
      PushButton(IDC_COPY, "Copy", 610, 6, 60, 14).Hidden(),
      PushButton(IDC_MOVE, "Move", 610, 22, 60, 14).Hidden(),
      PushButton(IDC_DELETE, "Delete", 610, 38, 60, 14).Hidden(),
      AutoCheckBox(IDC_DELAYED, "Delayed", 610, 54, 60, 10).Hidden(),
      PushButton(IDC_START_DELAYED_TASKS, "Start Delayed Tasks", 610, 68, 80, 14).Hidden(),
      PushButton(IDC_CANCEL_TASKS, "Cancel current Task(s)", 610, 84, 80, 14).Hidden(),
      ComboBox(IDC_CONVERSION_FORMAT, 700, 6, 110, 80)
          .Entries({"PCM_16kHz_16bit_mono", "PCM_8kHz_16bit_mono", "OrvaneCELP_16kHz_16bit",
                    "OrvaneCELP_8kHz_16bit", "SycomCELP_11kHz", "Custom"})
          .Hidden(),
      PushButton(IDC_CONVERT, "Convert", 700, 22, 50, 14).Hidden(),
      PushButton(IDC_DECRYPT, "Decrypt", 754, 22, 50, 14).Hidden(),
      PushButton(IDC_SELECT_CUSTOM_FORMAT, "Select Custom", 700, 38, 60, 14).Hidden().Disabled(),
      LText("", 764, 40, 60, 8, IDC_CUSTOM_FORMAT_NAME).Hidden(),
      LText("Pwd:", 700, 56, 20, 8).Hidden(),
      Edit(IDC_PASSWORD, 722, 54, 80, 12).Hidden(),
      PushButton(IDC_SEPARATE_SPOKEN_INSTRUCTIONS, "SeparateSpokenInstructions", 700, 70, 110, 14).Hidden(),
      AutoCheckBox(IDC_IS_DICTATION, "Is Dictation", 700, 86, 60, 10).Hidden(),
      AutoCheckBox(IDC_IS_INSTRUCTION, "Is Instruction", 764, 86, 60, 10).Hidden(),
      Edit(IDC_NEW_FILE_NAME, 700, 100, 80, 12).Hidden(),
      PushButton(IDC_NEW_FILE, "New file", 784, 100, 40, 12).Hidden(),
      ComboBox(IDC_RECORDING_FORMAT, 700, 116, 120, 80)
          .Entries({"dpmStandardPlayNoSilenceComp", "dpmStandardPlayWithSilenceComp", "dpmLongPlayNoSilenceComp",
                    "dpmTSLongPLayNoSilenceComp", "dpmTSLongPLayWithSilenceComp", "dpmQualityPlayNoSilenceComp"})
          .Hidden(),
      PushButton(IDC_GET_FILE_INFO, "get_IDPMFileInfo", 280, 152, 70, 14).Hidden(),
      LText("", 354, 154, 60, 8, IDC_DEVICE_STATUS).Hidden(),
      PushButton(IDC_GET_STATUS, "get", 418, 152, 20, 14).Hidden(),
  };
  return t;
}

}  // namespace

const DialogTemplate& MainDlgTemplate() {
  static const DialogTemplate kTemplate = MakeTemplate();
  return kTemplate;
}
