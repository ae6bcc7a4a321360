// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// ConnectionPointImpl: the connection point of one event interface, made by its container.
//
//   m_events = MakeComObject<ConnectionPointImpl>(DIID_Events, static_cast<IConnectionPointContainer*>(this));
//   ...FindConnectionPoint hands out m_events...
//   for (const ComPtr<IDispatch>& sink : m_events->SinksAs<IDispatch>()) sink->Invoke(...);
//   ...in the container's teardown: m_events->DisconnectAll();
//
// The point holds no reference to its container (the container holds the point), so there is no cycle;
// DisconnectAll releases every sink and forgets the container, after which the point accepts no sinks.
// The sink list is copied for firing, so a sink may unadvise (or advise) while an event is delivered.
#include <mutex>
#include <utility>
#include <vector>

#include "platform/automation/ComObject.h"
#include "platform/automation/ConnectionPoint.h"

class ConnectionPointImpl : public ComObject<ConnectionPointImpl, IConnectionPoint> {
 public:
  ConnectionPointImpl(REFIID connectionIid, IConnectionPointContainer* container,
                      std::atomic<long>* moduleObjects = nullptr);
  ~ConnectionPointImpl() override;

  HRESULT GetConnectionInterface(IID* iid) override;
  HRESULT GetConnectionPointContainer(IConnectionPointContainer** container) override;
  HRESULT Advise(IUnknown* sink, DWORD* cookie) override;
  HRESULT Unadvise(DWORD cookie) override;

  // The advised sinks as the connection interface (a reference each), in the order they were advised.
  std::vector<ComPtr<IUnknown>> Sinks() const;
  // The same, typed: I is the connection interface or one of its bases (IDispatch for an event
  // dispinterface).
  template <class I>
  std::vector<ComPtr<I>> SinksAs() const {
    std::vector<ComPtr<I>> typed;
    for (const ComPtr<IUnknown>& sink : Sinks()) typed.emplace_back(static_cast<I*>(static_cast<void*>(sink.Get())));
    return typed;
  }
  std::size_t SinkCount() const;
  void DisconnectAll();

 private:
  struct Connection {
    DWORD cookie;
    IUnknown* sink;  // the connection interface, owned (one reference)
  };

  IID m_iid;
  IConnectionPointContainer* m_container;  // not owned, see above
  mutable std::mutex m_mutex;
  std::vector<Connection> m_connections;
  DWORD m_lastCookie = 0;
};
