// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The device session of one control object: which recorders are connected, watching their folders,
// and the events that follow. Runs on the apartment thread.
//
// Initialize finds the recorders present (making the embedded default DPM4_8200 when the recorders
// folder holds no recorder at all, not even a damaged one, unless the caller asked for none) and reports each with a connect and a ready
// event. A recorder whose identity is damaged is connected but not ready: it gets no ready event, and
// GetDevice refuses it (dpmCtrlDeviceNotReady) until its identity is whole again. While the session
// runs, a recorder folder that appears or disappears gives a connect (and ready) or a disconnect event,
// and the recorder tool's requests become button, barcode and ready events. The folders are watched
// with inotify through the apartment's dispatcher; without inotify a timer looks twice a second.
#include <memory>
#include <string>
#include <vector>

#include "component/session/EventChannel.h"
#include "component/session/RecorderLink.h"

class Session {
 public:
  explicit Session(std::shared_ptr<EventChannel> events) : m_events(std::move(events)) {}
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;
  ~Session();

  // flags: DpmSessionFlags, checked by the caller.
  HRESULT Initialize(LONG flags);
  HRESULT Deinitialize();
  bool IsInitialized() const { return m_initialized; }
  // Of the first recorder, the one a program works with: 0 disconnected, 1 connected, 2 ready.
  LONG DeviceStatus() const;
  LONG BarcodeScannerStatus() const;
  HRESULT Device(LONG index, std::shared_ptr<RecorderLink>* link) const;

  // Looks at the folders now (what a folder change triggers).
  void Rescan();

 private:
  void StartWatching();
  void StopWatching();
  void WatchRequests(const RecorderLink& link);
  void OnFolderChange();
  void Connect(const std::string& path);
  void Disconnect(size_t index, HRESULT why);
  // A damaged recorder whose identity became whole turns ready.
  void CheckReady(size_t index);
  void DeliverRequests(size_t index);

  std::shared_ptr<EventChannel> m_events;
  std::string m_root;
  bool m_initialized = false;
  bool m_checkCommitsOnly = false;
  bool m_takesRequests = true;  // button presses and scans (dpmSessionLeaveRequests)
  std::vector<std::shared_ptr<RecorderLink>> m_links;
  int m_inotify = -1;
  unsigned m_watch = 0;
  unsigned m_timer = 0;
};
