// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/SpyObject.h"

#include <array>

#include "platform/automation/Bstr.h"
#include "platform/automation/CodePage.h"
#include "platform/automation/SafeArray.h"

std::string SpyArg(LONG value) { return std::to_string(value); }

std::string SpyArg(VARIANT_BOOL value) { return std::to_string(value); }

std::string SpyArg(BSTR value) {
  if (!value) return "null";
  return "\"" + BstrToAnsi(value) + "\"";
}

std::string SpyArg(SpyState& state, const void* object) {
  if (!object) return "null";
  auto it = state.labels.find(object);
  return it != state.labels.end() ? it->second : "foreign";
}

namespace {

std::string PairsText(SAFEARRAY* array) {
  LONG last = -1;
  if (SafeArrayGetDim(array) != 2 || FAILED(SafeArrayGetUBound(array, 2, &last))) return "badarray";
  std::string text = "{";
  for (LONG r = 0; r <= last; ++r) {
    LONG a = 0, b = 0;
    const std::array<LONG, 2> first{0, r}, second{1, r};
    SafeArrayGetElement(array, first, &a);
    SafeArrayGetElement(array, second, &b);
    if (r > 0) text += ";";
    text += std::to_string(a) + "," + std::to_string(b);
  }
  return text + "}";
}

}  // namespace

std::string SpyArg(const VARIANT* value) {
  if (!value) return "null";
  switch (value->vt) {
    case VT_EMPTY: return "empty";
    case VT_ARRAY | VT_I4: return PairsText(value->parray);
    case VT_ARRAY | VT_UI1: {
      LONG last = -1;
      SafeArrayGetUBound(value->parray, 1, &last);
      return "bytes[" + std::to_string(last + 1) + "]";
    }
    default: return "vt" + std::to_string(value->vt);
  }
}

HRESULT SpyRecorder::Record(std::string_view name, std::initializer_list<std::string> args,
                            std::string* line) {
  std::string text(name);
  text += "(";
  bool first = true;
  for (const std::string& arg : args) {
    if (!first) text += ", ";
    text += arg;
    first = false;
  }
  text += ")";
  m_state->calls.push_back(text);
  *line = std::move(text);
  return m_state->ResultFor(*line, name);
}

void SpyRecorder::WriteOut(std::string_view line, std::string_view key, HRESULT hr, LONG* out) const {
  const SpyValue* value = m_state->ValueFor(line, key);
  if (value && std::holds_alternative<LONG>(*value))
    *out = std::get<LONG>(*value);
  else if (SUCCEEDED(hr))
    *out = 0;
}

void SpyRecorder::WriteOut(std::string_view line, std::string_view key, HRESULT hr,
                           VARIANT_BOOL* out) const {
  const SpyValue* value = m_state->ValueFor(line, key);
  if (value && std::holds_alternative<LONG>(*value))
    *out = static_cast<VARIANT_BOOL>(std::get<LONG>(*value));
  else if (SUCCEEDED(hr))
    *out = VARIANT_FALSE;
}

void SpyRecorder::WriteOut(std::string_view line, std::string_view key, HRESULT hr, BSTR* out) const {
  const SpyValue* value = m_state->ValueFor(line, key);
  if (value && std::holds_alternative<std::string>(*value))
    *out = AnsiToBstr(std::get<std::string>(*value));
  else if (value && std::holds_alternative<SpyNull>(*value))
    *out = nullptr;
  else
    *out = SUCCEEDED(hr) ? SysAllocString(u"") : nullptr;
}

void SpyRecorder::WriteOut(std::string_view line, std::string_view key, HRESULT hr, VARIANT* out) const {
  const SpyValue* value = m_state->ValueFor(line, key);
  if (!value || !std::holds_alternative<SpyPairs>(*value)) return;
  const auto& pairs = std::get<SpyPairs>(*value).pairs;
  const SAFEARRAYBOUND bounds[2] = {{2, 0}, {static_cast<ULONG>(pairs.size()), 0}};
  SAFEARRAY* array = SafeArrayCreate(VT_I4, 2, bounds);
  if (!array) return;
  for (LONG r = 0; r < static_cast<LONG>(pairs.size()); ++r) {
    const std::array<LONG, 2> first{0, r}, second{1, r};
    SafeArrayPutElement(array, first, &pairs[static_cast<std::size_t>(r)].first);
    SafeArrayPutElement(array, second, &pairs[static_cast<std::size_t>(r)].second);
  }
  VariantClear(out);
  out->vt = VT_ARRAY | VT_I4;
  out->parray = array;
}
