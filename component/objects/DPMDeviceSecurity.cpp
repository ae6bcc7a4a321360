// SPDX-License-Identifier: GPL-3.0-or-later
// DPMDevice: security codes and the barcode keyboard layout.
#include "component/objects/DPMDevice.h"

#include "component/recorders/SecurityCodes.h"
#include "platform/automation/Bstr.h"
#include "device/DpmResults.h"
#include "platform/automation/CodePage.h"
#include "platform/automation/SafeArray.h"
#include "platform/automation/Variant.h"

namespace {

constexpr LONG kPairs = 10;

// Codes are ASCII; anything the code page cannot carry makes them invalid rather than '?'.
bool CodeText(BSTR text, std::string* out) {
  std::string code;
  for (UINT i = 0; i < SysStringLen(text); ++i) {
    if (text[i] < 0x20 || text[i] > 0x7E) return false;
    code += static_cast<char>(text[i]);
  }
  *out = std::move(code);
  return true;
}

HRESULT PairsToVariant(const KeyPairs& pairs, VARIANT* out) {
  SAFEARRAYBOUND bounds[2] = {{2, 0}, {static_cast<ULONG>(kPairs), 0}};
  SafeArrayHolder array(SafeArrayCreate(VT_I4, 2, bounds));
  if (!array.Get()) return E_OUTOFMEMORY;
  for (LONG p = 0; p < kPairs; ++p)
    for (LONG i = 0; i < 2; ++i) {
      const LONG index[2] = {i, p};
      LONG value = pairs[static_cast<size_t>(p)][static_cast<size_t>(i)];
      if (HRESULT hr = SafeArrayPutElement(array.Get(), index, &value); FAILED(hr)) return hr;
    }
  VariantClear(out);
  out->vt = VT_ARRAY | VT_I4;
  out->parray = array.Detach();
  return S_OK;
}

HRESULT PairsFromVariant(const VARIANT* in, KeyPairs* pairs) {
  if (!in || in->vt != (VT_ARRAY | VT_I4) || !in->parray || SafeArrayGetDim(in->parray) != 2) return E_INVALIDARG;
  LONG low1 = 0, high1 = 0, low2 = 0, high2 = 0;
  if (FAILED(SafeArrayGetLBound(in->parray, 1, &low1)) || FAILED(SafeArrayGetUBound(in->parray, 1, &high1)) ||
      FAILED(SafeArrayGetLBound(in->parray, 2, &low2)) || FAILED(SafeArrayGetUBound(in->parray, 2, &high2)))
    return E_INVALIDARG;
  if (low1 != 0 || high1 != 1 || low2 != 0 || high2 != kPairs - 1) return E_INVALIDARG;
  KeyPairs read{};
  for (LONG p = 0; p < kPairs; ++p)
    for (LONG i = 0; i < 2; ++i) {
      const LONG index[2] = {i, p};
      LONG value = 0;
      if (FAILED(SafeArrayGetElement(in->parray, index, &value)) || value < 0 || value > 255) return E_INVALIDARG;
      read[static_cast<size_t>(p)][static_cast<size_t>(i)] = value;
    }
  *pairs = read;
  return S_OK;
}

// The stored form of a code; the empty code is stored as nothing.
HRESULT StoreCode(std::string_view code, std::string* hash) {
  if (code.empty()) {
    hash->clear();
    return S_OK;
  }
  return HashCode(code, hash);
}

// A code just proven right moves an old-style hash to the current one.
HRESULT RefreshCode(std::string_view code, std::string* hash) {
  return NeedsRehash(*hash) ? HashCode(code, hash) : S_OK;
}

}  // namespace

HRESULT DPMDevice::GetPUKSet(VARIANT_BOOL* set) {
  if (!set) return E_POINTER;
  if (HRESULT hr = CheckConnected(); FAILED(hr)) return hr;
  if (!Model().security) return dpmCtrlNotSupported;
  RecorderState state;
  if (HRESULT hr = Folder().LoadState(&state); FAILED(hr)) return hr;
  *set = state.pukHash.empty() ? VARIANT_FALSE : VARIANT_TRUE;
  return S_OK;
}

