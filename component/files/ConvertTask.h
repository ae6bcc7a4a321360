#pragma once
// Convert: a DSS dictation to a PCM WAV file (WaveConversion.h). The target is the destination
// itself, or, when the destination is a folder, the dictation's name with ".wav" in it.
#include <string>

#include "component/files/FileTask.h"

HRESULT RunConvert(const FileTask& task, TaskProgress& progress);
std::string ConvertTarget(const FileTask& task);
// What can be known before the task runs: dpmCtrlInvalidFile for a file that is not a DSS dictation,
// dpmCtrlAudioFormatNotSupported for a DS2 one, the target's refusals (FileFamily.h's codes).
HRESULT CheckConvert(const FileTask& task);
