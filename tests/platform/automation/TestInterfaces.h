// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the test module serves, shared by the module and the tests.
#include "platform/automation/Unknown.h"

// {3F1A6C20-5B7E-4D8A-9C11-2E6F0B7D4A01}
inline constexpr CLSID CLSID_TestCounter{0x3F1A6C20, 0x5B7E, 0x4D8A, {0x9C, 0x11, 0x2E, 0x6F, 0x0B, 0x7D, 0x4A, 0x01}};
// {3F1A6C20-5B7E-4D8A-9C11-2E6F0B7D4A02}: registered by the module that has no class factory
inline constexpr CLSID CLSID_NoFactory{0x3F1A6C20, 0x5B7E, 0x4D8A, {0x9C, 0x11, 0x2E, 0x6F, 0x0B, 0x7D, 0x4A, 0x02}};

struct ITestCounter : IUnknown {
  static constexpr IID kIid{0x3F1A6C20, 0x5B7E, 0x4D8A, {0x9C, 0x11, 0x2E, 0x6F, 0x0B, 0x7D, 0x4A, 0x10}};
  virtual HRESULT Increment() = 0;
  virtual HRESULT get_Value(LONG* value) = 0;

 protected:
  ~ITestCounter() = default;
};
