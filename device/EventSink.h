// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's receiver of the component's events (_DDPMControlEvents): one log line per event, and
// the count of connected devices that decides whether the device buttons are enabled.
//
// The main window owns the sink and deletes it; reference counting is inert, since the window's
// lifetime, not the component's references, decides when the sink goes.
#include <string>
#include <vector>

#include "device/DpmEventArgs.h"
#include "device/IEventLogTarget.h"
#include "platform/automation/ComPtr.h"
#include "platform/automation/TypeLib.h"
#include "platform/automation/Unknown.h"

class CEventSink : public IDispatch {
 public:
  static constexpr DWORD kUnattachedCookie = 0xFEFEFEFE;
  // Progress events let the window dispatch this many queued messages, so it stays responsive
  // during a long file task.
  static constexpr int kMessagesPerProgressEvent = 50;

  explicit CEventSink(IEventLogTarget* dlg);
  CEventSink(const CEventSink&) = delete;
  CEventSink& operator=(const CEventSink&) = delete;
  virtual ~CEventSink();

  // Advises the control's connection point for the event interface. E_POINTER for a null control,
  // E_UNEXPECTED when already attached; otherwise what the container or the point answers.
  HRESULT Attach(IUnknown* control);
  // Unadvises with the stored cookie; the cookie is back to kUnattachedCookie afterwards.
  HRESULT Detach(IUnknown* control);
  DWORD Cookie() const { return m_cookie; }
  LONG ConnectedDevices() const { return m_nConnectedDevices; }

  HRESULT QueryInterface(REFIID iid, void** out) override;
  ULONG AddRef() override { return 1; }
  ULONG Release() override { return 1; }
  HRESULT GetTypeInfoCount(UINT* count) override;
  HRESULT GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override;
  HRESULT GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID lcid, DISPID* ids) override;
  HRESULT Invoke(DISPID id, REFIID iid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                 EXCEPINFO* exception, UINT* argError) override;

  // The event's parameter types: from the registered library, except for the button event, whose
  // types the program knows itself. TYPE_E_ELEMENTNOTFOUND for an id outside the events.
  HRESULT GetFuncInfoFromId(DISPID id, FunctionDescription* info);

 private:
  HRESULT LoadTypeInfo();
  void Dispatch(DISPID id, const std::vector<DpmEventArg>& args);

  void OnDeviceConnected(LONG n);
  void OnDeviceDisconnected(LONG n);
  void OnProgress(const DpmEventArg& text, LONG a, LONG b);
  void OnButton(LONG n, LONG button);
  void OnResult(LONG n, HRESULT result);
  void OnDeviceReady(LONG n);
  void OnBarcodeScanned(LONG n);
  void OnBarcodeStringScanned(LONG n, const DpmEventArg& code);

  IEventLogTarget* m_pDlg;
  LONG m_nConnectedDevices = 0;
  DWORD m_cookie = kUnattachedCookie;
  ComPtr<ITypeInfo> m_typeInfo;  // loaded on first use, kept for the run
};
