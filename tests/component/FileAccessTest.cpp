// SPDX-License-Identifier: GPL-3.0-or-later
// Whole-file reads and atomic writes: each failure with its code, and the old file whole afterwards.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>

#include <cerrno>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include "component/recorders/FaultInjection.h"
#include "component/recorders/FileAccess.h"
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

struct NotAFile {
  const char* what;
  std::function<std::string(const TempFolder&)> make;  // the path to read
  FileLinks links;
  HRESULT expected;
};

void PrintTo(const NotAFile& row, std::ostream* out) { *out << row.what; }

class FileAccessNotAFile : public FileAccess, public ::testing::WithParamInterface<NotAFile> {};

// Each returns at once with its code: nothing here may block a read or be read at all.
TEST_P(FileAccessNotAFile, IsRefusedWithoutBlocking) {
  const std::string path = GetParam().make(folder);
  std::string text = "untouched";
  EXPECT_EQ(ReadWholeFile(path, 1 << 20, &text, GetParam().links), GetParam().expected);
  EXPECT_EQ(text, "untouched");
}

std::string Fifo(const TempFolder& f) {
  ::mkfifo((f / "fifo").c_str(), 0644);  // no writer: opening it to read would wait forever
  return f / "fifo";
}

std::string Socket(const TempFolder& f) {
  const std::string path = f / "socket";
  int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  path.copy(address.sun_path, sizeof address.sun_path - 1);
  ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
  ::close(fd);
  return path;
}

std::string LinkLoop(const TempFolder& f) {
  ::symlink((f / "b").c_str(), (f / "a").c_str());
  ::symlink((f / "a").c_str(), (f / "b").c_str());
  return f / "a";
}

std::string LinkToFile(const TempFolder& f) {
  WriteText(f / "real.json", "{}");
  ::symlink((f / "real.json").c_str(), (f / "link.json").c_str());
  return f / "link.json";
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FileAccessNotAFile,
    ::testing::Values(NotAFile{"Fifo", Fifo, FileLinks::Follow, dpmCtrlInvalidFile},
                      NotAFile{"LinkToFifo",
                               [](const TempFolder& f) {
                                 ::symlink(Fifo(f).c_str(), (f / "to-fifo").c_str());
                                 return f / "to-fifo";
                               },
                               FileLinks::Follow, dpmCtrlInvalidFile},
                      NotAFile{"CharacterDevice", [](const TempFolder&) { return std::string("/dev/null"); },
                               FileLinks::Follow, dpmCtrlInvalidFile},
                      NotAFile{"Socket", Socket, FileLinks::Follow, dpmCtrlInvalidFile},
                      NotAFile{"LinkLoop", LinkLoop, FileLinks::Follow, dpmCtrlInvalidFile},
                      NotAFile{"LinkWhereRefused", LinkToFile, FileLinks::Refuse, dpmCtrlInvalidFile},
                      NotAFile{"FolderLinkWhereRefused",
                               [](const TempFolder& f) {
                                 LinkToFile(f);
                                 ::symlink(f.Path().c_str(), (f / "linked").c_str());
                                 return f / "linked/real.json";
                               },
                               FileLinks::Refuse, dpmCtrlInvalidFile},
                      // Kernel files look regular but are not: reading one may wait, or take what it reads.
                      NotAFile{"KernelLog", [](const TempFolder&) { return std::string("/proc/kmsg"); },
                               FileLinks::Follow, dpmCtrlInvalidFile},
                      NotAFile{"ProcessStatus", [](const TempFolder&) { return std::string("/proc/self/status"); },
                               FileLinks::Follow, dpmCtrlInvalidFile},
                      NotAFile{"SysfsFile", [](const TempFolder&) { return std::string("/sys/kernel/uevent_seqnum"); },
                               FileLinks::Follow, dpmCtrlInvalidFile}),
    [](const auto& info) { return std::string(info.param.what); });

// Where links are refused, a folder swapped for a link to another one while a file of it is read or
// written is never followed: the file is reached in the folder that was there when the call began.
class FolderSwappedForALink : public FileAccess {
 protected:
  void SetUp() override {
    ::mkdir((folder / "recorder").c_str(), 0755);
    ::mkdir((folder / "elsewhere").c_str(), 0755);
    WriteText(folder / "recorder/state.json", "inside");
    WriteText(folder / "elsewhere/state.json", "outside");
  }
  void SwapAt(std::string_view step) {
    InjectAction(step, [this] {
      ::rename((folder / "recorder").c_str(), (folder / "moved").c_str());
      ::symlink((folder / "elsewhere").c_str(), (folder / "recorder").c_str());
    });
  }
};

TEST_F(FolderSwappedForALink, ReadStaysInTheFolder) {
  SwapAt("open");
  std::string text;
  EXPECT_EQ(ReadWholeFile(folder / "recorder/state.json", 100, &text, FileLinks::Refuse), S_OK);
  EXPECT_EQ(text, "inside");
}

TEST_F(FolderSwappedForALink, WriteStaysInTheFolder) {
  SwapAt("create");
  EXPECT_EQ(WriteFileAtomically(folder / "recorder/state.json", "written", FileLinks::Refuse), S_OK);
  EXPECT_EQ(ReadText(folder / "moved/state.json"), "written");
  EXPECT_EQ(ReadText(folder / "elsewhere/state.json"), "outside");
  EXPECT_EQ(EntryCount(folder / "elsewhere"), 1u);
}

TEST_F(FileAccess, ALinkToAFileIsFollowedWhereAllowed) {
  std::string text;
  EXPECT_EQ(ReadWholeFile(LinkToFile(folder), 100, &text, FileLinks::Follow), S_OK);
  EXPECT_EQ(text, "{}");
}

// Sets the umask for one test and gives the old one back.
class Umask {
 public:
  explicit Umask(mode_t mask) : m_old(::umask(mask)) {}
  ~Umask() { ::umask(m_old); }

 private:
  mode_t m_old;
};

mode_t ModeOf(const std::string& path) {
  struct stat st {};
  ::stat(path.c_str(), &st);
  return st.st_mode & 0777;
}

struct ModeCase {
  mode_t umask;
  mode_t before;  // 0: no file yet
  mode_t after;
};

class FileAccessMode : public FileAccess, public ::testing::WithParamInterface<ModeCase> {};

TEST_P(FileAccessMode, NewFilesFollowTheUmaskAndReplacedOnesKeepTheirMode) {
  const std::string path = folder / "settings.json";
  if (GetParam().before) {
    WriteText(path, "old");
    ::chmod(path.c_str(), GetParam().before);
  }
  Umask mask(GetParam().umask);
  ASSERT_EQ(WriteFileAtomically(path, "new"), S_OK);
  EXPECT_EQ(ModeOf(path), GetParam().after) << std::oct << GetParam().umask << " " << GetParam().before;
}

INSTANTIATE_TEST_SUITE_P(Rows, FileAccessMode,
                         ::testing::Values(ModeCase{022, 0, 0644}, ModeCase{077, 0, 0600}, ModeCase{002, 0, 0664},
                                           ModeCase{022, 0600, 0600}, ModeCase{077, 0664, 0664},
                                           ModeCase{000, 0640, 0640}));

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
                                           // a file too large for the card's file system, or a size limit
                                           WriteFault{"write", EFBIG, dpmCtrlOutOfDiskSpace},
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
