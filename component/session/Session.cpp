// SPDX-License-Identifier: GPL-3.0-or-later
#include "component/session/Session.h"

#include <algorithm>
#include <sys/inotify.h>
#include <unistd.h>

#include "component/recorders/RecorderFolder.h"
#include "component/recorders/RecorderRequest.h"
#include "component/recorders/RecordersRoot.h"
#include "device/DpmEvents.h"
#include "device/DpmResults.h"
#include "device/IDPMControl.h"

namespace {

constexpr unsigned kPollMs = 500;
constexpr uint32_t kRootEvents = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_DELETE_SELF | IN_MOVE_SELF;
constexpr uint32_t kRequestEvents = IN_MOVED_TO | IN_CLOSE_WRITE;

std::u16string Widen(const std::string& text) { return std::u16string(text.begin(), text.end()); }

}  // namespace

Session::~Session() { StopWatching(); }

HRESULT Session::Initialize(LONG flags) {
  if (m_initialized) return S_OK;
  m_root = RecordersRoot();
  m_checkCommitsOnly = (flags & dpmSessionCheckCommitsOnly) != 0;
  m_takesRequests = (flags & dpmSessionLeaveRequests) == 0;
  if (!(flags & dpmSessionNoDefaultRecorder) && AllRecorderFolders(m_root).empty()) {
    if (HRESULT hr = RecorderFolder::Create(m_root, DefaultRecorderModel(), {}, nullptr); FAILED(hr)) return hr;
  }
  m_initialized = true;
  StartWatching();
  Rescan();
  return S_OK;
}

HRESULT Session::Deinitialize() {
  if (!m_initialized) return dpmCtrlNotInitialized;
  StopWatching();
  while (!m_links.empty()) Disconnect(m_links.size() - 1, dpmCtrlNotInitialized);
  m_initialized = false;
  return S_OK;
}

LONG Session::DeviceStatus() const {
  if (m_links.empty()) return 0;
  return m_links.front()->Ready() ? 2 : 1;
}

LONG Session::BarcodeScannerStatus() const {
  for (const auto& link : m_links) {
    RecorderState state;
    if (SUCCEEDED(RecorderFolder(link->path).LoadState(&state)) && state.barcodeScanner) return 1;
  }
  return 0;
}

HRESULT Session::Device(LONG index, std::shared_ptr<RecorderLink>* link) const {
  if (!m_initialized) return dpmCtrlNotInitialized;
  if (index < 0 || static_cast<size_t>(index) >= m_links.size()) return dpmCtrlNoDeviceConnected;
  if (!m_links[static_cast<size_t>(index)]->Ready()) return dpmCtrlDeviceNotReady;
  *link = m_links[static_cast<size_t>(index)];
  return S_OK;
}

void Session::Rescan() {
  if (!m_initialized) return;
  const std::vector<std::string> present = AllRecorderFolders(m_root);
  for (size_t i = m_links.size(); i-- > 0;)
    if (std::find(present.begin(), present.end(), m_links[i]->path) == present.end())
      Disconnect(i, dpmCtrlNoDeviceConnected);
  for (const std::string& path : present) {
    auto known = std::find_if(m_links.begin(), m_links.end(), [&](const auto& link) { return link->path == path; });
    if (known == m_links.end()) Connect(path);
  }
  for (size_t i = 0; i < m_links.size(); ++i) {
    CheckReady(i);
    DeliverRequests(i);
  }
}

void Session::Connect(const std::string& path) {
  RecorderIdentity identity;
  const RecorderModel* model =
      SUCCEEDED(RecorderFolder(path).LoadIdentity(&identity)) ? FindRecorderModel(identity.deviceType) : nullptr;
  auto link = std::make_shared<RecorderLink>(RecorderLink{path, model, S_OK, m_checkCommitsOnly});
  RecorderFolder(path).Tidy();
  if (m_takesRequests) RecorderFolder(path).TakeRequests();  // what was asked before the recorder was ours is stale
  m_links.push_back(link);
  WatchRequests(*link);
  const LONG index = static_cast<LONG>(m_links.size() - 1);
  m_events->Post(DPMEventDeviceConnected, {NumberArgument(index)});
  if (link->Ready()) m_events->Post(DPMEventDeviceReady, {NumberArgument(index)});
}

void Session::CheckReady(size_t index) {
  RecorderLink& link = *m_links[index];
  RecorderIdentity identity;
  if (link.Ready() || FAILED(RecorderFolder(link.path).LoadIdentity(&identity))) return;
  link.model = FindRecorderModel(identity.deviceType);
  if (m_takesRequests) RecorderFolder(link.path).TakeRequests();  // asked of a recorder that was not ready
  m_events->Post(DPMEventDeviceReady, {NumberArgument(static_cast<LONG>(index))});
}

void Session::Disconnect(size_t index, HRESULT why) {
  m_links[index]->status = why;
  m_links.erase(m_links.begin() + static_cast<std::ptrdiff_t>(index));
  m_events->Post(DPMEventDeviceDisconnected, {NumberArgument(static_cast<LONG>(index))});
}

void Session::DeliverRequests(size_t index) {
  if (!m_takesRequests || !m_links[index]->Ready()) return;
  const LONG device = static_cast<LONG>(index);
  for (const std::string& text : RecorderFolder(m_links[index]->path).TakeRequests()) {
    RecorderRequest request;
    if (!RequestFromJson(text, &request)) continue;
    switch (request.kind) {
      case RecorderRequest::Kind::Button:
        m_events->Post(DPMEventButton, {NumberArgument(device), NumberArgument(request.button)});
        break;
      case RecorderRequest::Kind::Barcode:
        m_events->Post(DPMEventBarcodeScanned, {NumberArgument(device)});
        m_events->Post(DPMEventBarcodeStringScanned, {NumberArgument(device), TextArgument(Widen(request.code))});
        break;
      case RecorderRequest::Kind::Scanner:
        // The recorder reports itself ready again with its new accessory.
        m_events->Post(DPMEventDeviceReady, {NumberArgument(device)});
        break;
    }
  }
}

void Session::StartWatching() {
  const auto& dispatcher = m_events->Dispatcher();
  if (!dispatcher) return;
  m_inotify = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  if (m_inotify >= 0 && ::inotify_add_watch(m_inotify, m_root.c_str(), kRootEvents) >= 0) {
    m_watch = dispatcher->WatchReadable(m_inotify, [this] { OnFolderChange(); });
    return;
  }
  if (m_inotify >= 0) ::close(m_inotify);
  m_inotify = -1;
  m_timer = dispatcher->SetTimer(kPollMs, [this] { Rescan(); });
}

void Session::StopWatching() {
  const auto& dispatcher = m_events->Dispatcher();
  if (m_watch && dispatcher) dispatcher->Unwatch(m_watch);
  if (m_timer && dispatcher) dispatcher->KillTimer(m_timer);
  if (m_inotify >= 0) ::close(m_inotify);
  m_watch = m_timer = 0;
  m_inotify = -1;
}

void Session::WatchRequests(const RecorderLink& link) {
  // A linked requests/ is refused when read; watching where it leads would only wake us for nothing.
  const std::string requests = RecorderFolder(link.path).RequestsPath();
  if (m_inotify >= 0 && m_takesRequests) ::inotify_add_watch(m_inotify, requests.c_str(), kRequestEvents | IN_DONT_FOLLOW);
}

void Session::OnFolderChange() {
  alignas(inotify_event) char buffer[4096];
  while (::read(m_inotify, buffer, sizeof buffer) > 0) {
  }
  Rescan();
}
