// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/automation/Apartment.h"

#include <gtest/gtest.h>
#include <poll.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

namespace {

// Each test runs in an apartment of its own on the test's thread.
class ApartmentTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_OK);
    dispatcher = CoGetApartmentDispatcher();
    ASSERT_NE(dispatcher, nullptr);
  }
  void TearDown() override {
    if (CoGetApartmentDispatcher()) CoUninitialize();
  }

  // Pumps until `done` or about five seconds have gone by (a stuck test fails instead of hanging).
  template <class Done>
  void PumpUntil(Done done) {
    for (int i = 0; i < 500 && !done(); ++i) dispatcher->PumpFor(10);
  }

  static bool Readable(int fd) {
    pollfd p{fd, POLLIN, 0};
    return ::poll(&p, 1, 0) == 1;
  }

  std::shared_ptr<ApartmentDispatcher> dispatcher;
};

TEST_F(ApartmentTest, InitializationIsCountedAndSingleThreadedOnly) {
  EXPECT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_FALSE);
  EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), RPC_E_CHANGED_MODE);
  CoUninitialize();  // the nested one
  EXPECT_EQ(CoGetApartmentDispatcher(), dispatcher);
  CoUninitialize();
  EXPECT_EQ(CoGetApartmentDispatcher(), nullptr);
  std::thread([] { EXPECT_EQ(CoGetApartmentDispatcher(), nullptr); }).join();
}

TEST_F(ApartmentTest, PostedCallsRunOnTheApartmentThreadInOrderOnlyWhilePumping) {
  std::vector<int> order;
  std::atomic<bool> wrongThread{false};
  std::thread other([&] {
    EXPECT_FALSE(dispatcher->IsApartmentThread());
    for (int i = 0; i < 3; ++i)
      EXPECT_EQ(dispatcher->Post([&, i] {
        if (!dispatcher->IsApartmentThread()) wrongThread = true;
        order.push_back(i);
      }),
                S_OK);
  });
  other.join();
  EXPECT_TRUE(order.empty());  // nothing runs until the apartment pumps
  EXPECT_TRUE(Readable(dispatcher->WaitHandle()));
  EXPECT_EQ(dispatcher->Pump(), 3u);
  EXPECT_EQ(order, (std::vector<int>{0, 1, 2}));
  EXPECT_FALSE(wrongThread);
  EXPECT_FALSE(Readable(dispatcher->WaitHandle()));
  EXPECT_EQ(dispatcher->Pump(), 0u);
}

TEST_F(ApartmentTest, NestedPumpKeepsTheOrder) {
  std::vector<int> order;
  dispatcher->Post([&] {
    order.push_back(0);
    dispatcher->Pump();  // a call that runs a modal loop of its own
  });
  dispatcher->Post([&] { order.push_back(1); });
  dispatcher->Post([&] { order.push_back(2); });
  dispatcher->Pump();
  EXPECT_EQ(order, (std::vector<int>{0, 1, 2}));
}

TEST_F(ApartmentTest, AfterTheLastUninitializePostIsRefusedAndPendingCallsAreDropped) {
  auto pending = std::make_shared<int>(0);
  bool ran = false;
  ASSERT_EQ(dispatcher->Post([pending, &ran] { ran = true; }), S_OK);
  std::weak_ptr<int> watch = pending;
  pending.reset();
  CoUninitialize();
  EXPECT_TRUE(watch.expired());  // the dropped call was destroyed
  EXPECT_EQ(dispatcher->Post([&ran] { ran = true; }), RPC_E_DISCONNECTED);
  dispatcher->Pump();
  EXPECT_FALSE(ran);
  // A new apartment on the same thread has a new dispatcher.
  ASSERT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_OK);
  EXPECT_NE(CoGetApartmentDispatcher(), dispatcher);
}

TEST_F(ApartmentTest, TimersFireOnlyWhilePumpingAndStopWhenKilled) {
  int fired = 0;
  ApartmentDispatcher::TimerId id = dispatcher->SetTimer(5, [&] { ++fired; });
  ASSERT_NE(id, 0u);
  std::this_thread::sleep_for(std::chrono::milliseconds(30));
  EXPECT_EQ(fired, 0);  // due, but nobody pumped
  EXPECT_TRUE(Readable(dispatcher->WaitHandle()));
  dispatcher->Pump();
  EXPECT_EQ(fired, 1);  // a late timer fires once, not once per missed period
  PumpUntil([&] { return fired >= 3; });
  EXPECT_GE(fired, 3);
  dispatcher->KillTimer(id);
  int atKill = fired;
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  dispatcher->Pump();
  EXPECT_EQ(fired, atKill);
}

TEST_F(ApartmentTest, TimerMayKillItselfWhileFiring) {
  int fired = 0;
  ApartmentDispatcher::TimerId id = 0;
  id = dispatcher->SetTimer(1, [&] {
    ++fired;
    dispatcher->KillTimer(id);
  });
  PumpUntil([&] { return fired > 0; });
  std::this_thread::sleep_for(std::chrono::milliseconds(10));
  dispatcher->Pump();
  EXPECT_EQ(fired, 1);
}

TEST_F(ApartmentTest, WatchedDescriptorRunsItsCallWhenReadable) {
  int fds[2];
  ASSERT_EQ(::pipe(fds), 0);
  std::vector<char> got;
  ApartmentDispatcher::WatchId id = dispatcher->WatchReadable(fds[0], [&] {
    char c = 0;
    if (::read(fds[0], &c, 1) == 1) got.push_back(c);
  });
  ASSERT_NE(id, 0u);
  EXPECT_EQ(dispatcher->Pump(), 0u);
  ASSERT_EQ(::write(fds[1], "x", 1), 1);
  EXPECT_TRUE(got.empty());
  EXPECT_EQ(dispatcher->PumpFor(1000), 1u);
  EXPECT_EQ(got, std::vector<char>{'x'});
  dispatcher->Unwatch(id);
  ASSERT_EQ(::write(fds[1], "y", 1), 1);
  dispatcher->Pump();
  EXPECT_EQ(got, std::vector<char>{'x'});
  ::close(fds[0]);
  ::close(fds[1]);
}

TEST_F(ApartmentTest, PostFromAnotherThreadWakesAWaitingPump) {
  bool ran = false;
  std::thread other([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    dispatcher->Post([&] { ran = true; });
  });
  PumpUntil([&] { return ran; });
  other.join();
  EXPECT_TRUE(ran);
}

}  // namespace
