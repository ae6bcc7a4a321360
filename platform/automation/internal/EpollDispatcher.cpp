// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/automation/internal/EpollDispatcher.h"

#include <sys/epoll.h>
#include <sys/eventfd.h>
#include <sys/timerfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <vector>

namespace {

// epoll data of the dispatcher's own descriptors; watches use their id, which is never 0 or above.
constexpr std::uint64_t kEventTag = 1ULL << 32;
constexpr std::uint64_t kTimerTag = 2ULL << 32;

bool AddToEpoll(int epoll, int fd, std::uint64_t tag) {
  epoll_event event{};
  event.events = EPOLLIN;
  event.data.u64 = tag;
  return ::epoll_ctl(epoll, EPOLL_CTL_ADD, fd, &event) == 0;
}

void Drain(int fd) {
  std::uint64_t value = 0;
  while (::read(fd, &value, sizeof value) < 0 && errno == EINTR) {
  }
}

template <class Id, class Map>
Id NextId(Id& last, const Map& used) {
  do {
    ++last;
  } while (last == 0 || used.count(last));
  return last;
}

}  // namespace

std::shared_ptr<EpollDispatcher> EpollDispatcher::Create() {
  std::shared_ptr<EpollDispatcher> dispatcher(new EpollDispatcher);
  if (!dispatcher->Open()) return nullptr;
  return dispatcher;
}

bool EpollDispatcher::Open() {
  m_epoll = ::epoll_create1(EPOLL_CLOEXEC);
  m_event = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
  m_timer = ::timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
  return m_epoll >= 0 && m_event >= 0 && m_timer >= 0 && AddToEpoll(m_epoll, m_event, kEventTag) &&
         AddToEpoll(m_epoll, m_timer, kTimerTag);
}

EpollDispatcher::~EpollDispatcher() {
  for (int fd : {m_epoll, m_event, m_timer})
    if (fd >= 0) ::close(fd);
}

bool EpollDispatcher::Accepting() const {
  std::lock_guard lock(m_mutex);
  return !m_disconnected;
}

HRESULT EpollDispatcher::Post(Call call) {
  std::lock_guard lock(m_mutex);
  if (m_disconnected) return RPC_E_DISCONNECTED;  // the call is destroyed as it goes out of scope
  if (m_posted.empty()) {
    std::uint64_t one = 1;
    if (::write(m_event, &one, sizeof one) != sizeof one) return E_FAIL;
  }
  m_posted.push_back(std::move(call));
  return S_OK;
}

ApartmentDispatcher::TimerId EpollDispatcher::SetTimer(unsigned ms, Call call) {
  if (!IsApartmentThread() || !Accepting()) return 0;
  TimerId id = NextId(m_lastTimer, m_timers);
  auto period = std::chrono::milliseconds(ms);
  m_timers[id] = Timer{period, Clock::now() + period, std::make_shared<Call>(std::move(call))};
  ArmTimer();
  return id;
}

void EpollDispatcher::KillTimer(TimerId id) {
  if (!IsApartmentThread()) return;
  m_timers.erase(id);
  ArmTimer();
}

ApartmentDispatcher::WatchId EpollDispatcher::WatchReadable(int fd, Call call) {
  if (!IsApartmentThread() || !Accepting()) return 0;
  WatchId id = NextId(m_lastWatch, m_watches);
  if (!AddToEpoll(m_epoll, fd, id)) return 0;
  m_watches[id] = Watch{fd, std::make_shared<Call>(std::move(call))};
  return id;
}

void EpollDispatcher::Unwatch(WatchId id) {
  if (!IsApartmentThread()) return;
  auto found = m_watches.find(id);
  if (found == m_watches.end()) return;
  ::epoll_ctl(m_epoll, EPOLL_CTL_DEL, found->second.fd, nullptr);
  m_watches.erase(found);
}

std::size_t EpollDispatcher::Pump() {
  if (!IsApartmentThread()) return 0;
  std::size_t ran = RunPosted();
  ran += RunDueTimers();
  ran += RunReadyWatches();
  return ran;
}

