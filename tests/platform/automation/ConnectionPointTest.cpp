// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/automation/ConnectionPointImpl.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

struct IEvents : IUnknown {
  static constexpr IID kIid{0x5E5E0001, 0x1111, 0x2222, {3, 3, 4, 4, 5, 5, 6, 6}};
  virtual HRESULT Fired(LONG value) = 0;

 protected:
  ~IEvents() = default;
};

class Sink : public ComObject<Sink, IEvents> {
 public:
  HRESULT Fired(LONG value) override {
    received.push_back(value);
    if (onFired) onFired();
    return S_OK;
  }
  std::vector<LONG> received;
  std::function<void()> onFired;
};

class NotASink : public ComObject<NotASink, IDispatch> {
 public:
  HRESULT GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
  HRESULT GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  HRESULT Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
    return E_NOTIMPL;
  }
};

class Source : public ComObject<Source, IConnectionPointContainer> {
 public:
  Source() : m_point(MakeComObject<ConnectionPointImpl>(IEvents::kIid, this)) {}
  ~Source() override { m_point->DisconnectAll(); }
  HRESULT FindConnectionPoint(REFIID iid, IConnectionPoint** point) override {
    if (!point) return E_POINTER;
    *point = nullptr;
    if (iid != IEvents::kIid) return CONNECT_E_NOCONNECTION;
    return m_point->QueryInterface(IConnectionPoint::kIid, reinterpret_cast<void**>(point));
  }
  void Fire(LONG value) {
    for (const ComPtr<IEvents>& sink : m_point->SinksAs<IEvents>()) sink->Fired(value);
  }

 private:
  ComPtr<ConnectionPointImpl> m_point;
};

class ConnectionPointTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(source->FindConnectionPoint(IEvents::kIid, point.ReleaseAndGetAddressOf()), S_OK);
  }
  void TearDown() override {
    point = nullptr;
    source = nullptr;
    first = nullptr;
    second = nullptr;
    EXPECT_EQ(ComObjectLiveCount(), m_objects);  // no cycle keeps the source or a sink alive
  }
  long m_objects = ComObjectLiveCount();
  ComPtr<Source> source = MakeComObject<Source>();
  ComPtr<IConnectionPoint> point;
  ComPtr<Sink> first = MakeComObject<Sink>();
  ComPtr<Sink> second = MakeComObject<Sink>();
};

TEST_F(ConnectionPointTest, TwoSinksGetDistinctCookiesAndBothReceive) {
  DWORD a = 0, b = 0;
  ASSERT_EQ(point->Advise(first->Unknown(), &a), S_OK);
  ASSERT_EQ(point->Advise(second->Unknown(), &b), S_OK);
  EXPECT_NE(a, 0u);
  EXPECT_NE(b, 0u);
  EXPECT_NE(a, b);
  source->Fire(7);
  EXPECT_EQ(first->received, std::vector<LONG>{7});
  EXPECT_EQ(second->received, std::vector<LONG>{7});
}

TEST_F(ConnectionPointTest, UnadvisedSinkReceivesNothingMore) {
  DWORD a = 0, b = 0;
  ASSERT_EQ(point->Advise(first->Unknown(), &a), S_OK);
  ASSERT_EQ(point->Advise(second->Unknown(), &b), S_OK);
  source->Fire(1);
  ASSERT_EQ(point->Unadvise(a), S_OK);
  source->Fire(2);
  EXPECT_EQ(first->received, std::vector<LONG>{1});
  EXPECT_EQ(second->received, (std::vector<LONG>{1, 2}));
  EXPECT_EQ(point->Unadvise(a), CONNECT_E_NOCONNECTION);  // already taken back
}

TEST_F(ConnectionPointTest, WrongCookieIsRefused) {
  DWORD a = 0;
  ASSERT_EQ(point->Advise(first->Unknown(), &a), S_OK);
  EXPECT_EQ(point->Unadvise(a + 1), CONNECT_E_NOCONNECTION);
  EXPECT_EQ(point->Unadvise(0), CONNECT_E_NOCONNECTION);
  source->Fire(3);
  EXPECT_EQ(first->received, std::vector<LONG>{3});
}

TEST_F(ConnectionPointTest, SinkWithoutTheInterfaceCannotConnect) {
  ComPtr<NotASink> stranger = MakeComObject<NotASink>();
  DWORD cookie = 99;
  EXPECT_EQ(point->Advise(stranger->Unknown(), &cookie), CONNECT_E_CANNOTCONNECT);
  EXPECT_EQ(cookie, 0u);
  ComPtr<IConnectionPoint> none;
  EXPECT_EQ(source->FindConnectionPoint(IDispatch::kIid, none.ReleaseAndGetAddressOf()), CONNECT_E_NOCONNECTION);
}

TEST_F(ConnectionPointTest, SinkMayUnadviseWhileAnEventIsDelivered) {
  DWORD a = 0, b = 0;
  ASSERT_EQ(point->Advise(first->Unknown(), &a), S_OK);
  ASSERT_EQ(point->Advise(second->Unknown(), &b), S_OK);
  first->onFired = [&] { point->Unadvise(b); };
  source->Fire(5);  // second was in the snapshot, so this event still reaches it
  source->Fire(6);
  EXPECT_EQ(first->received, (std::vector<LONG>{5, 6}));
  EXPECT_EQ(second->received, std::vector<LONG>{5});
}

TEST_F(ConnectionPointTest, SourceTeardownReleasesEverySink) {
  DWORD a = 0;
  ASSERT_EQ(point->Advise(first->Unknown(), &a), S_OK);
  ComPtr<IConnectionPointContainer> container;
  ASSERT_EQ(point->GetConnectionPointContainer(container.ReleaseAndGetAddressOf()), S_OK);
  container = nullptr;
  source = nullptr;  // the point is still held by the test, the sink no longer by the point
  first->AddRef();
  EXPECT_EQ(first->Release(), 1u);
  EXPECT_EQ(point->GetConnectionPointContainer(container.ReleaseAndGetAddressOf()), E_UNEXPECTED);
  DWORD late = 0;
  EXPECT_EQ(point->Advise(second->Unknown(), &late), CONNECT_E_CANNOTCONNECT);
}

}  // namespace
