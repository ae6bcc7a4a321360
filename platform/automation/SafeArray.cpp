// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/automation/SafeArray.h"

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <new>
#include <vector>

#include "platform/automation/Bstr.h"
#include "platform/automation/Variant.h"

struct SAFEARRAY {
  std::uint32_t magic;
  VARTYPE vt;
  std::size_t elementSize;
  std::size_t count;
  std::vector<SAFEARRAYBOUND> bounds;  // dimension 1 first
  void* data;
};

namespace {

constexpr std::uint32_t kMagic = 0x53414652;  // catches a pointer that is not (or no longer) an array
std::atomic<long> g_liveArrays{0};

std::size_t ElementSize(VARTYPE vt) {
  switch (vt) {
    case VT_I4: case VT_UI4: case VT_INT: case VT_ERROR: return 4;
    case VT_I2: case VT_BOOL: return 2;
    case VT_UI1: return 1;
    case VT_R8: return 8;
    case VT_BSTR: return sizeof(BSTR);
    case VT_VARIANT: return sizeof(VARIANT);
    default: return 0;
  }
}

bool IsArray(const SAFEARRAY* a) { return a && a->magic == kMagic; }

std::int64_t UpperOf(const SAFEARRAYBOUND& b) {
  return std::int64_t{b.lLbound} + std::int64_t{b.cElements} - 1;
}

// The element's offset in elements, or false when the index vector does not name an element.
bool OffsetOf(const SAFEARRAY* a, std::span<const LONG> indices, std::size_t* offset) {
  if (indices.size() != a->bounds.size()) return false;
  std::size_t result = 0;
  std::size_t stride = 1;
  for (std::size_t d = 0; d < indices.size(); ++d) {
    const SAFEARRAYBOUND& b = a->bounds[d];
    if (indices[d] < b.lLbound || indices[d] > UpperOf(b)) return false;
    result += static_cast<std::size_t>(std::int64_t{indices[d]} - b.lLbound) * stride;
    stride *= b.cElements;
  }
  *offset = result;
  return true;
}

char* ElementAt(const SAFEARRAY* a, std::size_t offset) {
  return static_cast<char*>(a->data) + offset * a->elementSize;
}

void FreeElements(SAFEARRAY* a) {
  for (std::size_t i = 0; i < a->count; ++i) {
    char* e = ElementAt(a, i);
    if (a->vt == VT_BSTR) SysFreeString(*reinterpret_cast<BSTR*>(e));
    if (a->vt == VT_VARIANT) VariantClear(reinterpret_cast<VARIANT*>(e));
  }
}

// Copies one element into zeroed storage; BSTRs and VARIANTs are duplicated.
HRESULT CopyElement(VARTYPE vt, const void* from, void* to, std::size_t size) {
  if (vt == VT_BSTR) {
    BSTR source = *static_cast<const BSTR*>(from);
    BSTR copy = nullptr;
    if (source && !(copy = SysAllocStringLen(source, SysStringLen(source)))) return E_OUTOFMEMORY;
    *static_cast<BSTR*>(to) = copy;
    return S_OK;
  }
  if (vt == VT_VARIANT) {
    VARIANT* dest = static_cast<VARIANT*>(to);
    VariantInit(dest);
    return VariantCopy(dest, static_cast<const VARIANT*>(from));
  }
  std::memcpy(to, from, size);
  return S_OK;
}

}  // namespace

SAFEARRAY* SafeArrayCreate(VARTYPE vt, UINT dims, const SAFEARRAYBOUND* bounds) {
  std::size_t elementSize = ElementSize(vt);
  if (elementSize == 0 || dims == 0 || !bounds) return nullptr;
  std::size_t count = 1;
  for (UINT d = 0; d < dims; ++d) {
    // Every index must be a LONG, and the whole array must be addressable.
    if (bounds[d].cElements > 0 && UpperOf(bounds[d]) > std::numeric_limits<LONG>::max()) return nullptr;
    if (bounds[d].cElements != 0 &&
        count > std::numeric_limits<std::size_t>::max() / elementSize / bounds[d].cElements)
      return nullptr;
    count *= bounds[d].cElements;
  }
  auto* array = new (std::nothrow) SAFEARRAY{};
  if (!array) return nullptr;
  array->data = std::calloc(count == 0 ? 1 : count, elementSize);  // zero: null BSTRs, empty VARIANTs
  if (!array->data) {
    delete array;
    return nullptr;
  }
  array->magic = kMagic;
  array->vt = vt;
  array->elementSize = elementSize;
  array->count = count;
  array->bounds.assign(bounds, bounds + dims);
  g_liveArrays.fetch_add(1);
  return array;
}

SAFEARRAY* SafeArrayCreateVector(VARTYPE vt, LONG lowerBound, ULONG count) {
  SAFEARRAYBOUND bound{count, lowerBound};
  return SafeArrayCreate(vt, 1, &bound);
}

