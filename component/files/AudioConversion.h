// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Decodes the audio of a DSS dictation (DSS SP or G.723.1) with FFmpeg and writes it in the wanted
// format (PCM WAV, FLAC, Opus in Ogg or MP3), resampled as needed and with the dictation's tags. The
// dictation is read in parts from its open file, so memory stays flat in its length; the output goes
// into a TargetFile, which the caller commits. A WAV too large for the RIFF form's 32-bit sizes is
// written as RF64.
#include <string>

#include "component/files/AvHolders.h"
#include "component/files/ConvertJob.h"
#include "component/files/FileTask.h"
#include "component/files/TargetFile.h"

class AudioConversion {
 public:
  // `target` is open; `job.source` stays open while this lives.
  AudioConversion(const ConvertJob& job, TargetFile& target);
  AudioConversion(const AudioConversion&) = delete;
  AudioConversion& operator=(const AudioConversion&) = delete;

  // dpmCtrlInvalidFile when FFmpeg cannot read or decode the audio, dpmCtrlAudioFormatNotSupported
  // when it cannot write the format, the target's code when writing fails, or the reason to stop.
  HRESULT Run(TaskProgress& progress);

 private:
  static int ReadInput(void* opaque, uint8_t* buffer, int size);
  static int64_t SeekInput(void* opaque, int64_t offset, int whence);
  static int WriteOutput(void* opaque, uint8_t* buffer, int size);
  static int64_t SeekOutput(void* opaque, int64_t offset, int whence);

  HRESULT OpenInput();
  HRESULT OpenEncoder();
  HRESULT OpenOutput();
  HRESULT OpenResampler();
  HRESULT Decode(const AVPacket* packet);
  HRESULT Resample(const AVFrame* decoded);
  // Hands the encoder whole frames of its size from the queue; `flush` also the rest, then drains it.
  HRESULT EncodeQueued(bool flush);
  HRESULT Encode(AVFrame* samples);
  // The code for a failed FFmpeg call in the output: a write failure's own code, else `otherwise`.
  HRESULT OutputFailure(HRESULT otherwise) const;

  const ConvertJob& m_job;
  int64_t m_sourceSize = 0;
  int64_t m_position = 0;
  bool m_patchEndTime = false;
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
  AvFifo m_queue;
  AvFramePtr m_decoded;
};
