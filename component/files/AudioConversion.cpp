// SPDX-License-Identifier: GPL-3.0-or-later
#include "component/files/AudioConversion.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "device/DpmResults.h"

namespace {

constexpr int kIoBufferBytes = 64 * 1024;
constexpr int64_t kEndTimeAt = 0x32;
constexpr int64_t kTimeBytes = 12;
constexpr char kNeutralEndTime[] = "000101000000";
constexpr int kPcmChunkSamples = 4096;  // PCM encoders take any size; this many at a time

struct EncoderChoice {
  AVCodecID id;
  AVSampleFormat sampleFormat;  // AV_SAMPLE_FMT_NONE: the encoder's own choice
  const char* muxer;
};

EncoderChoice ChoiceOf(const AudioFormat& format) {
  switch (format.encoding) {
    case AudioEncoding::Flac:
      return {AV_CODEC_ID_FLAC, format.bits == 24 ? AV_SAMPLE_FMT_S32 : AV_SAMPLE_FMT_S16, "flac"};
    case AudioEncoding::Opus: return {AV_CODEC_ID_OPUS, AV_SAMPLE_FMT_NONE, "opus"};
    case AudioEncoding::Mp3: return {AV_CODEC_ID_MP3, AV_SAMPLE_FMT_NONE, "mp3"};
    case AudioEncoding::Pcm: break;
  }
  if (format.isFloat) return {AV_CODEC_ID_PCM_F32LE, AV_SAMPLE_FMT_FLT, "wav"};
  switch (format.bits) {
    case 8: return {AV_CODEC_ID_PCM_U8, AV_SAMPLE_FMT_U8, "wav"};
    case 24: return {AV_CODEC_ID_PCM_S24LE, AV_SAMPLE_FMT_S32, "wav"};
    case 32: return {AV_CODEC_ID_PCM_S32LE, AV_SAMPLE_FMT_S32, "wav"};
    default: return {AV_CODEC_ID_PCM_S16LE, AV_SAMPLE_FMT_S16, "wav"};
  }
}

// The decoders give 16-bit samples: the encoder's 16-bit format when it has one, as FFmpeg's own
// command picks it.
AVSampleFormat SampleFormatFor(const AVCodec* codec) {
  if (!codec->sample_fmts) return AV_SAMPLE_FMT_S16;
  for (AVSampleFormat wanted : {AV_SAMPLE_FMT_S16, AV_SAMPLE_FMT_S16P})
    for (const AVSampleFormat* f = codec->sample_fmts; *f != AV_SAMPLE_FMT_NONE; ++f)
      if (*f == wanted) return wanted;
  return codec->sample_fmts[0];
}

// FFmpeg's demuxer refuses a file whose end time is not twelve digits; the audio does not depend on
// it, so a blank or damaged one reads as a neutral value.
bool EndTimeReadable(int fd) {
  char field[kTimeBytes];
  if (::pread(fd, field, sizeof field, kEndTimeAt) != static_cast<ssize_t>(sizeof field)) return true;
  return std::all_of(field, field + kTimeBytes, [](char c) { return c >= '0' && c <= '9'; });
}

AVIOContext* NewIo(void* opaque, bool writable, int (*read)(void*, uint8_t*, int),
                   int (*write)(void*, uint8_t*, int), int64_t (*seek)(void*, int64_t, int)) {
  auto* buffer = static_cast<unsigned char*>(av_malloc(kIoBufferBytes));
  if (!buffer) return nullptr;
  AVIOContext* io = avio_alloc_context(buffer, kIoBufferBytes, writable ? 1 : 0, opaque, read, write, seek);
  if (!io) av_free(buffer);
  return io;
}

void SetTag(AVDictionary** tags, const char* key, const std::string& value) {
  if (!value.empty()) av_dict_set(tags, key, value.c_str(), 0);
}

}  // namespace

AudioConversion::AudioConversion(const ConvertJob& job, TargetFile& target) : m_job(job), m_target(target) {
  struct stat st {};
  if (::fstat(job.source, &st) == 0) m_sourceSize = st.st_size;
}

