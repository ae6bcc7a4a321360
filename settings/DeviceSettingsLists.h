// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The entries of the settings dialog's lists, in index order, and the recording mode list, whose
// indexes and values differ.
#include <string>
#include <vector>

#include "platform/automation/Types.h"

std::vector<std::string> RecordingModeEntries();
std::vector<std::string> BarcodeScanButtonEntries();
std::vector<std::string> VoiceCommandTypeEntries();
std::vector<std::string> BarcodeModeEntries();
std::vector<std::string> FunctionKeyEntries();
std::vector<std::string> FourPosSwitchEntries();
std::vector<std::string> FileCounterSourceEntries();
std::vector<std::string> RequiredInputTypeEntries();
std::vector<std::string> TotalTimeTypeEntries();
std::vector<std::string> OsEntries();

// The list entry that shows a recording mode; -1 (no selection) for a negative value. Values the list
// has no entry for read as "Quality Play".
int RecordingModeIndex(LONG value);
// The value an entry writes; -1 (no selection) and unknown indexes pass unchanged.
LONG RecordingModeValue(int index);
