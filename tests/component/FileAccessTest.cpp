// Whole-file reads and atomic writes: each failure with its code, and the old file whole afterwards.
#include <gtest/gtest.h>

#include <ostream>

#include <cerrno>
#include <sys/stat.h>

#include "component/FaultInjection.h"
#include "component/FileAccess.h"
#include "device/DpmResults.h"
#include "tests/component/TempFolder.h"

namespace {

class FileAccess : public ::testing::Test {
 protected:
  void TearDown() override { ClearFaults(); }
  TempFolder folder;
};

TEST_F(FileAccess, ReadFailuresHaveTheirCodes) {
  std::string text = "untouched";
  EXPECT_EQ(ReadWholeFile(folder / "missing.json", 100, &text), dpmCtrlFileNotFound);
  EXPECT_EQ(ReadWholeFile(folder / "no-folder/x.json", 100, &text), dpmCtrlPathNotFound);
  EXPECT_EQ(ReadWholeFile("", 100, &text), dpmCtrlPathNotFound);
  EXPECT_EQ(ReadWholeFile(folder.Path(), 100, &text), dpmCtrlAccessDenied);
  WriteText(folder / "big", std::string(101, 'x'));
  EXPECT_EQ(ReadWholeFile(folder / "big", 100, &text), dpmCtrlInvalidFile);
  // Root reads any file, so the refused permission comes through the seam.
  InjectFault("open", EACCES);
  EXPECT_EQ(ReadWholeFile(folder / "big", 1000, &text), dpmCtrlAccessDenied);
  EXPECT_EQ(text, "untouched");
  EXPECT_EQ(ReadWholeFile(folder / "big", 101, &text), S_OK);
  EXPECT_EQ(text.size(), 101u);
}

struct WriteFault {
  const char* step;
  int error;
  HRESULT expected;
};

// Test names and messages show the row, not its bytes.
void PrintTo(const WriteFault& row, std::ostream* out) { *out << row.step; }

class FileAccessWriteFault : public FileAccess, public ::testing::WithParamInterface<WriteFault> {};

TEST_P(FileAccessWriteFault, LeavesTheOldFileWholeAndNoTemporary) {
  const std::string path = folder / "settings.json";
  WriteText(path, "old content");
  InjectFault(GetParam().step, GetParam().error);
  EXPECT_EQ(WriteFileAtomically(path, "new content"), GetParam().expected);
  EXPECT_EQ(ReadText(path), "old content");
  EXPECT_EQ(EntryCount(folder.Path()), 1u);
  EXPECT_EQ(WriteFileAtomically(path, "new content"), S_OK);  // the fault was used up
  EXPECT_EQ(ReadText(path), "new content");
}

INSTANTIATE_TEST_SUITE_P(Steps, FileAccessWriteFault,
                         ::testing::Values(WriteFault{"create", EACCES, dpmCtrlAccessDenied},
                                           WriteFault{"create", EROFS, dpmCtrlFileReadOnly},
                                           WriteFault{"write", ENOSPC, dpmCtrlOutOfDiskSpace},
                                           WriteFault{"write", EIO, E_FAIL},
                                           WriteFault{"sync", EIO, E_FAIL},
                                           WriteFault{"rename", EDQUOT, dpmCtrlOutOfDiskSpace}),
                         [](const auto& info) { return std::string(info.param.step) + std::to_string(info.index); });

TEST_F(FileAccess, ReadOnlyTargetOrFolderIsRefusedEvenForRoot) {
  const std::string path = folder / "locked.json";
  WriteText(path, "old");
  ::chmod(path.c_str(), 0444);
  EXPECT_EQ(WriteFileAtomically(path, "new"), dpmCtrlFileReadOnly);
  EXPECT_EQ(ReadText(path), "old");

  ::chmod(path.c_str(), 0644);
  ::chmod(folder.Path().c_str(), 0555);
  EXPECT_EQ(WriteFileAtomically(path, "new"), dpmCtrlAccessDenied);
  EXPECT_EQ(WriteFileAtomically(folder / "fresh.json", "new"), dpmCtrlAccessDenied);
  EXPECT_EQ(ReadText(path), "old");
  EXPECT_EQ(EntryCount(folder.Path()), 1u);
}

TEST_F(FileAccess, MissingFolderAndFolderTarget) {
  EXPECT_EQ(WriteFileAtomically(folder / "nowhere/x.json", "x"), dpmCtrlPathNotFound);
  EXPECT_EQ(WriteFileAtomically(folder.Path(), "x"), dpmCtrlAccessDenied);
  EXPECT_EQ(WriteFileAtomically("", "x"), dpmCtrlPathNotFound);
}

}  // namespace
