// SPDX-License-Identifier: GPL-3.0-or-later
#include "component/files/ConversionTargetState.h"

#include <cstdlib>

#include "component/files/AvHolders.h"

namespace {

// Encoder delay and the last frame's padding: Opus and MP3 add some tens of milliseconds.
constexpr long long kLengthSlackMs = 150;

std::string Tag(const AVFormatContext* file, const char* key) {
  const AVDictionaryEntry* entry = av_dict_get(file->metadata, key, nullptr, 0);
  if (!entry && file->nb_streams > 0) entry = av_dict_get(file->streams[0]->metadata, key, nullptr, 0);
  return entry ? entry->value : "";
}

bool IsOurs(const AVFormatContext* file, const ConvertTags& tags) {
  return Tag(file, "title") == tags.title && Tag(file, "artist") == tags.author && Tag(file, "date") == tags.date &&
         Tag(file, "comment") == tags.comment;
}

AVCodecID ExpectedCodec(const AudioFormat& format) {
  switch (format.encoding) {
    case AudioEncoding::Flac: return AV_CODEC_ID_FLAC;
    case AudioEncoding::Opus: return AV_CODEC_ID_OPUS;
    case AudioEncoding::Mp3: return AV_CODEC_ID_MP3;
    case AudioEncoding::Pcm: break;
  }
  if (format.isFloat) return AV_CODEC_ID_PCM_F32LE;
  switch (format.bits) {
    case 8: return AV_CODEC_ID_PCM_U8;
    case 24: return AV_CODEC_ID_PCM_S24LE;
    case 32: return AV_CODEC_ID_PCM_S32LE;
    default: return AV_CODEC_ID_PCM_S16LE;
  }
}

bool FormatMatches(const AVCodecParameters* p, const AudioFormat& format) {
  // An Ogg Opus stream always reads as 48 kHz, whatever rate it was made from.
  const bool rateMatches = format.encoding == AudioEncoding::Opus || p->sample_rate == format.sampleRate;
  return p->codec_id == ExpectedCodec(format) && rateMatches && p->ch_layout.nb_channels == format.channels;
}

}  // namespace

TargetState StateOfConversionTarget(const ConvertJob& job, const std::string& target) {
  av_log_set_level(AV_LOG_QUIET);
  AVFormatContext* opened = nullptr;
  if (avformat_open_input(&opened, target.c_str(), nullptr, nullptr) < 0) return TargetState::Foreign;
  AvInput file(opened);
  // The raw formats (FLAC, MP3) know their channels and packet lengths only once their parser has run.
  if (avformat_find_stream_info(file.get(), nullptr) < 0) return TargetState::Foreign;
  if (file->nb_streams != 1 || !IsOurs(file.get(), job.tags) || !FormatMatches(file->streams[0]->codecpar, job.format))
    return TargetState::Foreign;
  const AVStream* stream = file->streams[0];
  AvPacketPtr packet(av_packet_alloc());
  if (!packet) return TargetState::Foreign;
  int64_t duration = 0;
  int ret = 0;
  while ((ret = av_read_frame(file.get(), packet.get())) >= 0) {
    duration += packet->duration;
    av_packet_unref(packet.get());
  }
  if (ret != AVERROR_EOF) return TargetState::Damaged;
  const long long ms = av_rescale_q(duration, stream->time_base, AVRational{1, 1000});
  return std::llabs(ms - job.Milliseconds()) <= kLengthSlackMs ? TargetState::Complete : TargetState::Damaged;
}
