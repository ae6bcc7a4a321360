// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/automation/Bstr.h"

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <new>

// Layout: a 32-bit mark, a 32-bit byte count, the characters, a terminating zero. The BSTR points at
// the characters. The mark says whether the string was counted, so that switching the count on in
// mid-run never counts down a string that was not counted up.
namespace {

struct Header {
  std::uint32_t counted;
  std::uint32_t bytes;
};

// The live count is a shared atomic that every string would pay for; only tests ask for it.
std::atomic<bool> g_counting{false};
std::atomic<long> g_liveStrings{0};
std::atomic<unsigned> g_simulatedFailures{0};

bool TakeSimulatedFailure() {
  unsigned pending = g_simulatedFailures.load();
  while (pending > 0) {
    if (g_simulatedFailures.compare_exchange_weak(pending, pending - 1)) return true;
  }
  return false;
}

constexpr std::size_t kHeader = sizeof(Header);

Header* HeaderOf(BSTR text) { return reinterpret_cast<Header*>(reinterpret_cast<char*>(text) - kHeader); }

}  // namespace

BSTR SysAllocString(const OLECHAR* text) {
  if (!text) return nullptr;
  std::size_t length = std::char_traits<OLECHAR>::length(text);
  if (length > std::numeric_limits<UINT>::max()) return nullptr;
  return SysAllocStringLen(text, static_cast<UINT>(length));
}

BSTR SysAllocStringLen(const OLECHAR* text, UINT length) {
  // The byte count must fit the 32-bit prefix.
  if (length > (std::numeric_limits<std::uint32_t>::max() - kHeader) / sizeof(OLECHAR) - 1) return nullptr;
  if (TakeSimulatedFailure()) return nullptr;
  std::size_t bytes = std::size_t{length} * sizeof(OLECHAR);
  auto* header = static_cast<Header*>(std::malloc(kHeader + bytes + sizeof(OLECHAR)));
  if (!header) return nullptr;
  header->bytes = static_cast<std::uint32_t>(bytes);
  header->counted = g_counting.load(std::memory_order_relaxed) ? 1 : 0;
  if (header->counted) g_liveStrings.fetch_add(1);
  BSTR chars = reinterpret_cast<BSTR>(reinterpret_cast<char*>(header) + kHeader);
  if (text)
    std::memcpy(chars, text, bytes);
  else
    std::memset(chars, 0, bytes);
  chars[length] = 0;
  return chars;
}

void SysFreeString(BSTR text) {
  if (!text) return;
  Header* header = HeaderOf(text);
  if (header->counted) g_liveStrings.fetch_sub(1);
  std::free(header);
}

UINT SysStringLen(BSTR text) {
  if (!text) return 0;
  return HeaderOf(text)->bytes / sizeof(OLECHAR);
}

long SysLiveStringCount() {
  g_counting.store(true);
  return g_liveStrings.load();
}

void SysSimulateAllocFailures(unsigned count) { g_simulatedFailures.store(count); }

Bstr::Bstr(std::u16string_view text) {
  if (text.size() > std::numeric_limits<UINT>::max()) throw std::bad_alloc();
  m_text = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
  if (!m_text) throw std::bad_alloc();
}

Bstr::Bstr(const OLECHAR* text) {
  if (text && !(m_text = SysAllocString(text))) throw std::bad_alloc();
}
