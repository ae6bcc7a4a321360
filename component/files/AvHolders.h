// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Owners of the FFmpeg objects a conversion uses, each freed exactly once.
#include <memory>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/audio_fifo.h>
#include <libswresample/swresample.h>
}

struct AvInputCloser {
  void operator()(AVFormatContext* c) const { avformat_close_input(&c); }
};
struct AvOutputFreer {
  void operator()(AVFormatContext* c) const { avformat_free_context(c); }
};
struct AvCodecFreer {
  void operator()(AVCodecContext* c) const { avcodec_free_context(&c); }
};
struct AvPacketFreer {
  void operator()(AVPacket* p) const { av_packet_free(&p); }
};
struct AvFrameFreer {
  void operator()(AVFrame* f) const { av_frame_free(&f); }
};
struct SwrFreer {
  void operator()(SwrContext* s) const { swr_free(&s); }
};
struct AvFifoFreer {
  void operator()(AVAudioFifo* f) const { av_audio_fifo_free(f); }
};
// An AVIOContext of our own making: its buffer is freed with it.
struct AvIoFreer {
  void operator()(AVIOContext* io) const {
    if (io) av_freep(&io->buffer);
    avio_context_free(&io);
  }
};

using AvInput = std::unique_ptr<AVFormatContext, AvInputCloser>;
using AvOutput = std::unique_ptr<AVFormatContext, AvOutputFreer>;
using AvCodec = std::unique_ptr<AVCodecContext, AvCodecFreer>;
using AvPacketPtr = std::unique_ptr<AVPacket, AvPacketFreer>;
using AvFramePtr = std::unique_ptr<AVFrame, AvFrameFreer>;
using SwrPtr = std::unique_ptr<SwrContext, SwrFreer>;
using AvFifo = std::unique_ptr<AVAudioFifo, AvFifoFreer>;
using AvIo = std::unique_ptr<AVIOContext, AvIoFreer>;
