// SPDX-License-Identifier: GPL-3.0-or-later
// The recorder tool records dictations on a simulated card, and the device object agrees with it.
#include <filesystem>

#include "tests/component/files/FilesFixture.h"

namespace {

namespace fs = std::filesystem;

TEST_F(FilesTest, TheDeviceAgreesWithTheCard) {
  const std::string first = Record("10 2-3.5");
  Record("1");
  EXPECT_EQ(first, Card() + "/DICT0001.DSS");
  ASSERT_EQ(control->Initialize(0), S_OK);
  ComPtr<IDPMDevice> device = Device();
  LONG count = 0, free = 0;
  EXPECT_EQ(device->get_FileCount(&count), S_OK);
  EXPECT_EQ(count, 2) << "companions are not dictations";
  EXPECT_EQ(device->GetFreeDiskSpace(&free), S_OK);
  LONG usedKiB = 0;
  for (const auto& entry : fs::directory_iterator(Card())) usedKiB += static_cast<LONG>((entry.file_size() + 1023) / 1024);
  EXPECT_EQ(free, FindRecorderModel(27)->cardMiB * 1024 - usedKiB);

  EXPECT_EQ(device->DeleteDeviceFile(Text("DICT0001.DSS").Get()), S_OK);
  EXPECT_FALSE(fs::exists(first + ".json")) << "the companion goes with its dictation";
  EXPECT_EQ(device->get_FileCount(&count), S_OK);
  EXPECT_EQ(count, 1);
  EXPECT_EQ(device->FormatCard(), S_OK);
  EXPECT_EQ(device->get_FileCount(&count), S_OK);
  EXPECT_EQ(count, 0);
  EXPECT_EQ(EntryCount(Card()), 0u);
  EXPECT_EQ(Record("1"), Card() + "/DICT0003.DSS") << "the file counter moved on";
}

TEST_F(FilesTest, TheToolRefusesWhatARecorderCannotRecord) {
  for (const char* arguments : {"0", "36001", "x", "10 5-4", "10 2-11", "10 1-3 2-4", "10 3"})
    EXPECT_NE(Tool(std::string("record rec ") + arguments), 0) << arguments;
  EXPECT_NE(Tool("record nobody 10"), 0);
  EXPECT_EQ(EntryCount(Card()), 0u);
}

}  // namespace
