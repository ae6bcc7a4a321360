// The one entry point of the converter module (WaveConverter.h).
#include "component/files/WaveConversion.h"
#include "component/files/WaveConverter.h"

extern "C" __attribute__((visibility("default"))) HRESULT DpmConvertDssToWave(std::string* dss, size_t frames,
                                                                          const PcmFormat* format,
                                                                          TargetFile* target,
                                                                          TaskProgress* progress) {
  return WaveConversion(std::move(*dss), frames, *format, *target).Run(*progress);
}
