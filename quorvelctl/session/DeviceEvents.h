// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A receiver of the component's events that only queues the ones its command waits for (by default
// the recorder events: connect, disconnect, ready); the command's loop acts on them after the
// dispatcher has returned, so nothing calls back into the component from inside its own event delivery.
#include <deque>
#include <initializer_list>
#include <string>
#include <vector>

#include "platform/automation/ComPtr.h"
#include "platform/automation/ConnectionPoint.h"
#include "platform/automation/Unknown.h"

struct DeviceEvent {
  DISPID id = 0;
  LONG device = -1;  // the recorder events' device number
  // A file task's progress: its text, the percentage, and at 100 the task's result code.
  std::string text;
  LONG percent = 0;
  HRESULT result = S_OK;
};

class CDeviceEvents : public IDispatch {
 public:
  CDeviceEvents();
  explicit CDeviceEvents(std::initializer_list<DISPID> wanted) : m_wanted(wanted) {}
  CDeviceEvents(const CDeviceEvents&) = delete;
  CDeviceEvents& operator=(const CDeviceEvents&) = delete;
  ~CDeviceEvents();

  HRESULT Attach(IUnknown* control);
  void Detach();
  // Takes the oldest queued event; false when there is none.
  bool Take(DeviceEvent* event);

  HRESULT QueryInterface(REFIID iid, void** out) override;
  // The owner's scope, not the references, decides the object's life.
  ULONG AddRef() override { return 1; }
  ULONG Release() override { return 1; }
  HRESULT GetTypeInfoCount(UINT* count) override;
  HRESULT GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override;
  HRESULT GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID lcid, DISPID* ids) override;
  HRESULT Invoke(DISPID id, REFIID iid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                 EXCEPINFO* exception, UINT* argError) override;

 private:
  ComPtr<IConnectionPoint> m_point;
  DWORD m_cookie = 0;
  std::vector<DISPID> m_wanted;
  std::deque<DeviceEvent> m_events;
};
