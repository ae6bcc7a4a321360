// SPDX-License-Identifier: GPL-3.0-or-later
// convert's plan of a batch, its progress line and its format blocks.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "quorvelctl/files/BatchConvert.h"
#include "quorvelctl/files/BatchPlan.h"
#include "quorvelctl/files/ConvertFormat.h"

namespace {

namespace fs = std::filesystem;

class BatchPlanTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_root = fs::temp_directory_path() / ("batch-plan-" + std::to_string(::getpid()));
    for (const char* file : {"card/A.DSS", "card/b.ds2", "card/A.DSS.json", "card/notes.txt", "card/sub/C.dss",
                             "card/sub/A.DSS", "other/A.DSS"}) {
      fs::create_directories((m_root / file).parent_path());
      std::ofstream(m_root / file) << "x";
    }
    fs::create_directory_symlink(m_root / "other", m_root / "card/link");
  }
  void TearDown() override { fs::remove_all(m_root); }
  std::string P(const std::string& relative) const { return (m_root / relative).string(); }

  fs::path m_root;
};

TEST_F(BatchPlanTest, FoldersGiveTheirDictationsKeepingTheirLayoutWithoutFollowingLinks) {
  const BatchPlan plan = BatchPlan::Make({P("card")}, P("out"), true, true, "flac");
  ASSERT_EQ(plan.items.size(), 4u);
  EXPECT_TRUE(plan.refused.empty());
  const std::vector<std::pair<std::string, std::string>> expected{{"card/A.DSS", "out/A.flac"},
                                                                  {"card/b.ds2", "out/b.flac"},
                                                                  {"card/sub/A.DSS", "out/sub/A.flac"},
                                                                  {"card/sub/C.dss", "out/sub/C.flac"}};
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(plan.items[i].source, P(expected[i].first));
    EXPECT_EQ(plan.items[i].target, P(expected[i].second));
  }
}

TEST_F(BatchPlanTest, AFolderWithoutRecursionAndASecondSourceOfOneTargetAreRefusedByName) {
  const BatchPlan plan = BatchPlan::Make({P("card/A.DSS"), P("card"), P("other/A.DSS")}, P("out"), true, false, "wav");
  ASSERT_EQ(plan.items.size(), 1u);
  EXPECT_EQ(plan.items[0].target, P("out/A.wav"));
  ASSERT_EQ(plan.refused.size(), 2u);
  EXPECT_EQ(plan.refused[0].source, P("card"));
  EXPECT_NE(plan.refused[0].reason.find("-r"), std::string::npos);
  EXPECT_EQ(plan.refused[1].source, P("other/A.DSS"));
  EXPECT_NE(plan.refused[1].reason.find(P("card/A.DSS")), std::string::npos) << plan.refused[1].reason;
}

TEST(BatchProgressText, FilesAudioAndTimeLeft) {
  EXPECT_EQ(CBatchConvert::ProgressText(3, 10, 750000, 6000000, 130000),
            "Convert 3/10 files, 0:12:30 of 1:40:00 audio, 0:02:10 left");
  EXPECT_EQ(CBatchConvert::ProgressText(0, 1, 0, 3600000, std::nullopt), "Convert 0/1 files, 0:00:00 of 1:00:00 audio");
}

struct BlockRow {
  const char* name;
  std::vector<BYTE> head;  // tag, channels, rate, bytes per second, align, bits
};

class ConvertFormatBlock : public ::testing::TestWithParam<BlockRow> {};

TEST_P(ConvertFormatBlock, IsAWaveFormatWithOurOptions) {
  const std::optional<ConvertFormat> format = ConvertFormat::Named(GetParam().name);
  ASSERT_TRUE(format);
  const std::vector<BYTE> block = format->Block(true);
  ASSERT_EQ(block.size(), 26u);
  EXPECT_EQ(std::vector<BYTE>(block.begin(), block.begin() + 16), GetParam().head);
  EXPECT_EQ(std::vector<BYTE>(block.begin() + 16, block.end()),
            (std::vector<BYTE>{8, 0, 'Q', 'V', 'R', 'L', 1, 0, 0, 0}));
  EXPECT_EQ(format->Block(false)[22], 0);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ConvertFormatBlock,
    ::testing::Values(BlockRow{"wav16", {1, 0, 1, 0, 0x80, 0x3E, 0, 0, 0, 0x7D, 0, 0, 2, 0, 16, 0}},
                      BlockRow{"wav8", {1, 0, 1, 0, 0x40, 0x1F, 0, 0, 0x80, 0x3E, 0, 0, 2, 0, 16, 0}},
                      BlockRow{"flac", {0xAC, 0xF1, 1, 0, 0x80, 0x3E, 0, 0, 0, 0, 0, 0, 2, 0, 16, 0}},
                      BlockRow{"opus", {0x4F, 0x70, 1, 0, 0x80, 0x3E, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
                      BlockRow{"mp3", {0x55, 0, 1, 0, 0x80, 0x3E, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ConvertFormatNames, OnlyTheListedOnes) {
  EXPECT_EQ(ConvertFormat::Named("0")->name, "wav16");
  EXPECT_EQ(ConvertFormat::Named("1")->name, "wav8");
  for (const char* name : {"", "0", "1", "wav16", "wav8", "flac", "opus", "mp3"}) EXPECT_TRUE(ConvertFormat::Named(name)) << name;
  for (const char* name : {"2", "ogg", "WAV16", "wav"}) EXPECT_FALSE(ConvertFormat::Named(name)) << name;
}

}  // namespace
