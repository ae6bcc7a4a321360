// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// NewFile: an empty DSS dictation made on the computer, with a companion that records its
// compression mode. The name must end in ".dss" (any case); it is never made over an existing file.
#include <string>

#include "platform/automation/Types.h"

// E_INVALIDARG for a mode outside 0 to 5 (-1: none chosen), dpmCtrlAudioFormatNotSupported for
// Quality Play (5, a DS2 format).
HRESULT CheckRecordingMode(LONG recordingMode);
// The mode's refusals, then E_INVALIDARG for a name without ".dss", dpmCtrlPathNotFound for a
// missing folder, dpmCtrlFileExists when the file or a companion of that name exists.
HRESULT CheckNewDictation(const std::string& path, LONG recordingMode);
HRESULT CreateNewDictation(const std::string& path, LONG recordingMode);
