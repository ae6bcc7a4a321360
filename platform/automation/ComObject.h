// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// ComObject: IUnknown for an object that implements a list of interfaces, with an exact reference count.
//
//   class Counter : public ComObject<Counter, ICounter, IConnectionPointContainer> {
//    public:
//     explicit Counter(int start) : ComObject(&g_moduleObjects), m_value(start) {}
//     HRESULT Increment() override { ++m_value; return S_OK; }
//     ...
//   };
//   ComPtr<Counter> counter = MakeComObject<Counter>(1);  // null when out of memory
//
// QueryInterface answers IUnknown, each listed interface, and each interface's base: IDispatch for an
// interface derived from it, and whatever an interface names as `using Base = IOther;` (declare it in
// interfaces derived from interfaces other than IUnknown and IDispatch). The object starts with one
// reference, held by what MakeComObject returns, and deletes itself on the last Release.
//
// The optional counter passed to the constructor counts this module's live objects (DllCanUnloadNow,
// leak tests); ComObjectLiveCount() counts every ComObject in the process.
#include <atomic>
#include <new>
#include <type_traits>
#include <utility>

#include "platform/automation/ComPtr.h"
#include "platform/automation/Unknown.h"

long ComObjectLiveCount();
void ComObjectCountBirth();
void ComObjectCountDeath();

namespace com_object_detail {

template <class I, class = void>
struct NamedBase {
  using type = void;
};
template <class I>
struct NamedBase<I, std::void_t<typename I::Base>> {
  using type = typename I::Base;
};

// True when `iid` is I's id or that of one of its bases.
template <class I>
bool Matches(REFIID iid) {
  if (iid == IidOf<I>()) return true;
  if constexpr (!std::is_same_v<I, IDispatch> && std::is_base_of_v<IDispatch, I>)
    if (iid == IidOf<IDispatch>()) return true;
  using Base = typename NamedBase<I>::type;
  if constexpr (!std::is_void_v<Base> && !std::is_same_v<Base, I>)
    return Matches<Base>(iid);
  return false;
}

}  // namespace com_object_detail

template <class Derived, class First, class... Rest>
class ComObject : public First, public Rest... {
 public:
  ComObject(const ComObject&) = delete;
  ComObject& operator=(const ComObject&) = delete;

  HRESULT QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (iid == IidOf<IUnknown>()) {
      *out = Unknown();
    } else if (!FindInterface<First, Rest...>(iid, out)) {
      return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
  }
  ULONG AddRef() override { return m_references.fetch_add(1, std::memory_order_relaxed) + 1; }
  ULONG Release() override {
    ULONG left = m_references.fetch_sub(1, std::memory_order_acq_rel) - 1;
    if (left == 0) delete static_cast<Derived*>(this);
    return left;
  }

  // The object's identity: the same pointer whichever interface it is reached through.
  IUnknown* Unknown() { return static_cast<First*>(this); }

 protected:
  explicit ComObject(std::atomic<long>* moduleObjects = nullptr) : m_moduleObjects(moduleObjects) {
    ComObjectCountBirth();
    if (m_moduleObjects) m_moduleObjects->fetch_add(1);
  }
  virtual ~ComObject() {
    if (m_moduleObjects) m_moduleObjects->fetch_sub(1);
    ComObjectCountDeath();
  }

 private:
  template <class I, class... More>
  bool FindInterface(REFIID iid, void** out) {
    if (com_object_detail::Matches<I>(iid)) {
      *out = static_cast<I*>(this);
      return true;
    }
    if constexpr (sizeof...(More) > 0) return FindInterface<More...>(iid, out);
    return false;
  }

  std::atomic<ULONG> m_references{1};
  std::atomic<long>* m_moduleObjects;
};

// A new object holding its first reference; null when out of memory.
template <class T, class... Args>
ComPtr<T> MakeComObject(Args&&... args) {
  ComPtr<T> object;
  object.Attach(new (std::nothrow) T(std::forward<Args>(args)...));
  return object;
}
