// SPDX-License-Identifier: GPL-3.0-or-later
// A link anywhere in a recorder folder is refused and never followed: whatever the recorder does
// (tidy-up, taking requests, listing and writing), the place the link leads to stays as it was.
#include <gtest/gtest.h>

#include <sys/file.h>
#include <sys/stat.h>

#include <filesystem>
#include <map>

#include "component/models/RecorderModel.h"
#include "component/recorders/FileAccess.h"
#include "component/recorders/RecorderFolder.h"
#include "device/DpmResults.h"
#include "tests/component/TempFolder.h"

namespace fs = std::filesystem;

namespace {

// Every file under a folder with its content: what must not change.
std::map<std::string, std::string> Contents(const std::string& folder) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(folder))
    files[entry.path().string()] = entry.is_regular_file() ? ReadText(entry.path()) : "(folder)";
  return files;
}

class RecorderLinks : public ::testing::TestWithParam<const char*> {
 protected:
  void SetUp() override {
    ASSERT_EQ(RecorderFolder::Create(root.Path(), *FindRecorderModelByName("DPM4_8200"), "desk", &path), S_OK);
    // Bait that any operation of the recorder would take, tidy or overwrite, were it to follow a link.
    for (const char* name : {"a.json", "state.json", "settings.json", "x.tmp-ABCDEF", "DICT0001.DSS",
                             "DICT0002.DSS.json", "DICT0001.DSS.tmp-ABCDEF"})
      WriteText(outside / name, name);
    fs::create_directory(outside / ".card-formatting-ABCDEF");
  }

  TempFolder root, outside;
  std::string path;
};

TEST_P(RecorderLinks, AreRefusedAndNeverFollowed) {
  const std::string name = GetParam();
  const std::string linked = path + "/" + name;
  fs::remove_all(linked);
  const bool folder = name == "card" || name == "requests";
  ASSERT_EQ(::symlink((folder ? outside.Path() : outside / name).c_str(), linked.c_str()), 0);
  const auto before = Contents(outside.Path());
  const RecorderFolder recorder(path);

  recorder.Tidy();
  EXPECT_TRUE(recorder.TakeRequests().empty());
  std::vector<CardFile> card;
  const HRESULT listed = recorder.ListCard(&card);
  const HRESULT posted = recorder.PostRequest("{}");
  const HRESULT changed = recorder.UpdateState([](RecorderState&) { return S_OK; });
  const HRESULT stored = recorder.StoreSettings(FactorySettings(*FindRecorderModelByName("DPM4_8200")));
  const HRESULT deleted = recorder.DeleteCardFile("DICT0001.DSS");
  const HRESULT written = WriteFileAtomically(recorder.CardPath() + "/DICT0003.DSS", "x", FileLinks::Refuse);

  EXPECT_EQ(Contents(outside.Path()), before) << "the link's target changed";
  EXPECT_EQ(listed, name == "card" ? dpmCtrlInvalidFile : S_OK);
  EXPECT_EQ(deleted, name == "card" ? dpmCtrlInvalidFile : dpmCtrlFileNotFound);
  EXPECT_EQ(written, name == "card" ? dpmCtrlInvalidFile : S_OK);
  EXPECT_EQ(SUCCEEDED(posted), name != "requests");
  EXPECT_EQ(SUCCEEDED(changed), name != "state.json");
  EXPECT_EQ(SUCCEEDED(stored), name != "settings.json");
}

INSTANTIATE_TEST_SUITE_P(Entries, RecorderLinks, ::testing::Values("requests", "card", "state.json", "settings.json"),
                         [](const auto& info) {
                           std::string name = info.param;
                           return name.substr(0, name.find('.'));
                         });

// What a killed writer leaves on the card: its temporary file and a companion whose dictation never
// came. Never listed, and gone after the next tidy-up, while a writer still at work keeps its file.
TEST(RecorderDebris, IsHiddenAndTidiedButALiveWriterKeepsItsFile) {
  TempFolder root;
  std::string path;
  ASSERT_EQ(RecorderFolder::Create(root.Path(), *FindRecorderModelByName("DPM4_8200"), "desk", &path), S_OK);
  const RecorderFolder recorder(path);
  const std::string card = recorder.CardPath();
  for (const char* name : {"DICT0001.DSS", "DICT0001.DSS.json", "DICT0002.DSS.json", "DICT0003.DSS.tmp-ABCDEF",
                           ".DICT0004.DSS.tmp-ABCDEF", "notes.json"})
    WriteText(card + "/" + name, "x");
  std::string live;
  const int writer = CreateUniqueFile(card + "/DICT0005.DSS.tmp-", 0644, &live);
  ASSERT_GE(writer, 0);

  const std::vector<std::string> kept{"DICT0001.DSS", "DICT0001.DSS.json", "notes.json"};
  std::vector<CardFile> files;
  ASSERT_EQ(recorder.ListCard(&files), S_OK);
  std::vector<std::string> names;
  for (const CardFile& file : files) names.push_back(file.name);
  EXPECT_EQ(names, kept) << "debris is never listed";

  recorder.Tidy();
  std::vector<std::string> left;
  for (const auto& entry : fs::directory_iterator(card)) left.push_back(entry.path().filename().string());
  std::sort(left.begin(), left.end());
  EXPECT_EQ(left, (std::vector<std::string>{"DICT0001.DSS", "DICT0001.DSS.json", fs::path(live).filename().string(),
                                            "notes.json"}));
  ::close(writer);
}

}  // namespace