HRESULT DPMDevice::SetPUK(BSTR puk) {
  if (HRESULT hr = CheckConnected(); FAILED(hr)) return hr;
  if (!Model().security) return dpmCtrlNotSupported;
  std::string code;
  if (!CodeText(puk, &code) || !IsValidPuk(code)) return E_INVALIDARG;
  std::string hash;
  if (HRESULT hr = HashCode(code, &hash); FAILED(hr)) return hr;  // the slow part, before the lock
  return Folder().UpdateState([&](RecorderState& state) -> HRESULT {
    if (!state.pukHash.empty()) return dpmCtrlAccessDenied;  // a PUK is set once
    state.pukHash = hash;
    return S_OK;
  });
}

HRESULT DPMDevice::SetPIN(BSTR puk, BSTR pin) {
  if (HRESULT hr = CheckConnected(); FAILED(hr)) return hr;
  if (!Model().security) return dpmCtrlNotSupported;
  std::string pukCode, pinCode;
  if (!CodeText(puk, &pukCode) || !CodeText(pin, &pinCode) || !IsValidPin(pinCode)) return E_INVALIDARG;
  return Folder().UpdateState([&](RecorderState& state) -> HRESULT {
    if (!CodeMatches(state.salt, state.pukHash, pukCode)) return dpmCtrlAccessDenied;
    if (HRESULT hr = RefreshCode(pukCode, &state.pukHash); FAILED(hr)) return hr;
    return StoreCode(pinCode, &state.pinHash);
  });
}

HRESULT DPMDevice::SetEncryptionPassword(BSTR oldKey, BSTR password) {
  if (HRESULT hr = CheckConnected(); FAILED(hr)) return hr;
  if (!Model().encryption) return dpmCtrlNotSupported;
  std::string oldCode, newCode;
  if (!CodeText(oldKey, &oldCode) || !CodeText(password, &newCode) || !IsValidPassword(newCode)) return E_INVALIDARG;
  return Folder().UpdateState([&](RecorderState& state) -> HRESULT {
    if (!state.passwordHash.empty() && !CodeMatches(state.salt, state.passwordHash, oldCode)) {
      if (!CodeMatches(state.salt, state.pukHash, oldCode)) return dpmCtrlAccessDenied;
      if (HRESULT hr = RefreshCode(oldCode, &state.pukHash); FAILED(hr)) return hr;
    }
    return StoreCode(newCode, &state.passwordHash);
  });
}

HRESULT DPMDevice::GetBarcodeKeyboardLayout(LONG* layout, VARIANT* prefix, VARIANT* postfix) {
  if (!layout || !prefix || !postfix) return E_POINTER;
  if (HRESULT hr = CheckConnected(); FAILED(hr)) return hr;
  if (!Model().keywordBarcodeScan) return dpmCtrlNotSupported;
  RecorderState state;
  if (HRESULT hr = Folder().LoadState(&state); FAILED(hr)) return hr;
  Variant first, second;
  if (HRESULT hr = PairsToVariant(state.barcodePrefix, first.Get()); FAILED(hr)) return hr;
  if (HRESULT hr = PairsToVariant(state.barcodePostfix, second.Get()); FAILED(hr)) return hr;
  // Out parameters: whatever the caller's variants held is not ours to clear.
  *prefix = *first.Get();
  *postfix = *second.Get();
  VariantInit(first.Get());  // handed over
  VariantInit(second.Get());
  *layout = state.barcodeLayout;
  return S_OK;
}

HRESULT DPMDevice::SetBarcodeKeyboardLayout(LONG layout, VARIANT* prefix, VARIANT* postfix) {
  if (HRESULT hr = CheckConnected(); FAILED(hr)) return hr;
  if (!Model().keywordBarcodeScan) return dpmCtrlNotSupported;
  if (layout < 0) return E_INVALIDARG;
  KeyPairs before{}, after{};
  if (FAILED(PairsFromVariant(prefix, &before)) || FAILED(PairsFromVariant(postfix, &after))) return E_INVALIDARG;
  return Folder().UpdateState([&](RecorderState& state) {
    state.barcodeLayout = layout;
    state.barcodePrefix = before;
    state.barcodePostfix = after;
    return S_OK;
  });
}
