// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/ResultNames.h"

#include <array>
#include <cstdio>
#include <string_view>

#include "device/DpmResults.h"

namespace {

struct NamedCode {
  HRESULT code;
  std::string_view name;
};

// The component's codes by their enumerator names, three by plain words; the standard ones by their
// symbol without the prefix. 0x80040A00 has no name.
constexpr std::array<NamedCode, 31> kResultNames{{
    {S_OK, "OK"},
    {E_NOTIMPL, "NOTIMPL"},
    {E_POINTER, "POINTER"},
    {E_FAIL, "FAIL"},
    {dpmCtrlNotSupported, "dpmCtrlNotSupported"},
    {dpmCtrlNotInitialized, "NotInitialized"},
    {dpmCtrlNoDeviceConnected, "NoDeviceConnected"},
    {dpmCtrlUsbInterface, "Usb Interface"},
    {dpmCtrlPathNotFound, "dpmCtrlPathNotFound"},
    {dpmCtrlNoInstructionFile, "dpmCtrlNoInstructionFile"},
    {dpmCtrlFileNotFound, "dpmCtrlFileNotFound"},
    {dpmCtrlFileExists, "dpmCtrlFileExists"},
    {dpmCtrlInvalidWaveFormat, "dpmCtrlInvalidWaveFormat"},
    {dpmCtrlInvalidFile, "dpmCtrlInvalidFile"},
    {dpmCtrlFileReadOnly, "dpmCtrlFileReadOnly"},
    {dpmCtrlReadDeviceConfiguration, "dpmCtrlReadDeviceConfiguration"},
    {dpmCtrlWriteDeviceConfiguration, "dpmCtrlWriteDeviceConfiguration"},
    {dpmCtrlOutOfDiskSpace, "dpmCtrlOutOfDiskSpace"},
    {dpmCtrlAudioFormatNotSupported, "dpmCtrlAudioFormatNotSupported"},
    {dpmCtrlOperationCancelled, "dpmCtrlOperationCancelled"},
    {dpmCtrlNoDrive, "dpmCtrlNoDrive"},
    {dpmCtrlDiskWriteProtected, "dpmCtrlDiskWriteProtected"},
    {dpmCtrlAccessDenied, "dpmCtrlAccessDenied"},
    {dpmCtrlInvalidCharacter, "dpmCtrlInvalidCharacter"},
    {dpmCtrlDeviceNotReady, "dpmCtrlDeviceNotReady"},
    {dpmCtrlKwSetToVoiceCommand, "dpmCtrlKwSetToVoiceCommand"},
    {dpmCtrlKwSetToBarcode, "dpmCtrlKwSetToBarcode"},
    {dpmCtrlKeywordsLinked, "dpmCtrlKeywordsLinked"},
    {dpmCtrlMaximumReached, "dpmCtrlMaximumReached"},
    {E_OUTOFMEMORY, "OUTOFMEMORY"},
    {E_INVALIDARG, "INVALIDARG"},
}};

// Even codes press a button, odd codes release it.
constexpr std::array<std::string_view, 30> kButtonNames{
    "dpmStopPressed",         "dpmStopReleased",          "dpmPlayPressed",
    "dpmPlayReleased",        "dpmRecordPressed",         "dpmRecordReleased",
    "dpmInsertPressed",       "dpmInsertReleased",        "dpmEOLPressed",
    "dpmEOLReleased",         "dpmFastRewindPressed",     "dpmFastRewindReleased",
    "dpmFastForwardPressed",  "dpmFastForwardReleased",   "dpmDLSPressed",
    "dpmDLSReleased",         "dpmDELPressed",            "dpmDELReleased",
    "dpmJogDialUpPressed",    "dpmJogDialUpReleased",     "dpmJogDialDownPressed",
    "dpmJogDialReleased",     "dpmJogDialPressPressed",   "dpmJogDialPressReleased",
    "dpmSmart1Pressed",       "dpmSmart1Released",        "dpmSmart2Pressed",
    "dpmSmart2Released",      "dpmProgrammable1Pressed",  "dpmProgrammable1Released",
};

}  // namespace

std::string GetResultName(HRESULT code) {
  for (const NamedCode& entry : kResultNames)
    if (entry.code == code) return std::string(entry.name);
  char text[32];
  std::snprintf(text, sizeof text, "%d (Unknown)", static_cast<int>(code));
  return text;
}

std::string GetButtonName(LONG button) {
  if (button < 0 || static_cast<std::size_t>(button) >= kButtonNames.size()) return {};
  return std::string(kButtonNames[static_cast<std::size_t>(button)]);
}
