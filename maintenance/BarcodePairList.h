// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The barcode keyboard's prefix and postfix: pair lists written "a,b;c,d;" in the window, and
// two-dimensional arrays of 32-bit integers (dimension 1 the two numbers, dimension 2 the pairs) at
// the component.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/automation/Types.h"
#include "platform/automation/Variant.h"

inline constexpr int kBarcodePairCount = 10;

// Exactly ten pairs: tokens between ";" (empty ones skipped), each two numbers split at ",". A number
// that is not a whole decimal integer in range reads as 0, and so does a missing second number;
// numbers after the second of a pair, and pairs beyond the tenth, are ignored; missing pairs are (0, 0).
std::vector<std::pair<LONG, LONG>> ParseBarcodePairs(std::string_view text);
// The pairs as VT_ARRAY|VT_I4 in `out` (cleared first). E_OUTOFMEMORY when no array could be made.
HRESULT BarcodePairsToVariant(std::string_view text, VARIANT* out);
// Every pair of the array, "%d,%d;" each; empty text for anything but a two-dimensional VT_I4 array
// with two numbers per pair.
std::string BarcodePairsFromVariant(const VARIANT& value);
