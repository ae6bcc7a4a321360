// SPDX-License-Identifier: GPL-3.0-or-later
// The file-task queue on its own, with a scripted runner; and the target files tasks write.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <fcntl.h>
#include <mutex>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>

#include "component/files/FileTaskQueue.h"
#include "component/files/TargetFile.h"
#include "component/recorders/Descriptor.h"
#include "component/recorders/FaultInjection.h"
#include "device/DpmResults.h"
#include "tests/component/TempFolder.h"

namespace {

struct Report {
  std::string text;
  LONG percent;
  HRESULT result;
  bool operator==(const Report&) const = default;
};

class Reports {
 public:
  void Add(const std::string& text, LONG percent, HRESULT result) {
    std::lock_guard lock(m_mutex);
    m_reports.push_back({text, percent, result});
    m_changed.notify_all();
  }
  // Waits (generously; nothing is timed) until `count` reports have come.
  std::vector<Report> Wait(size_t count) {
    std::unique_lock lock(m_mutex);
    m_changed.wait_for(lock, std::chrono::seconds(20), [&] { return m_reports.size() >= count; });
    return m_reports;
  }

 private:
  std::mutex m_mutex;
  std::condition_variable m_changed;
  std::vector<Report> m_reports;
};

FileTask Task(const char* source) {
  FileTask task;
  task.kind = FileTask::Kind::Delete;
  task.source = source;
  return task;
}

// Reports 50, then goes on until cancelled when its source is "/wait".
HRESULT Scripted(const FileTask& task, TaskProgress& progress) {
  if (!progress.Report(50)) return progress.Cancelled();
  if (task.source == "/fail") return dpmCtrlInvalidFile;
  while (task.source == "/wait" && SUCCEEDED(progress.Cancelled())) std::this_thread::yield();
  return progress.Cancelled();
}

TEST(FileTaskQueue, TasksRunInOrderEachReportingZeroToHundred) {
  Reports reports;
  FileTaskQueue queue([&](const std::string& t, LONG p, HRESULT r) { reports.Add(t, p, r); }, &Scripted);
  queue.Run(Task("/a"));
  queue.Delay(Task("/later"));
  queue.Run(Task("/fail"));
  EXPECT_EQ(reports.Wait(6), (std::vector<Report>{{"Delete /a", 0, S_OK},
                                                  {"Delete /a", 50, S_OK},
                                                  {"Delete /a", 100, S_OK},
                                                  {"Delete /fail", 0, S_OK},
                                                  {"Delete /fail", 50, S_OK},
                                                  {"Delete /fail", 100, dpmCtrlInvalidFile}}));
  queue.StartDelayed();
  EXPECT_EQ(reports.Wait(9).back(), (Report{"Delete /later", 100, S_OK}));
}

TEST(FileTaskQueue, CancelEndsTheRunningTaskFirstThenTheWaitingOnes) {
  Reports reports;
  FileTaskQueue queue([&](const std::string& t, LONG p, HRESULT r) { reports.Add(t, p, r); }, &Scripted);
  queue.Run(Task("/wait"));
  queue.Run(Task("/queued"));
  queue.Delay(Task("/delayed"));
  reports.Wait(2);  // the running task is past its 50
  queue.Cancel(dpmCtrlOperationCancelled);
  const std::vector<Report> all = reports.Wait(5);
  ASSERT_EQ(all.size(), 5u);
  EXPECT_EQ(all[2], (Report{"Delete /wait", 100, dpmCtrlOperationCancelled}));
  EXPECT_EQ(all[3], (Report{"Delete /queued", 100, dpmCtrlOperationCancelled}));
  EXPECT_EQ(all[4], (Report{"Delete /delayed", 100, dpmCtrlOperationCancelled}));
  queue.StartDelayed();  // nothing is left to start
  queue.Run(Task("/after"));
  EXPECT_EQ(reports.Wait(8).back(), (Report{"Delete /after", 100, S_OK})) << "a cancel is not sticky";
}

TEST(FileTaskQueue, CancelWithNothingRunningReportsTheDelayedAtOnce) {
  Reports reports;
  FileTaskQueue queue([&](const std::string& t, LONG p, HRESULT r) { reports.Add(t, p, r); }, &Scripted);
  queue.Delay(Task("/delayed"));
  queue.Cancel(dpmCtrlOperationCancelled);
  EXPECT_EQ(reports.Wait(1), (std::vector<Report>{{"Delete /delayed", 100, dpmCtrlOperationCancelled}}));
}

TEST(FileTaskQueue, DestroyingTheQueueEndsAHeldTask) {
  Reports reports;
  FileTaskQueue::HoldAt(50);
  {
    FileTaskQueue queue([&](const std::string& t, LONG p, HRESULT r) { reports.Add(t, p, r); }, &Scripted);
    queue.Run(Task("/a"));
    reports.Wait(2);
  }
  FileTaskQueue::HoldAt(0);
  EXPECT_EQ(reports.Wait(3).back(), (Report{"Delete /a", 100, dpmCtrlOperationCancelled}));
}

TEST(TargetFile, NeverReplacesAndLeavesNothingUntilCommitted) {
  TempFolder folder;
  {
    TargetFile target(folder / "a.dss");
    ASSERT_EQ(target.Open(), S_OK);
    ASSERT_EQ(target.Write("half"), S_OK);
    EXPECT_FALSE(std::filesystem::exists(folder / "a.dss"));
  }
  EXPECT_EQ(EntryCount(folder.Path()), 0u) << "an uncommitted target is discarded";

  TargetFile target(folder / "a.dss");
  ASSERT_EQ(target.Open(), S_OK);
  ASSERT_EQ(target.Write("whole"), S_OK);
  WriteText(folder / "a.dss", "came first");
  EXPECT_EQ(target.Commit(), dpmCtrlFileExists);
  EXPECT_EQ(ReadText(folder / "a.dss"), "came first");
  EXPECT_EQ(EntryCount(folder.Path()), 1u);
  EXPECT_EQ(TargetFile(folder / "a.dss").Open(), dpmCtrlFileExists);
  EXPECT_EQ(TargetFile(folder / "none/a.dss").Open(), dpmCtrlPathNotFound);
}

// What a writer killed before its rename left goes with the next target of its name; a live writer's
// temporary (locked) and other names' stay.
TEST(TargetFile, OpeningTakesAwayAKilledWritersTemporary) {
  TempFolder folder;
  for (const char* name : {".a.dss.tmp-ABC123", ".a.dss.tmp-LIVE01", ".b.dss.tmp-ABC123", ".a.dss.tmp-LONGER1"})
    WriteText(folder / name, "left");
  Descriptor live(::open((folder / ".a.dss.tmp-LIVE01").c_str(), O_RDONLY | O_CLOEXEC));
  ASSERT_EQ(::flock(live.Get(), LOCK_EX), 0);

  TargetFile target(folder / "a.dss");
  ASSERT_EQ(target.Open(), S_OK);

  EXPECT_FALSE(std::filesystem::exists(folder / ".a.dss.tmp-ABC123"));
  for (const char* name : {".a.dss.tmp-LIVE01", ".b.dss.tmp-ABC123", ".a.dss.tmp-LONGER1"})
    EXPECT_TRUE(std::filesystem::exists(folder / name)) << name;
}

TEST(TargetFile, ANewFileFollowsTheUmask) {
  TempFolder folder;
  TargetFile target(folder / "a.dss");
  const mode_t old = ::umask(027);
  const HRESULT opened = target.Open();
  ::umask(old);
  ASSERT_EQ(opened, S_OK);
  ASSERT_EQ(target.Commit(), S_OK);
  struct stat st {};
  ASSERT_EQ(::stat((folder / "a.dss").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
}

struct FaultRow {
  const char* step;
  int error;
  HRESULT result;
};

class TargetFileFault : public ::testing::TestWithParam<FaultRow> {
 protected:
  void TearDown() override { ClearFaults(); }
};

TEST_P(TargetFileFault, LeavesNoFileBehind) {
  TempFolder folder;
  InjectFault(GetParam().step, GetParam().error);
  {
    TargetFile target(folder / "a.dss");
    HRESULT hr = target.Open();
    if (SUCCEEDED(hr)) hr = target.Write("content");
    if (SUCCEEDED(hr)) hr = target.Commit();
    EXPECT_EQ(hr, GetParam().result);
  }
  EXPECT_EQ(EntryCount(folder.Path()), 0u);
}

INSTANTIATE_TEST_SUITE_P(Rows, TargetFileFault,
                         ::testing::Values(FaultRow{"create", EACCES, dpmCtrlAccessDenied},
                                           FaultRow{"write", ENOSPC, dpmCtrlOutOfDiskSpace},
                                           FaultRow{"sync", EIO, E_FAIL},
                                           FaultRow{"rename", EROFS, dpmCtrlFileReadOnly}));

}  // namespace
