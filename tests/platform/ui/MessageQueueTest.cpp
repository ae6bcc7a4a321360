// SPDX-License-Identifier: GPL-3.0-or-later
// The message queue, registered messages, and the apartment's calls inside Qt's event loop.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <atomic>
#include <thread>

#include "UiTestSupport.h"
#include "platform/automation/Apartment.h"

namespace {

class CListener : public CWnd {
 public:
  explicit CListener(UINT message) {
    MapMessage(message, &CListener::OnPosted);
    CreateEx(0, AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW), "listener", WS_OVERLAPPED, RECT{0, 0, 50, 50},
             nullptr, 0);
  }
  std::vector<WPARAM> received;

 private:
  LRESULT OnPosted(WPARAM wParam, LPARAM) {
    received.push_back(wParam);
    return 0;
  }
};

void ProcessUntil(const std::function<bool()>& done) {
  QElapsedTimer timer;
  timer.start();
  while (!done() && timer.elapsed() < 5000) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

TEST(MessageQueue, RegisteredNamesKeepTheirNumber) {
  UINT first = RegisterWindowMessage("WM_SPOKENINSTRUCTION_CLOSE");
  EXPECT_GE(first, 0xC000u);
  EXPECT_EQ(RegisterWindowMessage("WM_SPOKENINSTRUCTION_CLOSE"), first);
  EXPECT_NE(RegisterWindowMessage("another"), first);
  EXPECT_EQ(RegisterWindowMessage(""), 0u);
}

TEST(MessageQueue, PostedRegisteredMessageReachesItsHandler) {
  UINT message = RegisterWindowMessage("WM_SPOKENINSTRUCTION_CLOSE");
  CListener listener(message);
  ASSERT_TRUE(listener.PostMessage(message, 1085, 0));
  EXPECT_TRUE(listener.received.empty());  // posted, not sent
  ProcessUntil([&] { return !listener.received.empty(); });
  EXPECT_EQ(listener.received, std::vector<WPARAM>{1085});
  EXPECT_FALSE(PostMessage(nullptr, message, 0, 0));
}

TEST(MessageQueue, PeekTakesOneMessageOfOneWindowOnly) {
  UINT message = WM_APP + 1;
  CListener a(message), b(message);
  PostMessage(b.m_hWnd, message, 1, 0);
  PostMessage(a.m_hWnd, message, 2, 0);
  PostMessage(a.m_hWnd, message, 3, 0);
  MSG msg;
  ASSERT_TRUE(PeekMessage(&msg, a.m_hWnd, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.hwnd, a.m_hWnd);
  EXPECT_EQ(msg.wParam, 2u);
  ASSERT_TRUE(PeekMessage(&msg, a.m_hWnd, 0, 0, PM_NOREMOVE));
  EXPECT_EQ(msg.wParam, 3u);
  DispatchMessage(&msg);
  ASSERT_TRUE(PeekMessage(&msg, a.m_hWnd, 0, 0, PM_REMOVE));
  EXPECT_FALSE(PeekMessage(&msg, a.m_hWnd, 0, 0, PM_REMOVE));
  EXPECT_EQ(a.received, std::vector<WPARAM>{3});
  ProcessUntil([&] { return !b.received.empty(); });
  EXPECT_EQ(b.received, std::vector<WPARAM>{1});
  EXPECT_EQ(a.received, std::vector<WPARAM>{3});
}

int g_deadReceived = 0;

class CCountedListener : public CWnd {
 public:
  CCountedListener() {
    MapMessage(WM_APP + 2, &CCountedListener::OnPosted);
    CreateEx(0, nullptr, "counted", WS_OVERLAPPED, RECT{0, 0, 10, 10}, nullptr, 0);
  }

 private:
  LRESULT OnPosted(WPARAM, LPARAM) {
    ++g_deadReceived;
    return 0;
  }
};

TEST(MessageQueue, MessagesToADestroyedWindowAreDropped) {
  auto listener = std::make_unique<CCountedListener>();
  HWND hwnd = listener->m_hWnd;
  PostMessage(hwnd, WM_APP + 2, 1, 0);
  listener.reset();
  EXPECT_FALSE(IsWindow(hwnd));
  CListener alive(WM_APP + 3);
  alive.PostMessage(WM_APP + 3, 9, 0);
  ProcessUntil([&] { return !alive.received.empty(); });
  EXPECT_EQ(g_deadReceived, 0);
}

TEST(Apartment, CallPostedFromAnotherThreadRunsInTheQtLoop) {
  ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
  ASSERT_TRUE(HookApartmentToEventLoop());
  std::shared_ptr<ApartmentDispatcher> dispatcher = CoGetApartmentDispatcher();
  std::thread::id ranOn;
  std::atomic<bool> ran{false};
  std::thread poster([&] { dispatcher->Post([&] { ranOn = std::this_thread::get_id(); ran = true; }); });
  poster.join();
  ProcessUntil([&] { return ran.load(); });
  EXPECT_TRUE(ran);
  EXPECT_EQ(ranOn, std::this_thread::get_id());
  UnhookApartmentFromEventLoop();
  dispatcher.reset();
  CoUninitialize();
}

}  // namespace
