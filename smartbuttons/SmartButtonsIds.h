// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Control ids of the smart buttons dialog (template 135), shared by the template, the dialog and its
// tests.
#include "device/DpmValues.h"
#include "platform/ui/WinTypes.h"

inline constexpr UINT IDD_SMART_BUTTONS = 135;

// Smart-button cells: recorder state by row, button by column.
inline constexpr int IDC_STOPPED_NEW_LEFT = 1205;
inline constexpr int IDC_STOPPED_NEW_MIDDLE = 1206;
inline constexpr int IDC_STOPPED_NEW_RIGHT = 1204;
inline constexpr int IDC_STOPPED_LEFT = 1214;
inline constexpr int IDC_STOPPED_MIDDLE = 1215;
inline constexpr int IDC_STOPPED_RIGHT = 1213;
inline constexpr int IDC_RECORD_LEFT = 1217;
inline constexpr int IDC_RECORD_MIDDLE = 1218;
inline constexpr int IDC_RECORD_RIGHT = 1216;
inline constexpr int IDC_RECORD_STANDBY_LEFT = 1220;
inline constexpr int IDC_RECORD_STANDBY_MIDDLE = 1221;
inline constexpr int IDC_RECORD_STANDBY_RIGHT = 1219;
inline constexpr int IDC_PLAY_BACK_LEFT = 1223;
inline constexpr int IDC_PLAY_BACK_MIDDLE = 1224;
inline constexpr int IDC_PLAY_BACK_RIGHT = 1222;

inline constexpr int IDC_DISPLAY_AREA_1 = 1225;
inline constexpr int IDC_DISPLAY_AREA_2 = 1226;
inline constexpr int IDC_DISPLAY_AREA_3 = 1227;
inline constexpr int IDC_DISPLAY_AREA_4 = 1228;

inline constexpr int IDC_RECORDING_PROFILE = 1207;
inline constexpr int IDC_DEVICE_POSITION = 1229;
inline constexpr int IDC_MIC_UNI_DIRECTIONAL = 1210;
inline constexpr int IDC_MIC_OMNI_DIRECTIONAL = 1211;
inline constexpr int IDC_MIC_SENSITIVITY = 1232;
inline constexpr int IDC_AUDIO_QUALITY = 1212;
inline constexpr int IDC_SAVE_SETTINGS = 1199;

// The cell of button b (DpmSmartButton) in recorder state s (DpmRecorderState), as the record indexes it.
inline constexpr int kSmartButtonComboIds[kDpmSmartButtons][kDpmRecorderStates] = {
    {IDC_STOPPED_NEW_LEFT, IDC_STOPPED_LEFT, IDC_RECORD_LEFT, IDC_RECORD_STANDBY_LEFT, IDC_PLAY_BACK_LEFT},
    {IDC_STOPPED_NEW_MIDDLE, IDC_STOPPED_MIDDLE, IDC_RECORD_MIDDLE, IDC_RECORD_STANDBY_MIDDLE, IDC_PLAY_BACK_MIDDLE},
    {IDC_STOPPED_NEW_RIGHT, IDC_STOPPED_RIGHT, IDC_RECORD_RIGHT, IDC_RECORD_STANDBY_RIGHT, IDC_PLAY_BACK_RIGHT},
};

inline constexpr int kDisplayAreaComboIds[kDpmDisplayAreas] = {IDC_DISPLAY_AREA_1, IDC_DISPLAY_AREA_2,
                                                               IDC_DISPLAY_AREA_3, IDC_DISPLAY_AREA_4};
