#include "maintenance/DeviceDlgTemplate.h"

namespace {

// The controls a user can reach, then the hidden ones for further device operations, which nothing
// shows or enables; they lie where the window would grow to hold them.
DialogTemplate MakeTemplate() {
  DialogTemplate t{.id = IDD_DEVICE_DLG,
                   .caption = "Selvarin Quorvel",
                   .cx = 165,
                   .cy = 73,
                   .style = DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE,
                   .exStyle = 0,
                   .controls = {}};
  const std::vector<std::string> ledStates{"dpmLEDoff", "dpmLEDon", "dpmLEDblinkSlow", "dpmLEDblinkFast"};
  t.controls = {
      PushButton(1019, "Synchronize Date/Time", 6, 6, 79, 14),
      PushButton(1022, "Format Card", 90, 6, 67, 14),
      PushButton(1113, "Close", 102, 54, 54, 12),

      LText("Error:", 6, 80, 40, 8).Hidden(),
      ListBox(1044, 6, 90, 150, 40).Hidden(),
      Edit(1025, 170, 6, 60, 12).Hidden(),
      PushButton(1026, "get", 234, 6, 30, 12).Hidden(),
      Edit(1027, 170, 20, 60, 12).Hidden(),
      PushButton(1028, "get", 234, 20, 30, 12).Hidden(),
      Edit(1029, 170, 34, 60, 12).Hidden(),
      PushButton(1030, "get", 234, 34, 30, 12).Hidden(),
      Edit(1031, 170, 48, 60, 12).Hidden(),
      PushButton(1032, "get", 234, 48, 30, 12).Hidden(),
      PushButton(1110, "get_FileCount", 170, 62, 60, 12).Hidden(),
      LText("", 234, 62, 30, 8, 1111).Hidden(),
      PushButton(1045, "Refresh", 170, 76, 40, 12).Hidden(),
      ListBox(1033, 170, 90, 94, 40).Hidden(),
      Edit(1034, 270, 6, 90, 12).Hidden(),
      PushButton(1036, "...", 364, 6, 16, 12).Hidden(),
      PushButton(1035, "Put Welcome Screen", 270, 20, 80, 12).Hidden(),
      PushButton(1041, "DisplayScreen", 270, 34, 80, 12).Hidden(),
      PushButton(1020, "LED 1", 270, 48, 40, 12).Hidden(),
      ComboBox(1101, 314, 48, 70, 60).Entries(ledStates).Hidden(),
      PushButton(1021, "LED 2", 270, 62, 40, 12).Hidden(),
      ComboBox(1102, 314, 62, 70, 60).Entries(ledStates).Hidden(),
      Edit(1038, 270, 76, 90, 12).Hidden(),
      PushButton(1039, "get", 364, 76, 20, 12).Hidden(),
      Edit(1037, 270, 90, 90, 12).Hidden(),
      PushButton(1040, "get", 364, 90, 20, 12).Hidden(),
      PushButton(1042, "Device Capacilities", 390, 6, 80, 12).Hidden(),
      LText("", 390, 20, 150, 200, 1099).Hidden(),
      Edit(1046, 270, 104, 90, 12).Hidden(),
      PushButton(1047, "get", 364, 104, 20, 12).Hidden(),
      Edit(1185, 270, 118, 90, 12).Hidden(),
      PushButton(1049, "get", 364, 118, 20, 12).Hidden(),
      AutoCheckBox(1186, "PUK Set", 270, 132, 50, 10).Hidden(),
      PushButton(1048, "get", 364, 132, 20, 12).Hidden(),
      LText("PUK / Old Enc key", 6, 140, 70, 8).Hidden(),
      Edit(1052, 80, 140, 80, 12).Hidden(),
      PushButton(1053, "set", 164, 140, 20, 12).Hidden(),
      LText("PIN", 6, 154, 70, 8).Hidden(),
      Edit(1054, 80, 154, 80, 12).Hidden(),
      PushButton(1055, "set", 164, 154, 20, 12).Hidden(),
      LText("Encryption Password", 6, 168, 70, 8).Hidden(),
      Edit(1056, 80, 168, 80, 12).Hidden(),
      PushButton(1057, "set", 164, 168, 20, 12).Hidden(),
      LText("File on dpm", 6, 182, 70, 8).Hidden(),
      Edit(1058, 80, 182, 80, 12).Hidden(),
      PushButton(1059, "Del", 164, 182, 20, 12).Hidden(),
      PushButton(1043, "Setup Device", 190, 140, 60, 12).Hidden(),
      ComboBox(1192, 190, 154, 80, 60).Hidden(),
      Edit(1200, 274, 154, 50, 12).Hidden(),
      LText("Prefix:", 190, 168, 30, 8).Hidden(),
      Edit(1190, 222, 168, 100, 12).Hidden(),
      LText("Postfix:", 190, 182, 30, 8).Hidden(),
      Edit(1191, 222, 182, 100, 12).Hidden(),
      PushButton(1193, "Get", 326, 168, 20, 12).Hidden(),
      PushButton(1194, "Set", 326, 182, 20, 12).Hidden(),
  };
  return t;
}

}  // namespace

const DialogTemplate& DeviceDlgTemplate() {
  static const DialogTemplate kTemplate = MakeTemplate();
  return kTemplate;
}
