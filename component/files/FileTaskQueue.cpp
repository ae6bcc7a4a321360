// SPDX-License-Identifier: GPL-3.0-or-later
#include "component/files/FileTaskQueue.h"

#include "device/DpmResults.h"

namespace {

std::mutex g_holdMutex;
std::condition_variable g_holdChanged;
LONG g_holdAt = 0;  // 0: no hold

}  // namespace

class FileTaskQueue::Progress final : public TaskProgress {
 public:
  Progress(FileTaskQueue& queue, const FileTask& task) : m_queue(queue), m_text(task.Text()) {}

  bool Report(LONG percent) override {
    if (FAILED(Cancelled())) return false;
    if (percent > 99) percent = 99;
    if (percent != m_last) m_queue.m_report(m_text, percent, S_OK);
    m_last = percent;
    std::unique_lock lock(g_holdMutex);
    g_holdChanged.wait(lock, [&] { return g_holdAt == 0 || percent < g_holdAt || FAILED(Cancelled()); });
    return SUCCEEDED(Cancelled());
  }

  HRESULT Cancelled() const override {
    std::lock_guard lock(m_queue.m_mutex);
    return m_queue.m_cancel;
  }

 private:
  FileTaskQueue& m_queue;
  std::string m_text;
  LONG m_last = -1;
};

FileTaskQueue::~FileTaskQueue() {
  {
    std::lock_guard lock(m_mutex);
    m_stopping = true;
  }
  Cancel(dpmCtrlOperationCancelled);
  m_wake.notify_all();
  if (m_worker.joinable()) m_worker.join();
}

void FileTaskQueue::Run(FileTask task) {
  std::lock_guard lock(m_mutex);
  m_waiting.push_back(std::move(task));
  if (!m_worker.joinable()) m_worker = std::thread([this] { Work(); });
  m_wake.notify_one();
}

void FileTaskQueue::Delay(FileTask task) {
  std::lock_guard lock(m_mutex);
  m_delayed.push_back(std::move(task));
}

void FileTaskQueue::StartDelayed() {
  std::deque<FileTask> delayed;
  {
    std::lock_guard lock(m_mutex);
    delayed.swap(m_delayed);
  }
  for (FileTask& task : delayed) Run(std::move(task));
}

void FileTaskQueue::Cancel(HRESULT reason) {
  std::deque<std::pair<FileTask, HRESULT>> ended;
  {
    std::lock_guard lock(m_mutex);
    for (auto* list : {&m_waiting, &m_delayed}) {
      for (FileTask& task : *list) m_cancelled.emplace_back(std::move(task), reason);
      list->clear();
    }
    // A running task ends first; the worker then reports the others.
    if (m_running) m_cancel = reason;
    else ended.swap(m_cancelled);
  }
  {
    std::lock_guard lock(g_holdMutex);  // a held task sees the reason when it wakes
  }
  g_holdChanged.notify_all();
  for (const auto& [task, why] : ended) m_report(task.Text(), 100, why);
}

void FileTaskQueue::HoldAt(LONG percent) {
  {
    std::lock_guard lock(g_holdMutex);
    g_holdAt = percent;
  }
  g_holdChanged.notify_all();
}

void FileTaskQueue::Work() {
  for (;;) {
    FileTask task;
    {
      std::unique_lock lock(m_mutex);
      m_wake.wait(lock, [this] { return m_stopping || !m_waiting.empty(); });
      if (m_waiting.empty()) return;
      task = std::move(m_waiting.front());
      m_waiting.pop_front();
      m_cancel = S_OK;
      m_running = true;
    }
    Progress progress(*this, task);
    HRESULT result = progress.Report(0) ? m_runner(task, progress) : progress.Cancelled();
    m_report(task.Text(), 100, result);
    std::deque<std::pair<FileTask, HRESULT>> cancelled;
    {
      std::lock_guard lock(m_mutex);
      m_running = false;
      cancelled.swap(m_cancelled);
    }
    for (const auto& [ended, reason] : cancelled) m_report(ended.Text(), 100, reason);
  }
}
