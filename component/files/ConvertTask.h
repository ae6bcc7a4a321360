// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Convert: a DSS dictation to the task's audio format (AudioFormat.h). The target is the destination
// itself, or, when the destination is a folder, the dictation's name with the format's extension.
#include <cstdint>
#include <string>

#include "component/files/FileTask.h"

HRESULT RunConvert(const FileTask& task, TaskProgress& progress);
std::string ConvertTarget(const FileTask& task);
// What can be known before the task runs: dpmCtrlInvalidFile for a file that is not a DSS dictation,
// dpmCtrlAudioFormatNotSupported for a DS2 one, the target's refusals (FileFamily.h's codes). With
// keepComplete an existing target is looked at when the task runs: a whole conversion of this
// dictation is the result as it is, a damaged one is replaced, anything else is dpmCtrlFileExists.
HRESULT CheckConvert(const FileTask& task);

// Test seam, process-wide: WAV files expected larger than this take the large-file form (0 restores
// the real limit), so a test need not write 4 GiB.
void SetLargeWaveBytesForTests(std::uint64_t bytes);
