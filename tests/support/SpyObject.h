// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The base of every spy object: exact reference counting into the shared state, and the recording of
// one call line per operation with its scripted result and out values.
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>

#include "tests/support/SpyState.h"
#include "platform/automation/Unknown.h"
#include "platform/automation/Variant.h"

// How in-arguments read in the call log: numbers and booleans in decimal (-1 is true), strings in
// double quotes as program text, a null string or interface as null, spy objects by label
// ("settings#2"), arrays as {a,b;c,d} (pairs) or bytes[n], an empty variant as empty.
std::string SpyArg(LONG value);
std::string SpyArg(VARIANT_BOOL value);
std::string SpyArg(BSTR value);
std::string SpyArg(const VARIANT* value);
std::string SpyArg(SpyState& state, const void* object);

// Records calls and hands out scripted values for one object.
class SpyRecorder {
 public:
  explicit SpyRecorder(std::shared_ptr<SpyState> state) : m_state(std::move(state)) {}
  SpyState& State() const { return *m_state; }
  const std::shared_ptr<SpyState>& SharedState() const { return m_state; }

  // Logs "name(args)" and answers the scripted result; *line receives the logged text.
  HRESULT Record(std::string_view name, std::initializer_list<std::string> args, std::string* line);
  // Out values: the scripted one (even with a failing result), else 0 / "" on success; on failure
  // without a script numbers stay untouched and strings become null.
  void WriteOut(std::string_view line, std::string_view key, HRESULT hr, LONG* out) const;
  void WriteOut(std::string_view line, std::string_view key, HRESULT hr, VARIANT_BOOL* out) const;
  void WriteOut(std::string_view line, std::string_view key, HRESULT hr, BSTR* out) const;
  // A scripted pair list becomes VT_ARRAY|VT_I4; otherwise the variant is left as it came.
  void WriteOut(std::string_view line, std::string_view key, HRESULT hr, VARIANT* out) const;

  template <class T>
  HRESULT Out(std::string_view name, std::initializer_list<std::string> args, T* out) {
    std::string line;
    HRESULT hr = Record(name, args, &line);
    if (!out) return E_POINTER;
    WriteOut(line, name, hr, out);
    return hr;
  }
  HRESULT In(std::string_view name, std::initializer_list<std::string> args) {
    std::string line;
    return Record(name, args, &line);
  }

 private:
  std::shared_ptr<SpyState> m_state;
};

template <class I>
class SpyObject : public I {
 public:
  SpyObject(std::shared_ptr<SpyState> state, std::string_view kind) : m_rec(std::move(state)) {
    SpyState& s = m_rec.State();
    ++s.liveObjects;
    ++s.outstandingReferences;
    m_label = std::string(kind) + "#" + std::to_string(++s.objectsMade);
    s.labels[static_cast<const void*>(static_cast<I*>(this))] = m_label;
  }
  SpyObject(const SpyObject&) = delete;
  SpyObject& operator=(const SpyObject&) = delete;
  virtual ~SpyObject() {
    SpyState& s = m_rec.State();
    s.labels.erase(static_cast<const void*>(static_cast<I*>(this)));
    --s.liveObjects;
  }

  HRESULT QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (iid != IidOf<IUnknown>() && iid != IidOf<IDispatch>() && iid != IidOf<I>()) return E_NOINTERFACE;
    *out = static_cast<I*>(this);
    AddRef();
    return S_OK;
  }
  ULONG AddRef() override {
    ++m_rec.State().outstandingReferences;
    return ++m_references;
  }
  ULONG Release() override {
    --m_rec.State().outstandingReferences;
    const ULONG left = --m_references;
    if (left == 0) delete this;
    return left;
  }
  // The spies are called through their vtables only; late binding is not offered.
  HRESULT GetTypeInfoCount(UINT* count) override {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
  }
  HRESULT GetTypeInfo(UINT, LCID, ITypeInfo** info) override {
    if (info) *info = nullptr;
    return E_NOTIMPL;
  }
  HRESULT GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  HRESULT Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
    return E_NOTIMPL;
  }

  const std::string& Label() const { return m_label; }

 protected:
  SpyRecorder m_rec;

 private:
  ULONG m_references = 1;
  std::string m_label;
};

// One property read, one property write, and the pair of both.
#define SPY_GET(name, T) \
  HRESULT name(T* value) override { return m_rec.Out(#name, {}, value); }
#define SPY_PUT(name, T) \
  HRESULT name(T value) override { return m_rec.In(#name, {SpyArg(value)}); }
#define SPY_PROP(prop, T) SPY_GET(get_##prop, T) SPY_PUT(put_##prop, T)
// Indexed forms: the index arguments first, as in the interfaces.
#define SPY_GET1(name, T) \
  HRESULT name(LONG i, T* value) override { return m_rec.Out(#name, {SpyArg(i)}, value); }
#define SPY_PUT1(name, T) \
  HRESULT name(LONG i, T value) override { return m_rec.In(#name, {SpyArg(i), SpyArg(value)}); }
#define SPY_PROP1(prop, T) SPY_GET1(get_##prop, T) SPY_PUT1(put_##prop, T)
#define SPY_GET2(name, T)                                        \
  HRESULT name(LONG i, LONG j, T* value) override {              \
    return m_rec.Out(#name, {SpyArg(i), SpyArg(j)}, value);      \
  }
#define SPY_PUT2(name, T)                                               \
  HRESULT name(LONG i, LONG j, T value) override {                      \
    return m_rec.In(#name, {SpyArg(i), SpyArg(j), SpyArg(value)});      \
  }
#define SPY_PROP2(prop, T) SPY_GET2(get_##prop, T) SPY_PUT2(put_##prop, T)
#define SPY_VERB(name) \
  HRESULT name() override { return m_rec.In(#name, {}); }
