// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The apartment dispatcher on Linux: one epoll descriptor (the wait handle) holding an eventfd for
// posted calls, a timerfd armed for the earliest timer, and every watched descriptor.
#include <chrono>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <thread>

#include "platform/automation/Apartment.h"

class EpollDispatcher : public ApartmentDispatcher {
 public:
  // Null when the descriptors cannot be made.
  static std::shared_ptr<EpollDispatcher> Create();
  ~EpollDispatcher() override;

  HRESULT Post(Call call) override;
  TimerId SetTimer(unsigned ms, Call call) override;
  void KillTimer(TimerId id) override;
  WatchId WatchReadable(int fd, Call call) override;
  void Unwatch(WatchId id) override;
  int WaitHandle() const override { return m_epoll; }
  std::size_t Pump() override;
  std::size_t PumpFor(int ms) override;
  bool IsApartmentThread() const override { return std::this_thread::get_id() == m_thread; }

  // The apartment ended: later posts fail, and what was pending is dropped and destroyed.
  void Disconnect();

 private:
  using Clock = std::chrono::steady_clock;
  struct Timer {
    std::chrono::milliseconds period;
    Clock::time_point due;
    std::shared_ptr<Call> call;
  };
  struct Watch {
    int fd;
    std::shared_ptr<Call> call;
    bool running = false;
  };

  EpollDispatcher() = default;
  bool Open();
  std::size_t RunPosted();
  std::size_t RunDueTimers();
  std::size_t RunReadyWatches();
  void ArmTimer();
  void DrainTimer();
  bool Accepting() const;

  int m_epoll = -1;
  int m_event = -1;
  int m_timer = -1;
  std::thread::id m_thread = std::this_thread::get_id();

  mutable std::mutex m_mutex;  // guards the posted queue and the disconnected flag
  std::deque<Call> m_posted;
  bool m_disconnected = false;

  // Apartment thread only.
  std::map<TimerId, Timer> m_timers;
  std::map<WatchId, Watch> m_watches;
  TimerId m_lastTimer = 0;
  WatchId m_lastWatch = 0;
};