int AudioConversion::ReadInput(void* opaque, uint8_t* buffer, int size) {
  auto* self = static_cast<AudioConversion*>(opaque);
  ssize_t n = 0;
  do n = ::pread(self->m_job.source, buffer, static_cast<size_t>(size), self->m_position);
  while (n < 0 && errno == EINTR);
  if (n < 0) return AVERROR(EIO);
  if (n == 0) return AVERROR_EOF;
  if (self->m_patchEndTime) {
    for (int64_t at = std::max(self->m_position, kEndTimeAt); at < std::min(self->m_position + n, kEndTimeAt + kTimeBytes); ++at)
      buffer[at - self->m_position] = static_cast<uint8_t>(kNeutralEndTime[at - kEndTimeAt]);
  }
  self->m_position += n;
  return static_cast<int>(n);
}

int64_t AudioConversion::SeekInput(void* opaque, int64_t offset, int whence) {
  auto* self = static_cast<AudioConversion*>(opaque);
  if (whence & AVSEEK_SIZE) return self->m_sourceSize;
  int64_t base = 0;
  switch (whence & ~AVSEEK_FORCE) {
    case SEEK_SET: base = 0; break;
    case SEEK_CUR: base = self->m_position; break;
    case SEEK_END: base = self->m_sourceSize; break;
    default: return AVERROR(EINVAL);
  }
  if (offset < -base || base + offset > self->m_sourceSize) return AVERROR(EINVAL);
  self->m_position = base + offset;
  return self->m_position;
}

int AudioConversion::WriteOutput(void* opaque, uint8_t* buffer, int size) {
  auto* self = static_cast<AudioConversion*>(opaque);
  HRESULT hr = self->m_target.Write(std::string_view(reinterpret_cast<const char*>(buffer), static_cast<size_t>(size)));
  if (FAILED(hr)) {
    self->m_writeFailure = hr;
    return AVERROR(EIO);
  }
  return size;
}

int64_t AudioConversion::SeekOutput(void* opaque, int64_t offset, int whence) {
  auto* self = static_cast<AudioConversion*>(opaque);
  if (whence & AVSEEK_SIZE) return self->m_target.Size();
  const long long at = self->m_target.Seek(offset, whence & ~AVSEEK_FORCE);
  return at < 0 ? AVERROR(EIO) : at;
}

HRESULT AudioConversion::OutputFailure(HRESULT otherwise) const {
  return FAILED(m_writeFailure) ? m_writeFailure : otherwise;
}

HRESULT AudioConversion::OpenInput() {
  m_patchEndTime = !EndTimeReadable(m_job.source);
  m_inputIo.reset(NewIo(this, false, &ReadInput, nullptr, &SeekInput));
  AVFormatContext* input = avformat_alloc_context();
  if (!m_inputIo || !input) {
    avformat_free_context(input);
    return E_OUTOFMEMORY;
  }
  input->pb = m_inputIo.get();
  // On failure FFmpeg frees the context itself.
  if (avformat_open_input(&input, nullptr, av_find_input_format("dss"), nullptr) < 0) return dpmCtrlInvalidFile;
  m_input.reset(input);
  if (m_input->nb_streams != 1) return dpmCtrlInvalidFile;
  const AVCodecParameters* parameters = m_input->streams[0]->codecpar;
  const AVCodec* codec = avcodec_find_decoder(parameters->codec_id);
  if (!codec) return dpmCtrlAudioFormatNotSupported;
  m_decoder.reset(avcodec_alloc_context3(codec));
  if (!m_decoder) return E_OUTOFMEMORY;
  if (avcodec_parameters_to_context(m_decoder.get(), parameters) < 0 || avcodec_open2(m_decoder.get(), codec, nullptr) < 0)
    return dpmCtrlInvalidFile;
  m_decoded.reset(av_frame_alloc());
  return m_decoded ? S_OK : E_OUTOFMEMORY;
}

HRESULT AudioConversion::OpenEncoder() {
  const AudioFormat& format = m_job.format;
  const EncoderChoice choice = ChoiceOf(format);
  const AVCodec* codec = avcodec_find_encoder(choice.id);
  if (!codec) return dpmCtrlAudioFormatNotSupported;
  m_encoder.reset(avcodec_alloc_context3(codec));
  if (!m_encoder) return E_OUTOFMEMORY;
  m_encoder->sample_fmt = choice.sampleFormat != AV_SAMPLE_FMT_NONE ? choice.sampleFormat : SampleFormatFor(codec);
  m_encoder->sample_rate = format.sampleRate;
  m_encoder->time_base = AVRational{1, format.sampleRate};
  if (format.bitRate > 0) m_encoder->bit_rate = format.bitRate;
  av_channel_layout_default(&m_encoder->ch_layout, format.channels);
  if (format.bits == 24) m_encoder->bits_per_raw_sample = 24;
  if (m_output->oformat->flags & AVFMT_GLOBALHEADER) m_encoder->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
  if (avcodec_open2(m_encoder.get(), codec, nullptr) < 0) return dpmCtrlAudioFormatNotSupported;
  m_queue.reset(av_audio_fifo_alloc(m_encoder->sample_fmt, format.channels, kPcmChunkSamples));
  return m_queue ? S_OK : E_OUTOFMEMORY;
}

