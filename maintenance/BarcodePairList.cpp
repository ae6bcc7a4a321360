// SPDX-License-Identifier: GPL-3.0-or-later
#include "maintenance/BarcodePairList.h"

#include <array>
#include <charconv>

#include "platform/automation/SafeArray.h"

namespace {

std::string_view Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

LONG NumberOrZero(std::string_view text) {
  text = Trimmed(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  LONG value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return 0;
  return value;
}

std::pair<LONG, LONG> ParsePair(std::string_view token) {
  const auto comma = token.find(',');
  if (comma == std::string_view::npos) return {NumberOrZero(token), 0};
  // Anything after a third number is ignored.
  const std::string_view second = token.substr(comma + 1);
  return {NumberOrZero(token.substr(0, comma)), NumberOrZero(second.substr(0, second.find(',')))};
}

}  // namespace

std::vector<std::pair<LONG, LONG>> ParseBarcodePairs(std::string_view text) {
  std::vector<std::pair<LONG, LONG>> pairs;
  std::size_t start = 0;
  while (start <= text.size() && pairs.size() < kBarcodePairCount) {
    auto end = text.find(';', start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view token = text.substr(start, end - start);
    if (!Trimmed(token).empty()) pairs.push_back(ParsePair(token));
    start = end + 1;
  }
  pairs.resize(kBarcodePairCount, {0, 0});
  return pairs;
}

HRESULT BarcodePairsToVariant(std::string_view text, VARIANT* out) {
  VariantClear(out);
  const SAFEARRAYBOUND bounds[2] = {{2, 0}, {kBarcodePairCount, 0}};
  SafeArrayHolder array(SafeArrayCreate(VT_I4, 2, bounds));
  if (!array.Get()) return E_OUTOFMEMORY;
  const auto pairs = ParseBarcodePairs(text);
  for (LONG i = 0; i < kBarcodePairCount; ++i) {
    const std::array<LONG, 2> first{0, i};
    const std::array<LONG, 2> second{1, i};
    HRESULT hr = SafeArrayPutElement(array.Get(), first, &pairs[i].first);
    if (SUCCEEDED(hr)) hr = SafeArrayPutElement(array.Get(), second, &pairs[i].second);
    if (FAILED(hr)) return hr;
  }
  out->vt = VT_ARRAY | VT_I4;
  out->parray = array.Detach();
  return S_OK;
}

std::string BarcodePairsFromVariant(const VARIANT& value) {
  if (value.vt != (VT_ARRAY | VT_I4) || SafeArrayGetDim(value.parray) != 2) return {};
  LONG numberLow = 0, numberHigh = -1, pairLow = 0, pairHigh = -1;
  if (FAILED(SafeArrayGetLBound(value.parray, 1, &numberLow)) ||
      FAILED(SafeArrayGetUBound(value.parray, 1, &numberHigh)) ||
      FAILED(SafeArrayGetLBound(value.parray, 2, &pairLow)) ||
      FAILED(SafeArrayGetUBound(value.parray, 2, &pairHigh)) || numberHigh - numberLow != 1) {
    return {};
  }
  std::string text;
  for (LONG pair = pairLow; pair <= pairHigh; ++pair) {
    LONG a = 0, b = 0;
    const std::array<LONG, 2> first{numberLow, pair};
    const std::array<LONG, 2> second{numberLow + 1, pair};
    if (FAILED(SafeArrayGetElement(value.parray, first, &a)) ||
        FAILED(SafeArrayGetElement(value.parray, second, &b))) {
      break;
    }
    text += std::to_string(a) + "," + std::to_string(b) + ";";
  }
  return text;
}
