// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Connection points: how an object hands events to the sinks advised on it.
#include "platform/automation/Unknown.h"

struct IConnectionPointContainer;

struct IConnectionPoint : IUnknown {
  static constexpr IID kIid{0xB196B286, 0xBAB4, 0x101A, {0xB6, 0x9C, 0x00, 0xAA, 0x00, 0x34, 0x1D, 0x07}};
  virtual HRESULT GetConnectionInterface(IID* iid) = 0;
  virtual HRESULT GetConnectionPointContainer(IConnectionPointContainer** container) = 0;
  // The sink is asked for the connection interface; the cookie is never 0. CONNECT_E_CANNOTCONNECT
  // when the sink lacks the interface.
  virtual HRESULT Advise(IUnknown* sink, DWORD* cookie) = 0;
  // CONNECT_E_NOCONNECTION for a cookie it did not hand out (or already took back).
  virtual HRESULT Unadvise(DWORD cookie) = 0;

 protected:
  ~IConnectionPoint() = default;
};

struct IConnectionPointContainer : IUnknown {
  static constexpr IID kIid{0xB196B284, 0xBAB4, 0x101A, {0xB6, 0x9C, 0x00, 0xAA, 0x00, 0x34, 0x1D, 0x07}};
  // CONNECT_E_NOCONNECTION when the object has no connection point for the interface.
  virtual HRESULT FindConnectionPoint(REFIID iid, IConnectionPoint** point) = 0;

 protected:
  ~IConnectionPointContainer() = default;
};
