#include "component/files/WaveConversion.h"

#include <algorithm>
#include <cstring>

#include "device/DpmResults.h"

namespace {

constexpr int kIoBufferBytes = 64 * 1024;
constexpr size_t kEndTimeAt = 0x32;

struct PcmCodec {
  AVCodecID id;
  AVSampleFormat sampleFormat;
};

PcmCodec CodecOf(const PcmFormat& format) {
  if (format.isFloat) return {AV_CODEC_ID_PCM_F32LE, AV_SAMPLE_FMT_FLT};
  switch (format.bits) {
    case 8: return {AV_CODEC_ID_PCM_U8, AV_SAMPLE_FMT_U8};
    case 24: return {AV_CODEC_ID_PCM_S24LE, AV_SAMPLE_FMT_S32};
    case 32: return {AV_CODEC_ID_PCM_S32LE, AV_SAMPLE_FMT_S32};
    default: return {AV_CODEC_ID_PCM_S16LE, AV_SAMPLE_FMT_S16};
  }
}

// FFmpeg's demuxer refuses a file whose end time is not twelve digits; the audio does not depend on
// it, so a blank or damaged one is given a neutral value in the copy FFmpeg reads.
void MakeEndTimeReadable(std::string* dss) {
  if (dss->size() < kEndTimeAt + 12) return;
  for (size_t i = kEndTimeAt; i < kEndTimeAt + 12; ++i)
    if ((*dss)[i] < '0' || (*dss)[i] > '9') {
      dss->replace(kEndTimeAt, 12, "000101000000");
      return;
    }
}

AVIOContext* NewIo(void* opaque, bool writable, int (*read)(void*, uint8_t*, int),
                   int (*write)(void*, uint8_t*, int), int64_t (*seek)(void*, int64_t, int)) {
  auto* buffer = static_cast<unsigned char*>(av_malloc(kIoBufferBytes));
  if (!buffer) return nullptr;
  AVIOContext* io = avio_alloc_context(buffer, kIoBufferBytes, writable ? 1 : 0, opaque, read, write, seek);
  if (!io) av_free(buffer);
  return io;
}

}  // namespace

WaveConversion::WaveConversion(std::string dss, size_t frames, const PcmFormat& format, TargetFile& target)
    : m_dss(std::move(dss)), m_frames(frames), m_format(format), m_target(target) {
  MakeEndTimeReadable(&m_dss);
}

int WaveConversion::ReadInput(void* opaque, uint8_t* buffer, int size) {
  auto* self = static_cast<WaveConversion*>(opaque);
  const size_t left = self->m_dss.size() - std::min(self->m_position, self->m_dss.size());
  const size_t n = std::min(left, static_cast<size_t>(size));
  if (n == 0) return AVERROR_EOF;
  std::memcpy(buffer, self->m_dss.data() + self->m_position, n);
  self->m_position += n;
  return static_cast<int>(n);
}

int64_t WaveConversion::SeekInput(void* opaque, int64_t offset, int whence) {
  auto* self = static_cast<WaveConversion*>(opaque);
  const auto size = static_cast<int64_t>(self->m_dss.size());
  if (whence & AVSEEK_SIZE) return size;
  int64_t base = 0;
  switch (whence & ~AVSEEK_FORCE) {
    case SEEK_SET: base = 0; break;
    case SEEK_CUR: base = static_cast<int64_t>(self->m_position); break;
    case SEEK_END: base = size; break;
    default: return AVERROR(EINVAL);
  }
  if (offset < -base || base + offset > size) return AVERROR(EINVAL);
  self->m_position = static_cast<size_t>(base + offset);
  return base + offset;
}

int WaveConversion::WriteOutput(void* opaque, uint8_t* buffer, int size) {
  auto* self = static_cast<WaveConversion*>(opaque);
  HRESULT hr = self->m_target.Write(std::string_view(reinterpret_cast<const char*>(buffer), static_cast<size_t>(size)));
  if (FAILED(hr)) {
    self->m_writeFailure = hr;
    return AVERROR(EIO);
  }
  return size;
}

int64_t WaveConversion::SeekOutput(void* opaque, int64_t offset, int whence) {
  auto* self = static_cast<WaveConversion*>(opaque);
  if (whence & AVSEEK_SIZE) return self->m_target.Size();
  const long long at = self->m_target.Seek(offset, whence & ~AVSEEK_FORCE);
  return at < 0 ? AVERROR(EIO) : at;
}

