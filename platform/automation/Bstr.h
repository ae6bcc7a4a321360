// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Automation strings: UTF-16, length-prefixed, zero-terminated. A null BSTR reads as the empty string.
#include <string>
#include <string_view>
#include <utility>

#include "platform/automation/Types.h"

BSTR SysAllocString(const OLECHAR* text);                // null text gives null
BSTR SysAllocStringLen(const OLECHAR* text, UINT length);  // null text: `length` zeroed characters
void SysFreeString(BSTR text);                           // null is fine
UINT SysStringLen(BSTR text);                            // null gives 0
// How many strings are alive in this process; tests use it to prove every string was freed. Counting
// starts with the first call (strings made before are not counted), so a program that never asks
// does not pay for it.
long SysLiveStringCount();
// Makes the next `count` string allocations fail, so tests can reach out-of-memory paths.
void SysSimulateAllocFailures(unsigned count);

// Owns one BSTR and frees it exactly once.
class Bstr {
 public:
  Bstr() = default;
  explicit Bstr(BSTR owned) : m_text(owned) {}
  explicit Bstr(std::u16string_view text);  // throws std::bad_alloc when out of memory
  // A copy of zero-terminated text (so that Bstr(u"literal") copies rather than adopts); null stays null.
  explicit Bstr(const OLECHAR* text);
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;
  Bstr(Bstr&& other) noexcept : m_text(std::exchange(other.m_text, nullptr)) {}
  Bstr& operator=(Bstr&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.m_text, nullptr));
    return *this;
  }
  ~Bstr() { SysFreeString(m_text); }

  BSTR Get() const { return m_text; }
  BSTR* Receive() { Reset(); return &m_text; }  // for out parameters
  BSTR Detach() { return std::exchange(m_text, nullptr); }
  void Reset(BSTR owned = nullptr) { SysFreeString(std::exchange(m_text, owned)); }
  UINT Length() const { return SysStringLen(m_text); }
  std::u16string_view View() const { return {m_text ? m_text : u"", Length()}; }
  bool IsNull() const { return m_text == nullptr; }

 private:
  BSTR m_text = nullptr;
};
