// SPDX-License-Identifier: GPL-3.0-or-later
// Template 131, the settings dialog: its frame and every control a user sees, where the dialog's
// description puts it; every other control hidden.
#include <gtest/gtest.h>

#include "settings/DeviceSettingsTemplate.h"
#include "tests/support/VisibleControls.h"

namespace {

using K = ControlKind;

// Top to bottom, as the description lists them; the nine marked "wider" get the room their captions need
// in the font drawn here (the template says why).
const std::vector<VisibleControlRow> kSettingsControls{
    {IDC_STATIC, K::GroupBox, "Keywords", {271, 0, 152, 66}},
    {1079, K::AutoCheckBox, "Protect Configuration", {87, 5, 90, 13}},  // wider
    {1158, K::AutoCheckBox, "End of Letter Button", {180, 5, 88, 13}},  // wider
    {1077, K::AutoCheckBox, "Smart Buttons", {5, 6, 77, 13}},
    {IDC_STATIC, K::Static, "                    Barcode     Voice     Mandatory", {275, 13, 142, 11}},
    {1078, K::AutoCheckBox, "Beginning/End Beep", {5, 19, 81, 13}},  // wider
    {1190, K::AutoCheckBox, "Pro Mode", {180, 19, 77, 13}},
    {1166, K::AutoCheckBox, "Record Beep", {87, 20, 57, 10}},
    {1168, K::AutoCheckBox, "", {328, 24, 15, 13}},
    {1173, K::AutoCheckBox, "", {360, 24, 12, 13}},
    {1178, K::AutoCheckBox, "", {394, 24, 11, 13}},
    {IDC_STATIC, K::Static, "Keyword 2", {275, 27, 38, 8}},
    {1234, K::AutoCheckBox, "Enable Button (-)", {87, 34, 69, 10}},
    {1200, K::AutoCheckBox, "Enable Button (+)", {5, 35, 71, 10}},
    {1169, K::AutoCheckBox, "", {328, 36, 15, 13}},
    {1174, K::AutoCheckBox, "", {360, 36, 15, 13}},
    {1179, K::AutoCheckBox, "", {394, 36, 13, 13}},
    {IDC_STATIC, K::Static, "Keyword 3", {275, 40, 38, 8}},
    {1080, K::RadioButton, "AM/PM", {91, 47, 40, 14}, WS_GROUP},  // wider
    {1081, K::RadioButton, "24 Hours", {143, 47, 50, 14}},  // wider
    {1170, K::AutoCheckBox, "", {328, 48, 15, 13}},
    {1175, K::AutoCheckBox, "", {360, 48, 15, 13}},
    {1180, K::AutoCheckBox, "", {394, 48, 18, 13}},
    {IDC_STATIC, K::Static, "Date/Time Format", {5, 50, 69, 12}},
    {IDC_STATIC, K::Static, "Keyword 4", {276, 53, 38, 8}},
    {1083, K::RadioButton, "Classic", {91, 63, 43, 14}, WS_GROUP},
    {1085, K::RadioButton, "Advanced", {143, 63, 49, 14}},
    {IDC_STATIC, K::Static, "Display Appearance:", {5, 65, 69, 12}},
    {1160, K::AutoCheckBox, "Use Barcode for all Keywords", {306, 66, 117, 13}},  // wider, from 312
    {1087, K::RadioButton, "Medium", {143, 77, 43, 14}},  // wider
    {1088, K::RadioButton, "High", {198, 77, 31, 14}},
    {1086, K::RadioButton, "Low", {91, 78, 31, 14}, WS_GROUP},
    {IDC_STATIC, K::Static, "Microphone Sensitivity:", {5, 80, 85, 12}},  // wider
    {1164, K::ComboBox, "", {331, 83, 92, 97}},
    {IDC_STATIC, K::Static, "Barcode Scan Button:", {240, 84, 72, 12}},
    {1090, K::RadioButton, "String:", {144, 91, 37, 14}},
    {1089, K::RadioButton, "Keyword 1", {91, 92, 52, 14}, WS_GROUP},  // wider
    {1073, K::Edit, "", {181, 92, 50, 15}},
    {IDC_STATIC, K::Static, "Filename Prefix:", {6, 94, 68, 12}},
    {1185, K::ComboBox, "", {331, 96, 92, 32}},
    {IDC_STATIC, K::Static, "Barcode Mode:", {240, 97, 78, 12}},
    {1182, K::ComboBox, "", {331, 109, 92, 32}},
    {1187, K::ComboBox, "", {74, 110, 119, 32}},
    {IDC_STATIC, K::Static, "VoiceCommandType:", {240, 111, 72, 10}},
    {IDC_STATIC, K::Static, "Slide Switch", {6, 113, 65, 8}},
    {1084, K::ComboBox, "", {298, 123, 125, 50}},
    {1186, K::ComboBox, "", {74, 124, 119, 32}},
    {IDC_STATIC, K::Static, "Recording Mode", {239, 125, 54, 12}},
    {IDC_STATIC, K::Static, "Function Key:", {6, 126, 64, 12}},
    {1233, K::PushButton, "Reset Job Counter", {339, 139, 83, 16}},
    {1205, K::PushButton, "DPM4 Settings (8000)", {6, 141, 133, 16}},
    {1162, K::ListView, "", {7, 162, 416, 12}, LVS_REPORT},
    {1161, K::ListView, "", {8, 178, 415, 160}, LVS_REPORT},
    {1183, K::ListBox, "", {8, 339, 415, 26}},
    {1046, K::PushButton, "Read From Device", {5, 370, 79, 15}},
    {1047, K::PushButton, "Write To Device", {87, 370, 75, 15}},
    {1091, K::PushButton, "Import Settings", {174, 370, 90, 14}},
    {1092, K::PushButton, "Export Settings", {270, 370, 90, 14}},
    {IDOK, K::DefPushButton, "OK", {372, 370, 50, 14}},
};

TEST(SettingsTemplate, HasTheDescribedFrameAndVisibleControls) {
  const DialogTemplate& t = DeviceSettingsTemplate();
  ExpectFrame(t, {131, "Selvarin DPM Device Settings", 427, 390});
  ExpectVisibleControls(t, kSettingsControls);
}

}  // namespace