HRESULT WaveConversion::OutputFailure(HRESULT otherwise) const {
  return FAILED(m_writeFailure) ? m_writeFailure : otherwise;
}

HRESULT WaveConversion::OpenInput() {
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

HRESULT WaveConversion::OpenOutput() {
  const PcmCodec pcm = CodecOf(m_format);
  const AVCodec* codec = avcodec_find_encoder(pcm.id);
  if (!codec) return dpmCtrlAudioFormatNotSupported;
  AVFormatContext* output = nullptr;
  if (avformat_alloc_output_context2(&output, nullptr, "wav", nullptr) < 0) return dpmCtrlAudioFormatNotSupported;
  m_output.reset(output);
  m_outputIo.reset(NewIo(this, true, nullptr, &WriteOutput, &SeekOutput));
  m_encoder.reset(avcodec_alloc_context3(codec));
  if (!m_outputIo || !m_encoder) return E_OUTOFMEMORY;
  m_output->pb = m_outputIo.get();
  m_encoder->sample_fmt = pcm.sampleFormat;
  m_encoder->sample_rate = m_format.sampleRate;
  m_encoder->time_base = AVRational{1, m_format.sampleRate};
  av_channel_layout_default(&m_encoder->ch_layout, m_format.channels);
  if (m_format.bits == 24) m_encoder->bits_per_raw_sample = 24;
  if (avcodec_open2(m_encoder.get(), codec, nullptr) < 0) return dpmCtrlAudioFormatNotSupported;
  AVStream* stream = avformat_new_stream(m_output.get(), nullptr);
  if (!stream) return E_OUTOFMEMORY;
  stream->time_base = m_encoder->time_base;
  if (avcodec_parameters_from_context(stream->codecpar, m_encoder.get()) < 0) return E_OUTOFMEMORY;
  if (avformat_write_header(m_output.get(), nullptr) < 0) return OutputFailure(dpmCtrlAudioFormatNotSupported);
  return S_OK;
}

HRESULT WaveConversion::OpenResampler() {
  SwrContext* resampler = nullptr;
  if (swr_alloc_set_opts2(&resampler, &m_encoder->ch_layout, m_encoder->sample_fmt, m_encoder->sample_rate,
                          &m_decoder->ch_layout, m_decoder->sample_fmt, m_decoder->sample_rate, 0, nullptr) < 0)
    return E_OUTOFMEMORY;
  m_resampler.reset(resampler);
  return swr_init(m_resampler.get()) < 0 ? dpmCtrlAudioFormatNotSupported : S_OK;
}

HRESULT WaveConversion::Encode(AVFrame* samples) {
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

// `decoded` null drains what the resampler still holds.
HRESULT WaveConversion::Resample(const AVFrame* decoded) {
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
  samples->nb_samples = made;
  samples->pts = m_samplesOut;
  m_samplesOut += made;
  return Encode(samples.get());
}

// `packet` null drains the decoder.
HRESULT WaveConversion::Decode(const AVPacket* packet) {
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

HRESULT WaveConversion::Run(TaskProgress& progress) {
  // FFmpeg logs damaged frames to the host program's stderr; the task's result is our whole report.
  av_log_set_level(AV_LOG_QUIET);
  if (HRESULT hr = OpenInput(); FAILED(hr)) return hr;
  if (HRESULT hr = OpenOutput(); FAILED(hr)) return hr;
  if (HRESULT hr = OpenResampler(); FAILED(hr)) return hr;
  AvPacketPtr packet(av_packet_alloc());
  if (!packet) return E_OUTOFMEMORY;
  size_t read = 0;
  for (;;) {
    int ret = av_read_frame(m_input.get(), packet.get());
    if (ret == AVERROR_EOF) break;
    if (ret < 0) return dpmCtrlInvalidFile;
    HRESULT hr = Decode(packet.get());
    av_packet_unref(packet.get());
    if (FAILED(hr)) return hr;
    if (!progress.Report(static_cast<LONG>(++read * 99 / (m_frames ? m_frames : 1)))) return progress.Cancelled();
  }
  if (HRESULT hr = Decode(nullptr); FAILED(hr)) return hr;
  if (HRESULT hr = Resample(nullptr); FAILED(hr)) return hr;
  if (HRESULT hr = Encode(nullptr); FAILED(hr)) return hr;
  if (av_write_trailer(m_output.get()) < 0) return OutputFailure(E_FAIL);
  avio_flush(m_outputIo.get());
  return OutputFailure(S_OK);
}
