// SPDX-License-Identifier: GPL-3.0-or-later
// The recorder lock: one holder at a time, a bounded wait, and no lock on what is not a plain file.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "component/recorders/RecorderLock.h"
#include "device/DpmResults.h"
#include "tests/component/TempFolder.h"

namespace {

using namespace std::chrono_literals;

TEST(RecorderLock, OneHolderAtATime) {
  TempFolder folder;
  RecorderLock first, second;
  ASSERT_EQ(first.Take(folder.Path()), S_OK);
  EXPECT_EQ(second.TryTake(folder.Path()), S_FALSE);
  EXPECT_EQ(second.Take(folder.Path(), 20ms), dpmCtrlDeviceNotReady) << "a stuck holder is reported, not waited for";
  EXPECT_FALSE(second.Held());
  first.Release();
  EXPECT_EQ(second.TryTake(folder.Path()), S_OK);
  EXPECT_TRUE(second.Held());
}

TEST(RecorderLock, RefusesWhatIsNotALockFile) {
  TempFolder folder;
  RecorderLock lock;
  EXPECT_EQ(lock.Take(folder / "gone"), dpmCtrlPathNotFound);
  ASSERT_EQ(::mkfifo((folder / ".lock").c_str(), 0644), 0);
  EXPECT_EQ(lock.Take(folder.Path()), dpmCtrlInvalidFile);
  std::filesystem::remove(folder / ".lock");
  std::filesystem::create_symlink(folder / "elsewhere", folder / ".lock");
  EXPECT_EQ(lock.Take(folder.Path()), dpmCtrlInvalidFile);
  EXPECT_FALSE(std::filesystem::exists(folder / "elsewhere")) << "a link is never followed to make a file";
}

}  // namespace
