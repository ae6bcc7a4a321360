#include "app/MainDlgTemplate.h"

#include "app/Resources.h"

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
      PushButton(1000, "Initialize", 5, 15, 73, 22),
      PushButton(1015, "Setup Device", 6, 44, 72, 24),
      PushButton(1199, "Format/Set Time", 6, 74, 72, 24),
      DefPushButton(IDOK, "Exit", 184, 105, 74, 23),
      GroupBox("Instructions", 88, 12, 170, 89),
      LText("To use this program first connect the device and then press the Inialize button then press "
            "the Setup Device. On the next screen you can set up some global settings for the device, "
            "User Name, Worktype, Subject, ect...",
            98, 27, 154, 65),
      LText("", 120, 68, 63, 10, 1163),
      CText("Setup for Orvane DPM_9350 to DPM4-8500", 6, 108, 174, 18).Style(SS_SUNKEN),

      PushButton(1001, "Deinitialize", 280, 6, 60, 14).Hidden(),
      ListBox(1002, 280, 24, 120, 60).Hidden(),
      PushButton(1014, "Clear", 404, 24, 30, 14).Hidden(),
      ListBox(1012, 280, 88, 120, 60).Hidden(),
      PushButton(1013, "Clear", 404, 88, 30, 14).Hidden(),
      Edit(1003, 440, 6, 120, 12).Hidden(),
      PushButton(1005, "...", 564, 6, 16, 12).Hidden(),
      PushButton(1105, "...", 584, 6, 16, 12).Hidden(),
      ListBox(1104, 440, 22, 160, 60).Hidden(),
      Edit(1004, 440, 86, 120, 12).Hidden(),
      PushButton(1006, "...", 564, 86, 16, 12).Hidden(),
      ListBox(1106, 440, 102, 160, 60).Hidden(),
      PushButton(1007, "Copy", 610, 6, 60, 14).Hidden(),
      PushButton(1008, "Move", 610, 22, 60, 14).Hidden(),
      PushButton(1009, "Delete", 610, 38, 60, 14).Hidden(),
      AutoCheckBox(1010, "Delayed", 610, 54, 60, 10).Hidden(),
      PushButton(1011, "Start Delayed Tasks", 610, 68, 80, 14).Hidden(),
      PushButton(1109, "Cancel current Task(s)", 610, 84, 80, 14).Hidden(),
      ComboBox(1050, 700, 6, 110, 80)
          .Entries({"PCM_16kHz_16bit_mono", "PCM_8kHz_16bit_mono", "OrvaneCELP_16kHz_16bit",
                    "OrvaneCELP_8kHz_16bit", "SycomCELP_11kHz", "Custom"})
          .Hidden(),
      PushButton(1017, "Convert", 700, 22, 50, 14).Hidden(),
      PushButton(1018, "Decrypt", 754, 22, 50, 14).Hidden(),
      PushButton(1107, "Select Custom", 700, 38, 60, 14).Hidden(),
      LText("", 764, 40, 60, 8, 1108).Hidden(),
      LText("Pwd:", 700, 56, 20, 8).Hidden(),
      Edit(1019, 722, 54, 80, 12).Hidden(),
      PushButton(1020, "SeparateSpokenInstructions", 700, 70, 110, 14).Hidden(),
      AutoCheckBox(1021, "Is Dictation", 700, 86, 60, 10).Hidden(),
      AutoCheckBox(1022, "Is Instruction", 764, 86, 60, 10).Hidden(),
      Edit(1188, 700, 100, 80, 12).Hidden(),
      PushButton(1187, "New file", 784, 100, 40, 12).Hidden(),
      ComboBox(1084, 700, 116, 120, 80)
          .Entries({"dpmStandardPlayNoSilenceComp", "dpmStandardPlayWithSilenceComp", "dpmLongPlayNoSilenceComp",
                    "dpmTSLongPLayNoSilenceComp", "dpmTSLongPLayWithSilenceComp", "dpmQualityPlayNoSilenceComp"})
          .Hidden(),
      PushButton(1049, "get_IDPMFileInfo", 280, 152, 70, 14).Hidden(),
      LText("", 354, 154, 60, 8, 1155).Hidden(),
      PushButton(1156, "get", 418, 152, 20, 14).Hidden(),
  };
  return t;
}

}  // namespace

const DialogTemplate& MainDlgTemplate() {
  static const DialogTemplate kTemplate = MakeTemplate();
  return kTemplate;
}