std::size_t EpollDispatcher::PumpFor(int ms) {
  if (!IsApartmentThread()) return 0;
  epoll_event event{};
  while (::epoll_wait(m_epoll, &event, 1, ms) < 0 && errno == EINTR) {
  }
  return Pump();
}

std::size_t EpollDispatcher::RunPosted() {
  // One at a time, so that a call that pumps again runs the next ones in order; calls posted while this
  // pump runs wait for the next pump (a call that re-posts itself cannot spin here forever).
  std::size_t budget = 0;
  {
    std::lock_guard lock(m_mutex);
    budget = m_posted.size();
  }
  std::size_t ran = 0;
  for (; ran < budget; ++ran) {
    Call call;
    {
      std::lock_guard lock(m_mutex);
      if (m_posted.empty()) break;
      call = std::move(m_posted.front());
      m_posted.pop_front();
      if (m_posted.empty()) Drain(m_event);
    }
    if (call) call();
  }
  return ran;
}

std::size_t EpollDispatcher::RunDueTimers() {
  DrainTimer();
  Clock::time_point now = Clock::now();
  std::vector<TimerId> due;
  for (const auto& [id, timer] : m_timers)
    if (timer.due <= now) due.push_back(id);
  std::size_t ran = 0;
  for (TimerId id : due) {
    auto found = m_timers.find(id);
    if (found == m_timers.end()) continue;  // killed by an earlier call
    found->second.due = now + found->second.period;
    std::shared_ptr<Call> call = found->second.call;  // the call may kill its own timer
    ArmTimer();
    (*call)();
    ++ran;
  }
  ArmTimer();
  return ran;
}

std::size_t EpollDispatcher::RunReadyWatches() {
  if (m_watches.empty()) return 0;
  std::vector<epoll_event> events(m_watches.size() + 2);
  int count = 0;
  while ((count = ::epoll_wait(m_epoll, events.data(), static_cast<int>(events.size()), 0)) < 0 &&
         errno == EINTR) {
  }
  std::size_t ran = 0;
  for (int i = 0; i < count; ++i) {
    std::uint64_t tag = events[i].data.u64;
    if (tag == kEventTag || tag == kTimerTag) continue;
    auto found = m_watches.find(static_cast<WatchId>(tag));
    // A watch whose call is running (and pumps again) is not re-entered before it has read.
    if (found == m_watches.end() || found->second.running) continue;
    std::shared_ptr<Call> call = found->second.call;
    found->second.running = true;
    (*call)();
    ++ran;
    found = m_watches.find(static_cast<WatchId>(tag));
    if (found != m_watches.end()) found->second.running = false;
  }
  return ran;
}

void EpollDispatcher::ArmTimer() {
  itimerspec when{};  // all zero disarms
  if (!m_timers.empty()) {
    Clock::time_point earliest = Clock::time_point::max();
    for (const auto& [id, timer] : m_timers)
      if (timer.due < earliest) earliest = timer.due;
    auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(earliest.time_since_epoch()).count();
    if (ns <= 0) ns = 1;  // zero would disarm
    when.it_value.tv_sec = static_cast<time_t>(ns / 1000000000);
    when.it_value.tv_nsec = static_cast<long>(ns % 1000000000);
  }
  ::timerfd_settime(m_timer, TFD_TIMER_ABSTIME, &when, nullptr);
}

void EpollDispatcher::DrainTimer() { Drain(m_timer); }

void EpollDispatcher::Disconnect() {
  std::deque<Call> dropped;
  {
    std::lock_guard lock(m_mutex);
    m_disconnected = true;
    dropped.swap(m_posted);
    Drain(m_event);
  }
  std::map<TimerId, Timer> timers;
  std::map<WatchId, Watch> watches;
  timers.swap(m_timers);
  watches.swap(m_watches);
  for (const auto& [id, watch] : watches) ::epoll_ctl(m_epoll, EPOLL_CTL_DEL, watch.fd, nullptr);
  ArmTimer();
  // `dropped`, `timers` and `watches` are destroyed here, outside the lock: their calls may own objects
  // whose destructors post again (and are refused).
}