HRESULT AudioConversion::OpenOutput() {
  AVFormatContext* output = nullptr;
  if (avformat_alloc_output_context2(&output, nullptr, ChoiceOf(m_job.format).muxer, nullptr) < 0)
    return dpmCtrlAudioFormatNotSupported;
  m_output.reset(output);
  m_outputIo.reset(NewIo(this, true, nullptr, &WriteOutput, &SeekOutput));
  if (!m_outputIo) return E_OUTOFMEMORY;
  m_output->pb = m_outputIo.get();
  if (HRESULT hr = OpenEncoder(); FAILED(hr)) return hr;
  AVStream* stream = avformat_new_stream(m_output.get(), nullptr);
  if (!stream) return E_OUTOFMEMORY;
  stream->time_base = m_encoder->time_base;
  if (avcodec_parameters_from_context(stream->codecpar, m_encoder.get()) < 0) return E_OUTOFMEMORY;
  SetTag(&m_output->metadata, "title", m_job.tags.title);
  SetTag(&m_output->metadata, "artist", m_job.tags.author);
  SetTag(&m_output->metadata, "date", m_job.tags.date);
  SetTag(&m_output->metadata, "comment", m_job.tags.comment);
  AVDictionary* options = nullptr;
  // "auto" reserves room for the large form and takes it only when the file ends up needing it.
  if (m_job.format.encoding == AudioEncoding::Pcm)
    av_dict_set(&options, "rf64", m_job.WaveDataBytes() > m_job.largeWaveBytes ? "always" : "auto", 0);
  const int written = avformat_write_header(m_output.get(), &options);
  av_dict_free(&options);
  return written < 0 ? OutputFailure(dpmCtrlAudioFormatNotSupported) : S_OK;
}

HRESULT AudioConversion::OpenResampler() {
  SwrContext* resampler = nullptr;
  if (swr_alloc_set_opts2(&resampler, &m_encoder->ch_layout, m_encoder->sample_fmt, m_encoder->sample_rate,
                          &m_decoder->ch_layout, m_decoder->sample_fmt, m_decoder->sample_rate, 0, nullptr) < 0)
    return E_OUTOFMEMORY;
  m_resampler.reset(resampler);
  return swr_init(m_resampler.get()) < 0 ? dpmCtrlAudioFormatNotSupported : S_OK;
}

HRESULT AudioConversion::Encode(AVFrame* samples) {
  if (avcodec_send_frame(m_encoder.get(), samples) < 0) return dpmCtrlAudioFormatNotSupported;
  AvPacketPtr packet(av_packet_alloc());
  if (!packet) return E_OUTOFMEMORY;
  for (;;) {
    int ret = avcodec_receive_packet(m_encoder.get(), packet.get());
    if (ret == AVERROR(EAGAIN) || ret == AVERROR_EOF) return S_OK;
    if (ret < 0) return dpmCtrlAudioFormatNotSupported;
    packet->stream_index = 0;
    av_packet_rescale_ts(packet.get(), m_encoder->time_base, m_output->streams[0]->time_base);
    if (av_write_frame(m_output.get(), packet.get()) < 0) return OutputFailure(E_FAIL);
  }
}

