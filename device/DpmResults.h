// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The component's own failure codes (facility 4). A caller names them with GetResultName, logs or
// shows the name, and goes on; none of them is worth a retry without the user doing something first.
#include "platform/automation/Types.h"

// The recorder model has no such setting or operation: leave the control as it was. Also the answer
// of SetDeviceSettings to settings of another model (an imported file, say): nothing is written.
inline constexpr HRESULT dpmCtrlNotSupported = HresultOf(0x800409FE);
// A device operation came before Initialize: press "Initialize" first.
inline constexpr HRESULT dpmCtrlNotInitialized = HresultOf(0x800409FF);
// 0x80040A00 is not used.
// No recorder is connected (or the index names none): connect one and retry.
inline constexpr HRESULT dpmCtrlNoDeviceConnected = HresultOf(0x80040A01);
// Talking to the recorder failed on its connection: replug it.
inline constexpr HRESULT dpmCtrlUsbInterface = HresultOf(0x80040A02);
// A folder of a path does not exist.
inline constexpr HRESULT dpmCtrlPathNotFound = HresultOf(0x80040A03);
// A dictation has no instruction file to work on.
inline constexpr HRESULT dpmCtrlNoInstructionFile = HresultOf(0x80040A04);
// A named file does not exist.
inline constexpr HRESULT dpmCtrlFileNotFound = HresultOf(0x80040A05);
// The target file exists already and is not overwritten.
inline constexpr HRESULT dpmCtrlFileExists = HresultOf(0x80040A06);
// A sound file's wave format cannot be handled.
inline constexpr HRESULT dpmCtrlInvalidWaveFormat = HresultOf(0x80040A07);
// A file is damaged or not of the expected kind (settings files included); nothing was changed.
inline constexpr HRESULT dpmCtrlInvalidFile = HresultOf(0x80040A08);
// The file is read-only; its properties cannot be written.
inline constexpr HRESULT dpmCtrlFileReadOnly = HresultOf(0x80040A09);
// The recorder's configuration could not be read.
inline constexpr HRESULT dpmCtrlReadDeviceConfiguration = HresultOf(0x80040A0A);
// The recorder's configuration could not be written; the recorder keeps its old one.
inline constexpr HRESULT dpmCtrlWriteDeviceConfiguration = HresultOf(0x80040A0B);
// The target medium is full.
inline constexpr HRESULT dpmCtrlOutOfDiskSpace = HresultOf(0x80040A0C);
// The requested audio format is not offered for this operation.
inline constexpr HRESULT dpmCtrlAudioFormatNotSupported = HresultOf(0x80040A0D);
// A task was cancelled (also the reason the program hands to CancelTasks).
inline constexpr HRESULT dpmCtrlOperationCancelled = HresultOf(0x80040A0E);
// The recorder offers no drive (no memory card).
inline constexpr HRESULT dpmCtrlNoDrive = HresultOf(0x80040A0F);
// The recorder's memory is write protected.
inline constexpr HRESULT dpmCtrlDiskWriteProtected = HresultOf(0x80040A10);
// A security code or password was wrong, or the recorder is locked; for a file, the system refused
// access (an export into a folder without write permission, say) and nothing was written.
inline constexpr HRESULT dpmCtrlAccessDenied = HresultOf(0x80040A11);
// A text holds a character the recorder cannot store.
inline constexpr HRESULT dpmCtrlInvalidCharacter = HresultOf(0x80040A12);
// The recorder is connected but busy or not ready yet: wait for the ready event.
inline constexpr HRESULT dpmCtrlDeviceNotReady = HresultOf(0x80040A13);
// The keyword is taken by voice command, so it cannot be scanned from a barcode.
inline constexpr HRESULT dpmCtrlKwSetToVoiceCommand = HresultOf(0x80040A14);
// The keyword is taken by barcode scanning, so it cannot be a voice command.
inline constexpr HRESULT dpmCtrlKwSetToBarcode = HresultOf(0x80040A15);
// Linked keywords refuse a change made to one of them alone.
inline constexpr HRESULT dpmCtrlKeywordsLinked = HresultOf(0x80040A16);
// A limit of the model is reached (keywords, voice commands, value rows or text length).
inline constexpr HRESULT dpmCtrlMaximumReached = HresultOf(0x80040A17);

inline constexpr HRESULT kDpmFirstResult = dpmCtrlNotSupported;
inline constexpr HRESULT kDpmLastResult = dpmCtrlMaximumReached;
