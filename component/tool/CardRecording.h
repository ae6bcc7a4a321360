// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A simulated recorder records a dictation on its card, as the recorder itself would: Standard Play
// audio of the given length, ending now by the recorder's clock; the author is its keyword 1 when
// the file-name prefix is set to "Keyword 1", else its prefix string; the file is named after the
// prefix and the file counter ("DICT0007.DSS"), which then moves on; the companion holds the job
// number (the counter), the keyword names and first values, the spoken instructions and the
// recorder's product id, MAC address and firmware.
#include <array>
#include <string>
#include <vector>

#include "component/recorders/RecorderFolder.h"

struct CardRecording {
  LONG milliseconds = 0;                              // 1 ms to 10 hours
  std::vector<std::array<LONG, 2>> instructions;      // ascending start and end, in ms, inside the length
};

// The new file's name in *name. E_INVALIDARG for a length or instructions out of range,
// dpmCtrlReadDeviceConfiguration when the recorder's files cannot be read, dpmCtrlOutOfDiskSpace when
// the card is full, dpmCtrlNoDrive without a card.
HRESULT RecordOnCard(const RecorderFolder& folder, const CardRecording& recording, std::string* name);
