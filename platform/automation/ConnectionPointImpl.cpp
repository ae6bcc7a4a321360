// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/automation/ConnectionPointImpl.h"

ConnectionPointImpl::ConnectionPointImpl(REFIID connectionIid, IConnectionPointContainer* container,
                                         std::atomic<long>* moduleObjects)
    : ComObject(moduleObjects), m_iid(connectionIid), m_container(container) {}

ConnectionPointImpl::~ConnectionPointImpl() { DisconnectAll(); }

HRESULT ConnectionPointImpl::GetConnectionInterface(IID* iid) {
  if (!iid) return E_POINTER;
  *iid = m_iid;
  return S_OK;
}

HRESULT ConnectionPointImpl::GetConnectionPointContainer(IConnectionPointContainer** container) {
  if (!container) return E_POINTER;
  std::lock_guard lock(m_mutex);
  *container = m_container;
  if (!m_container) return E_UNEXPECTED;
  m_container->AddRef();
  return S_OK;
}

HRESULT ConnectionPointImpl::Advise(IUnknown* sink, DWORD* cookie) {
  if (!cookie) return E_POINTER;
  *cookie = 0;
  if (!sink) return E_POINTER;
  void* connection = nullptr;
  if (FAILED(sink->QueryInterface(m_iid, &connection)) || !connection) return CONNECT_E_CANNOTCONNECT;
  auto* asked = static_cast<IUnknown*>(connection);
  std::unique_lock lock(m_mutex);
  if (!m_container) {
    lock.unlock();
    asked->Release();
    return CONNECT_E_CANNOTCONNECT;
  }
  DWORD next = m_lastCookie;
  auto inUse = [this](DWORD c) {
    for (const Connection& existing : m_connections)
      if (existing.cookie == c) return true;
    return false;
  };
  do {
    ++next;
  } while (next == 0 || inUse(next));
  m_lastCookie = next;
  m_connections.push_back({next, asked});
  *cookie = next;
  return S_OK;
}

HRESULT ConnectionPointImpl::Unadvise(DWORD cookie) {
  IUnknown* sink = nullptr;
  {
    std::lock_guard lock(m_mutex);
    for (auto it = m_connections.begin(); it != m_connections.end(); ++it) {
      if (it->cookie == cookie) {
        sink = it->sink;
        m_connections.erase(it);
        break;
      }
    }
  }
  if (!sink) return CONNECT_E_NOCONNECTION;
  sink->Release();  // outside the lock: the sink's teardown may call back
  return S_OK;
}

std::vector<ComPtr<IUnknown>> ConnectionPointImpl::Sinks() const {
  std::lock_guard lock(m_mutex);
  std::vector<ComPtr<IUnknown>> sinks;
  sinks.reserve(m_connections.size());
  for (const Connection& connection : m_connections) sinks.emplace_back(connection.sink);
  return sinks;
}

std::size_t ConnectionPointImpl::SinkCount() const {
  std::lock_guard lock(m_mutex);
  return m_connections.size();
}

void ConnectionPointImpl::DisconnectAll() {
  std::vector<Connection> dropped;
  {
    std::lock_guard lock(m_mutex);
    dropped.swap(m_connections);
    m_container = nullptr;
  }
  for (const Connection& connection : dropped) connection.sink->Release();
}