HRESULT SafeArrayDestroy(SAFEARRAY* array) {
  if (!array) return S_OK;
  if (!IsArray(array)) return E_INVALIDARG;
  FreeElements(array);
  std::free(array->data);
  array->magic = 0;
  delete array;
  g_liveArrays.fetch_sub(1);
  return S_OK;
}

UINT SafeArrayGetDim(SAFEARRAY* array) {
  return IsArray(array) ? static_cast<UINT>(array->bounds.size()) : 0;
}

HRESULT SafeArrayGetVartype(SAFEARRAY* array, VARTYPE* vt) {
  if (!IsArray(array) || !vt) return E_INVALIDARG;
  *vt = array->vt;
  return S_OK;
}

HRESULT SafeArrayGetLBound(SAFEARRAY* array, UINT dim, LONG* bound) {
  if (!IsArray(array) || !bound) return E_INVALIDARG;
  if (dim < 1 || dim > array->bounds.size()) return DISP_E_BADINDEX;
  *bound = array->bounds[dim - 1].lLbound;
  return S_OK;
}

HRESULT SafeArrayGetUBound(SAFEARRAY* array, UINT dim, LONG* bound) {
  if (!IsArray(array) || !bound) return E_INVALIDARG;
  if (dim < 1 || dim > array->bounds.size()) return DISP_E_BADINDEX;
  std::int64_t upper = UpperOf(array->bounds[dim - 1]);
  // An empty dimension starting at the lowest LONG has no upper bound a LONG can hold.
  if (upper < std::numeric_limits<LONG>::min()) return DISP_E_BADINDEX;
  *bound = static_cast<LONG>(upper);
  return S_OK;
}

HRESULT SafeArrayGetElement(SAFEARRAY* array, std::span<const LONG> indices, void* value) {
  if (!IsArray(array) || !value) return E_INVALIDARG;
  std::size_t offset = 0;
  if (!OffsetOf(array, indices, &offset)) return DISP_E_BADINDEX;
  // Built aside, so a failed copy leaves the caller's storage as it was.
  alignas(VARIANT) unsigned char copy[sizeof(VARIANT)] = {};
  HRESULT hr = CopyElement(array->vt, ElementAt(array, offset), copy, array->elementSize);
  if (FAILED(hr)) return hr;
  std::memcpy(value, copy, array->elementSize);
  return S_OK;
}

HRESULT SafeArrayPutElement(SAFEARRAY* array, std::span<const LONG> indices, const void* value) {
  if (!IsArray(array)) return E_INVALIDARG;
  std::size_t offset = 0;
  if (!OffsetOf(array, indices, &offset)) return DISP_E_BADINDEX;
  // As on the platform, a BSTR is passed itself, everything else by address.
  const BSTR text = array->vt == VT_BSTR ? static_cast<BSTR>(const_cast<void*>(value)) : nullptr;
  if (!value && array->vt != VT_BSTR) return E_INVALIDARG;
  const void* source = array->vt == VT_BSTR ? static_cast<const void*>(&text) : value;
  alignas(VARIANT) unsigned char copy[sizeof(VARIANT)] = {};
  HRESULT hr = CopyElement(array->vt, source, copy, array->elementSize);
  if (FAILED(hr)) return hr;
  char* element = ElementAt(array, offset);
  if (array->vt == VT_BSTR) SysFreeString(*reinterpret_cast<BSTR*>(element));
  if (array->vt == VT_VARIANT) VariantClear(reinterpret_cast<VARIANT*>(element));
  std::memcpy(element, copy, array->elementSize);
  return S_OK;
}

HRESULT SafeArrayCopy(SAFEARRAY* array, SAFEARRAY** copy) {
  if (!copy) return E_INVALIDARG;
  *copy = nullptr;
  if (!array) return S_OK;
  if (!IsArray(array)) return E_INVALIDARG;
  SafeArrayHolder result(SafeArrayCreate(array->vt, static_cast<UINT>(array->bounds.size()),
                                         array->bounds.data()));
  if (!result.Get()) return E_OUTOFMEMORY;
  for (std::size_t i = 0; i < array->count; ++i) {
    HRESULT hr = CopyElement(array->vt, ElementAt(array, i), ElementAt(result.Get(), i), array->elementSize);
    if (FAILED(hr)) return hr;
  }
  *copy = result.Detach();
  return S_OK;
}

long SafeArrayLiveCount() { return g_liveArrays.load(); }

HRESULT MakeByteArray(std::span<const BYTE> bytes, VARIANT* v) {
  SAFEARRAY* array = SafeArrayCreateVector(VT_UI1, 0, static_cast<ULONG>(bytes.size()));
  if (!array) return E_OUTOFMEMORY;
  for (LONG i = 0; i < static_cast<LONG>(bytes.size()); ++i) {
    const LONG index[1] = {i};
    const HRESULT hr = SafeArrayPutElement(array, index, &bytes[i]);
    if (FAILED(hr)) {
      SafeArrayDestroy(array);
      return hr;
    }
  }
  v->vt = VT_ARRAY | VT_UI1;
  v->parray = array;
  return S_OK;
}
