// SPDX-License-Identifier: GPL-3.0-or-later
#include "maintenance/DeviceDlgTemplate.h"

#include "maintenance/DeviceDlgIds.h"

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
      PushButton(IDC_SYNCHRONIZE_DATE_TIME, "Synchronize Date/Time", 6, 6, 79, 14),
      PushButton(IDC_FORMAT_CARD, "Format Card", 90, 6, 67, 14),
      PushButton(IDC_CLOSE, "Close", 102, 54, 54, 12),

      LText("Error:", 6, 80, 40, 8).Hidden(),
      ListBox(IDC_RESULT_LIST, 6, 90, 150, 40).Hidden(),
      Edit(IDC_FREE_DISK_SPACE, 170, 6, 60, 12).Hidden(),
      PushButton(IDC_GET_FREE_DISK_SPACE, "get", 234, 6, 30, 12).Hidden(),
      Edit(IDC_DEVICE_FIRMWARE_VERSION, 170, 20, 60, 12).Hidden(),
      PushButton(IDC_GET_FIRMWARE_VERSION, "get", 234, 20, 30, 12).Hidden(),
      Edit(IDC_DEVICE_MAC_ADDRESS, 170, 34, 60, 12).Hidden(),
      PushButton(IDC_GET_MAC_ADDRESS, "get", 234, 34, 30, 12).Hidden(),
      Edit(IDC_DRIVE_LETTER, 170, 48, 60, 12).Hidden(),
      PushButton(IDC_GET_DRIVE_LETTER, "get", 234, 48, 30, 12).Hidden(),
      PushButton(IDC_GET_FILE_COUNT, "get_FileCount", 170, 62, 60, 12).Hidden(),
      LText("", 234, 62, 30, 8, IDC_FILE_COUNT).Hidden(),
      PushButton(IDC_REFRESH_DEVICE_FILES, "Refresh", 170, 76, 40, 12).Hidden(),
      ListBox(IDC_DEVICE_FILES, 170, 90, 94, 40).Hidden(),
      Edit(IDC_SCREEN_PATH, 270, 6, 90, 12).Hidden(),
      PushButton(IDC_BROWSE_SCREEN, "...", 364, 6, 16, 12).Hidden(),
      PushButton(IDC_PUT_WELCOME_SCREEN, "Put Welcome Screen", 270, 20, 80, 12).Hidden(),
      PushButton(IDC_DISPLAY_SCREEN, "DisplayScreen", 270, 34, 80, 12).Hidden(),
      PushButton(IDC_LED1, "LED 1", 270, 48, 40, 12).Hidden(),
      ComboBox(IDC_LED1_STATE, 314, 48, 70, 60).Entries(ledStates).Hidden(),
      PushButton(IDC_LED2, "LED 2", 270, 62, 40, 12).Hidden(),
      ComboBox(IDC_LED2_STATE, 314, 62, 70, 60).Entries(ledStates).Hidden(),
      Edit(IDC_LAST_BUTTON, 270, 76, 90, 12).Hidden(),
      PushButton(IDC_GET_LAST_BUTTON, "get", 364, 76, 20, 12).Hidden(),
      Edit(IDC_DEVICE_TYPE, 270, 90, 90, 12).Hidden(),
      PushButton(IDC_GET_DEVICE_TYPE, "get", 364, 90, 20, 12).Hidden(),
      PushButton(IDC_GET_CAPABILITIES, "Device Capacilities", 390, 6, 80, 12).Hidden(),
      LText("", 390, 20, 150, 200, IDC_CAPABILITIES).Hidden(),
      Edit(IDC_OEM_STRING, 270, 104, 90, 12).Hidden(),
      PushButton(IDC_GET_OEM_STRING, "get", 364, 104, 20, 12).Hidden(),
      Edit(IDC_BUILD_NUMBER, 270, 118, 90, 12).Hidden(),
      PushButton(IDC_GET_BUILD_NUMBER, "get", 364, 118, 20, 12).Hidden(),
      AutoCheckBox(IDC_PUK_SET, "PUK Set", 270, 132, 50, 10).Hidden(),
      PushButton(IDC_GET_PUK_SET, "get", 364, 132, 20, 12).Hidden(),
      LText("PUK / Old Enc key", 6, 140, 70, 8).Hidden(),
      Edit(IDC_PUK, 80, 140, 80, 12).Hidden(),
      PushButton(IDC_SET_PUK, "set", 164, 140, 20, 12).Hidden(),
      LText("PIN", 6, 154, 70, 8).Hidden(),
      Edit(IDC_PIN, 80, 154, 80, 12).Hidden(),
      PushButton(IDC_SET_PIN, "set", 164, 154, 20, 12).Hidden(),
      LText("Encryption Password", 6, 168, 70, 8).Hidden(),
      Edit(IDC_ENCRYPTION_PASSWORD, 80, 168, 80, 12).Hidden(),
      PushButton(IDC_SET_ENCRYPTION_PASSWORD, "set", 164, 168, 20, 12).Hidden(),
      LText("File on dpm", 6, 182, 70, 8).Hidden(),
      Edit(IDC_DEVICE_FILE_NAME, 80, 182, 80, 12).Hidden(),
      PushButton(IDC_DELETE_DEVICE_FILE, "Del", 164, 182, 20, 12).Hidden(),
      PushButton(IDC_OPEN_DEVICE_SETTINGS, "Setup Device", 190, 140, 60, 12).Hidden(),
      ComboBox(IDC_KEYBOARD_LAYOUTS, 190, 154, 80, 60).Hidden(),
      Edit(IDC_KEYBOARD_LAYOUT, 274, 154, 50, 12).Hidden(),
      LText("Prefix:", 190, 168, 30, 8).Hidden(),
      Edit(IDC_BARCODE_PREFIX, 222, 168, 100, 12).Hidden(),
      LText("Postfix:", 190, 182, 30, 8).Hidden(),
      Edit(IDC_BARCODE_POSTFIX, 222, 182, 100, 12).Hidden(),
      PushButton(IDC_GET_KEYBOARD_LAYOUT, "Get", 326, 168, 20, 12).Hidden(),
      PushButton(IDC_SET_KEYBOARD_LAYOUT, "Set", 326, 182, 20, 12).Hidden(),
  };
  return t;
}

}  // namespace

const DialogTemplate& DeviceDlgTemplate() {
  static const DialogTemplate kTemplate = MakeTemplate();
  return kTemplate;
}
