// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/component/files/FfmpegProbe.h"

#include <cmath>
#include <cstdarg>
#include <mutex>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/opt.h>
}

namespace {

int g_warnings = 0;

void CountWarnings(void*, int level, const char*, va_list) {
  if (level <= AV_LOG_WARNING) ++g_warnings;
}

struct Input {
  AVFormatContext* context = nullptr;
  ~Input() { avformat_close_input(&context); }
};

struct Codec {
  AVCodecContext* context = nullptr;
  ~Codec() { avcodec_free_context(&context); }
};

double Sample(const AVFrame* frame, int i) {
  switch (frame->format) {
    case AV_SAMPLE_FMT_S16: return reinterpret_cast<const int16_t*>(frame->data[0])[i * frame->ch_layout.nb_channels];
    case AV_SAMPLE_FMT_S32: return reinterpret_cast<const int32_t*>(frame->data[0])[i * frame->ch_layout.nb_channels];
    case AV_SAMPLE_FMT_FLT: return reinterpret_cast<const float*>(frame->data[0])[i * frame->ch_layout.nb_channels];
    case AV_SAMPLE_FMT_U8: return frame->data[0][i * frame->ch_layout.nb_channels] - 128.0;
    case AV_SAMPLE_FMT_S16P: return reinterpret_cast<const int16_t*>(frame->data[0])[i];
    case AV_SAMPLE_FMT_FLTP: return reinterpret_cast<const float*>(frame->data[0])[i];
    default: return 0;
  }
}

}  // namespace

DemuxedFile Demux(const std::string& path) {
  DemuxedFile out;
  Input input;
  if (avformat_open_input(&input.context, path.c_str(), nullptr, nullptr) < 0) return out;
  out.opened = true;
  const AVDictionaryEntry* entry = nullptr;
  while ((entry = av_dict_get(input.context->metadata, "", entry, AV_DICT_IGNORE_SUFFIX)))
    out.metadata[entry->key] = entry->value;
  out.codec = avcodec_get_name(input.context->streams[0]->codecpar->codec_id);
  out.sampleRate = input.context->streams[0]->codecpar->sample_rate;
  AVPacket* packet = av_packet_alloc();
  while (av_read_frame(input.context, packet) >= 0) {
    out.packets.emplace_back(reinterpret_cast<const char*>(packet->data), static_cast<size_t>(packet->size));
    av_packet_unref(packet);
  }
  av_packet_free(&packet);
  return out;
}

DecodedAudio Decode(const std::string& path) {
  static std::mutex logLock;
  std::lock_guard lock(logLock);
  DecodedAudio out;
  Input input;
  if (avformat_open_input(&input.context, path.c_str(), nullptr, nullptr) < 0 ||
      avformat_find_stream_info(input.context, nullptr) < 0)
    return out;
  const AVCodecParameters* parameters = input.context->streams[0]->codecpar;
  out.container = input.context->iformat->name;
  for (const AVDictionary* tags : {input.context->metadata, input.context->streams[0]->metadata})
    for (const AVDictionaryEntry* e = nullptr; (e = av_dict_get(tags, "", e, AV_DICT_IGNORE_SUFFIX));)
      out.tags.emplace(e->key, e->value);
  out.codec = avcodec_get_name(parameters->codec_id);
  Codec decoder;
  const AVCodec* codec = avcodec_find_decoder(parameters->codec_id);
  decoder.context = avcodec_alloc_context3(codec);
  if (avcodec_parameters_to_context(decoder.context, parameters) < 0 || avcodec_open2(decoder.context, codec, nullptr) < 0)
    return out;
  out.opened = true;
  out.sampleRate = decoder.context->sample_rate;
  out.channels = decoder.context->ch_layout.nb_channels;
  g_warnings = 0;
  av_log_set_callback(&CountWarnings);
  AVPacket* packet = av_packet_alloc();
  AVFrame* frame = av_frame_alloc();
  double squares = 0;
  auto drain = [&] {
    while (avcodec_receive_frame(decoder.context, frame) == 0) {
      for (int i = 0; i < frame->nb_samples; ++i) squares += Sample(frame, i) * Sample(frame, i);
      out.samples += frame->nb_samples;
    }
  };
  while (av_read_frame(input.context, packet) >= 0) {
    avcodec_send_packet(decoder.context, packet);
    av_packet_unref(packet);
    drain();
  }
  avcodec_send_packet(decoder.context, nullptr);
  drain();
  av_log_set_callback(&av_log_default_callback);
  out.warnings = g_warnings;
  out.rms = out.samples ? std::sqrt(squares / static_cast<double>(out.samples)) : 0;
  av_frame_free(&frame);
  av_packet_free(&packet);
  return out;
}

std::vector<std::string> LongPlayFrames(int frames) {
  std::vector<std::string> out;
  const AVCodec* codec = avcodec_find_encoder(AV_CODEC_ID_G723_1);
  Codec encoder;
  encoder.context = avcodec_alloc_context3(codec);
  encoder.context->sample_rate = 8000;
  encoder.context->sample_fmt = AV_SAMPLE_FMT_S16;
  encoder.context->bit_rate = 6300;
  av_channel_layout_default(&encoder.context->ch_layout, 1);
  if (avcodec_open2(encoder.context, codec, nullptr) < 0) return out;
  AVFrame* frame = av_frame_alloc();
  AVPacket* packet = av_packet_alloc();
  for (int n = 0; n < frames; ++n) {
    frame->nb_samples = 240;
    frame->format = AV_SAMPLE_FMT_S16;
    av_channel_layout_default(&frame->ch_layout, 1);
    av_frame_get_buffer(frame, 0);
    auto* samples = reinterpret_cast<int16_t*>(frame->data[0]);
    for (int i = 0; i < 240; ++i) samples[i] = static_cast<int16_t>(3000 * std::sin((n * 240 + i) * 2 * M_PI * 440 / 8000));
    avcodec_send_frame(encoder.context, frame);
    av_frame_unref(frame);
    while (avcodec_receive_packet(encoder.context, packet) == 0) {
      out.emplace_back(reinterpret_cast<const char*>(packet->data), static_cast<size_t>(packet->size));
      av_packet_unref(packet);
    }
  }
  av_packet_free(&packet);
  av_frame_free(&frame);
  return out;
}
