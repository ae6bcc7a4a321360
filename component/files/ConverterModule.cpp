// SPDX-License-Identifier: GPL-3.0-or-later
// The entry points of the converter module (WaveConverter.h).
#include "component/files/AudioConversion.h"
#include "component/files/WaveConverter.h"
#include "component/files/ConversionTargetState.h"

extern "C" __attribute__((visibility("default"))) HRESULT DpmConvertDss(const ConvertJob* job, TargetFile* target,
                                                                    TaskProgress* progress) {
  return AudioConversion(*job, *target).Run(*progress);
}

extern "C" __attribute__((visibility("default"))) TargetState DpmInspectTarget(const ConvertJob* job,
                                                                           const std::string* target) {
  return StateOfConversionTarget(*job, *target);
}
