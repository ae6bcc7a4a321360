#pragma once
// Decodes the audio of a DSS dictation (DSS SP or G.723.1) with FFmpeg and writes it as a PCM WAV
// file in the wanted format, resampled as needed. The dictation is read from memory, never by FFmpeg
// from the disk, and the WAV goes into a TargetFile, which the caller commits.
#include <string>

#include "component/files/AvHolders.h"
#include "component/files/FileTask.h"
#include "component/files/PcmFormat.h"
#include "component/files/TargetFile.h"

class WaveConversion {
 public:
  // `dss` holds a whole DSS file of `frames` frames (DictationFile read it); `target` is open.
  WaveConversion(std::string dss, size_t frames, const PcmFormat& format, TargetFile& target);
  WaveConversion(const WaveConversion&) = delete;
  WaveConversion& operator=(const WaveConversion&) = delete;

  // dpmCtrlInvalidFile when FFmpeg cannot read or decode the audio, dpmCtrlAudioFormatNotSupported
  // when it cannot write the format, the target's code when writing fails, or the reason to stop.
  HRESULT Run(TaskProgress& progress);

 private:
  static int ReadInput(void* opaque, uint8_t* buffer, int size);
  static int64_t SeekInput(void* opaque, int64_t offset, int whence);
  static int WriteOutput(void* opaque, uint8_t* buffer, int size);
  static int64_t SeekOutput(void* opaque, int64_t offset, int whence);

  HRESULT OpenInput();
  HRESULT OpenOutput();
  HRESULT OpenResampler();
  HRESULT Decode(const AVPacket* packet);
  HRESULT Resample(const AVFrame* decoded);
  HRESULT Encode(AVFrame* samples);
  // The code for a failed FFmpeg call in the output: a write failure's own code, else `otherwise`.
  HRESULT OutputFailure(HRESULT otherwise) const;

  std::string m_dss;
  size_t m_position = 0;
  size_t m_frames;
  PcmFormat m_format;
  TargetFile& m_target;
  HRESULT m_writeFailure = S_OK;
  int64_t m_samplesOut = 0;

  // Declared in the order they may be freed in reverse: contexts before the I/O they use.
  AvIo m_inputIo;
  AvInput m_input;
  AvCodec m_decoder;
  AvIo m_outputIo;
  AvOutput m_output;
  AvCodec m_encoder;
  SwrPtr m_resampler;
  AvFramePtr m_decoded;
};
