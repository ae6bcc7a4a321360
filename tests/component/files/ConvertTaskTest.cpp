// Convert on its own: every PCM shape the custom format allows, and a cancel half way.
#include <gtest/gtest.h>

#include "component/files/ConvertTask.h"
#include "component/files/DictationMaker.h"
#include "component/files/DssAudio.h"
#include "component/files/DssHeader.h"
#include "device/DpmResults.h"
#include "tests/component/TempFolder.h"
#include "tests/component/files/FfmpegProbe.h"

namespace {

// Goes on until `stopAt` percent, then asks the task to stop.
class StopAt final : public TaskProgress {
 public:
  explicit StopAt(LONG stopAt) : m_stopAt(stopAt) {}
  bool Report(LONG percent) override {
    if (percent >= m_stopAt) m_reason = dpmCtrlOperationCancelled;
    return SUCCEEDED(m_reason);
  }
  HRESULT Cancelled() const override { return m_reason; }

 private:
  LONG m_stopAt;
  HRESULT m_reason = S_OK;
};

struct PcmRow {
  PcmFormat format;
  const char* codec;
};

class ConvertToPcm : public ::testing::TestWithParam<PcmRow> {
 protected:
  FileTask Task() {
    std::string dss;
    EXPECT_EQ(MakeSpDictation(SpFramesFor(1500), 1700000000, "A", &dss), S_OK);
    WriteText(folder / "a.dss", dss);
    FileTask task;
    task.kind = FileTask::Kind::Convert;
    task.source = folder / "a.dss";
    task.destination = folder.Path();
    task.format = GetParam().format;
    return task;
  }
  TempFolder folder;
};

TEST_P(ConvertToPcm, WritesTheFormatAtTheDictationsLength) {
  StopAt never(101);
  ASSERT_EQ(RunConvert(Task(), never), S_OK);
  const DecodedAudio wav = Decode(folder / "a.wav");
  ASSERT_TRUE(wav.opened);
  EXPECT_EQ(wav.codec, GetParam().codec);
  EXPECT_EQ(wav.sampleRate, GetParam().format.sampleRate);
  EXPECT_EQ(wav.channels, GetParam().format.channels);
  const double ms = wav.samples * 1000.0 / GetParam().format.sampleRate;
  EXPECT_NEAR(ms, DssMilliseconds(kDssCodecStandardPlay, SpFramesFor(1500)), DssFrameMilliseconds(kDssCodecStandardPlay));
  EXPECT_GT(wav.rms, 0.0);
}

TEST_P(ConvertToPcm, StoppedHalfWayLeavesNothing) {
  StopAt half(50);
  EXPECT_EQ(RunConvert(Task(), half), dpmCtrlOperationCancelled);
  EXPECT_EQ(EntryCount(folder.Path()), 1u) << "only the source";
}

INSTANTIATE_TEST_SUITE_P(Rows, ConvertToPcm,
                         ::testing::Values(PcmRow{{8000, 1, 8, false}, "pcm_u8"},
                                           PcmRow{{16000, 1, 16, false}, "pcm_s16le"},
                                           PcmRow{{48000, 2, 24, false}, "pcm_s24le"},
                                           PcmRow{{11025, 1, 32, false}, "pcm_s32le"},
                                           PcmRow{{44100, 2, 32, true}, "pcm_f32le"}));

}  // namespace
