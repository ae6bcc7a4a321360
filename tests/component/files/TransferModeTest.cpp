// SPDX-License-Identifier: GPL-3.0-or-later
// A copied or moved dictation, and its companion, is no more readable than its source: it keeps the
// source's permission bits less the umask, as cp does, on one file system or across two.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "component/files/DictationCompanion.h"
#include "component/files/FileTransfer.h"
#include "tests/component/files/ConvertRun.h"

namespace {

mode_t ModeOf(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 ? st.st_mode & 0777 : 0;
}

struct Row {
  const char* what;
  FileTask::Kind kind;
  bool acrossFileSystems;
  mode_t umask, source, expected;
};

class TransferMode : public ::testing::TestWithParam<Row> {};

TEST_P(TransferMode, KeepsTheSourcesBitsLessTheUmask) {
  const Row& row = GetParam();
  TempFolder from(row.acrossFileSystems ? "/dev/shm" : std::filesystem::temp_directory_path().string());
  TempFolder to;
  std::string dss;
  ASSERT_EQ(MakeSpDictation(SpFramesFor(300), 1700000000, "A", &dss), S_OK);
  WriteText(from / "a.dss", dss);
  WriteText(CompanionPathOf(from / "a.dss"), CompanionToJson(DictationCompanion{}));
  for (const std::string& file : {from / "a.dss", CompanionPathOf(from / "a.dss")}) ::chmod(file.c_str(), row.source);

  FileTask task;
  task.kind = row.kind;
  task.source = from / "a.dss";
  task.destination = to.Path();
  GoOn progress;
  const mode_t old = ::umask(row.umask);
  const HRESULT hr = row.kind == FileTask::Kind::Copy ? RunCopy(task, progress) : RunMove(task, progress);
  ::umask(old);
  ASSERT_EQ(hr, S_OK);
  EXPECT_EQ(ModeOf(to / "a.dss"), row.expected);
  EXPECT_EQ(ModeOf(CompanionPathOf(to / "a.dss")), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TransferMode,
    ::testing::Values(Row{"CopyPrivate", FileTask::Kind::Copy, false, 022, 0600, 0600},
                      Row{"CopyGroupUnderStrictUmask", FileTask::Kind::Copy, false, 077, 0640, 0600},
                      Row{"CopyOpen", FileTask::Kind::Copy, false, 022, 0666, 0644},
                      Row{"MoveAcrossFileSystemsPrivate", FileTask::Kind::Move, true, 022, 0600, 0600},
                      Row{"MoveAcrossFileSystemsGroup", FileTask::Kind::Move, true, 002, 0660, 0660}),
    [](const auto& info) { return std::string(info.param.what); });

}  // namespace