HRESULT AudioConversion::EncodeQueued(bool flush) {
  const bool anySize = m_encoder->frame_size <= 0 || (m_encoder->codec->capabilities & AV_CODEC_CAP_VARIABLE_FRAME_SIZE);
  const int frameSize = anySize ? kPcmChunkSamples : m_encoder->frame_size;
  const bool smallLast = anySize || (m_encoder->codec->capabilities & AV_CODEC_CAP_SMALL_LAST_FRAME);
  while (av_audio_fifo_size(m_queue.get()) >= frameSize || (flush && av_audio_fifo_size(m_queue.get()) > 0)) {
    const int take = std::min(frameSize, av_audio_fifo_size(m_queue.get()));
    AvFramePtr frame(av_frame_alloc());
    if (!frame) return E_OUTOFMEMORY;
    frame->format = m_encoder->sample_fmt;
    frame->sample_rate = m_encoder->sample_rate;
    frame->nb_samples = smallLast ? take : frameSize;
    if (av_channel_layout_copy(&frame->ch_layout, &m_encoder->ch_layout) < 0 || av_frame_get_buffer(frame.get(), 0) < 0)
      return E_OUTOFMEMORY;
    if (av_audio_fifo_read(m_queue.get(), reinterpret_cast<void**>(frame->data), take) != take) return E_FAIL;
    if (take < frame->nb_samples)  // a last frame the encoder wants whole: silence after the end
      av_samples_set_silence(frame->data, take, frame->nb_samples - take, m_job.format.channels, m_encoder->sample_fmt);
    frame->pts = m_samplesOut;
    m_samplesOut += frame->nb_samples;
    if (HRESULT hr = Encode(frame.get()); FAILED(hr)) return hr;
  }
  return flush ? Encode(nullptr) : S_OK;
}

// `decoded` null drains what the resampler still holds.
HRESULT AudioConversion::Resample(const AVFrame* decoded) {
  const int inSamples = decoded ? decoded->nb_samples : 0;
  const int capacity = swr_get_out_samples(m_resampler.get(), inSamples);
  if (capacity <= 0) return S_OK;
  AvFramePtr samples(av_frame_alloc());
  if (!samples) return E_OUTOFMEMORY;
  samples->format = m_encoder->sample_fmt;
  samples->sample_rate = m_encoder->sample_rate;
  samples->nb_samples = capacity;
  if (av_channel_layout_copy(&samples->ch_layout, &m_encoder->ch_layout) < 0 || av_frame_get_buffer(samples.get(), 0) < 0)
    return E_OUTOFMEMORY;
  const int made = swr_convert(m_resampler.get(), samples->data, capacity,
                               decoded ? const_cast<const uint8_t**>(decoded->extended_data) : nullptr, inSamples);
  if (made < 0) return dpmCtrlInvalidFile;
  if (made == 0) return S_OK;
  if (av_audio_fifo_write(m_queue.get(), reinterpret_cast<void**>(samples->data), made) != made) return E_OUTOFMEMORY;
  return EncodeQueued(false);
}

// `packet` null drains the decoder.
HRESULT AudioConversion::Decode(const AVPacket* packet) {
  if (avcodec_send_packet(m_decoder.get(), packet) < 0) return dpmCtrlInvalidFile;
  for (;;) {
    int ret = avcodec_receive_frame(m_decoder.get(), m_decoded.get());
    if (ret == AVERROR(EAGAIN) || ret == AVERROR_EOF) return S_OK;
    if (ret < 0) return dpmCtrlInvalidFile;
    HRESULT hr = Resample(m_decoded.get());
    av_frame_unref(m_decoded.get());
    if (FAILED(hr)) return hr;
  }
}

HRESULT AudioConversion::Run(TaskProgress& progress) {
  // FFmpeg logs damaged frames to the host program's stderr; the task's result is our whole report.
  av_log_set_level(AV_LOG_QUIET);
  if (HRESULT hr = OpenInput(); FAILED(hr)) return hr;
  if (HRESULT hr = OpenOutput(); FAILED(hr)) return hr;
  if (HRESULT hr = OpenResampler(); FAILED(hr)) return hr;
  AvPacketPtr packet(av_packet_alloc());
  if (!packet) return E_OUTOFMEMORY;
  size_t read = 0;
  const size_t frames = m_job.frames ? m_job.frames : 1;
  for (;;) {
    int ret = av_read_frame(m_input.get(), packet.get());
    if (ret == AVERROR_EOF) break;
    if (ret < 0) return dpmCtrlInvalidFile;
    HRESULT hr = Decode(packet.get());
    av_packet_unref(packet.get());
    if (FAILED(hr)) return hr;
    if (!progress.Report(static_cast<LONG>(std::min<size_t>(++read, frames) * 99 / frames))) return progress.Cancelled();
  }
  if (HRESULT hr = Decode(nullptr); FAILED(hr)) return hr;
  if (HRESULT hr = Resample(nullptr); FAILED(hr)) return hr;
  if (HRESULT hr = EncodeQueued(true); FAILED(hr)) return hr;
  if (av_write_trailer(m_output.get()) < 0) return OutputFailure(E_FAIL);
  avio_flush(m_outputIo.get());
  return OutputFailure(S_OK);
}
