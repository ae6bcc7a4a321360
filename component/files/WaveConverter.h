#pragma once
// The conversion to WAV lives in its own module (DPMConvert.so, beside the module or program that
// holds this code), loaded on the first conversion: FFmpeg and the many libraries it pulls in then
// cost nothing to a program that never converts, which is most start-ups.
#include <string>

#include "component/files/FileTask.h"
#include "component/files/PcmFormat.h"
#include "component/files/TargetFile.h"

// The entry point the converter module exports, as WaveConversion(dss, frames, format, target).Run(progress).
extern "C" using ConvertDssToWaveFn = HRESULT(std::string* dss, size_t frames, const PcmFormat* format,
                                              TargetFile* target, TaskProgress* progress);
inline constexpr char kConvertDssToWaveSymbol[] = "DpmConvertDssToWave";

// Converts through the module, loaded under the checks the component itself is loaded under
// (LoadTrustedModule): dpmCtrlNotSupported when it is missing or does not load, CO_E_UNSAFEMODULE when
// another user could have changed it or its folder.
HRESULT ConvertDssToWave(std::string dss, size_t frames, const PcmFormat& format, TargetFile& target,
                         TaskProgress& progress);
