// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The file tasks of one control object, run one after another on a worker thread of their own, so
// the apartment's thread stays free. Each task reports through `report`: (its text, a percentage,
// a result code): 0 when it starts, more while it runs, and 100 with its result code when it is
// over, whatever the outcome. Reports of one queue come in the order they were made.
//
// Delayed tasks wait in a list of their own until StartDelayed hands them to the worker, in the
// order they came. Cancel ends the running task and every waiting one, delayed ones included, with
// the reason as their result.
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <utility>

#include "component/files/FileTask.h"

class FileTaskQueue {
 public:
  using Report = std::function<void(const std::string& text, LONG percent, HRESULT result)>;
  using Runner = std::function<HRESULT(const FileTask& task, TaskProgress& progress)>;

  FileTaskQueue(Report report, Runner runner) : m_report(std::move(report)), m_runner(std::move(runner)) {}
  FileTaskQueue(const FileTaskQueue&) = delete;
  FileTaskQueue& operator=(const FileTaskQueue&) = delete;
  // Cancels what is left (reported as cancelled) and waits for the worker.
  ~FileTaskQueue();

  void Run(FileTask task);
  void Delay(FileTask task);
  void StartDelayed();
  void Cancel(HRESULT reason);

  // Test seam, process-wide: a running task that reports `percent` or more stops there until the
  // hold is lifted (0) or the task is cancelled, so a test can cancel it half way at a known point.
  static void HoldAt(LONG percent);

 private:
  class Progress;

  void Work();

  Report m_report;
  Runner m_runner;
  std::mutex m_mutex;
  std::condition_variable m_wake;
  std::deque<FileTask> m_waiting;
  std::deque<FileTask> m_delayed;
  std::deque<std::pair<FileTask, HRESULT>> m_cancelled;  // to report once the running task ends
  bool m_running = false;
  HRESULT m_cancel = S_OK;  // the running task's reason to stop
  bool m_stopping = false;
  std::thread m_worker;
};
