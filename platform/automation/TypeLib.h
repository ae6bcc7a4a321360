// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The type-library registry: per dispatch interface, each dispatch id's name and parameter types.
// A module registers its library's description with RegisterTypeLib (from DllRegisterServer);
// LoadRegTypeLib reads it back from the registry folder.
#include <string>
#include <vector>

#include "platform/automation/Unknown.h"

enum CALLCONV { CC_CDECL = 1, CC_STDCALL = 4 };

struct FunctionDescription {
  DISPID dispid;
  std::string name;
  CALLCONV callConv;
  VARTYPE returnType;
  std::vector<VARTYPE> paramTypes;  // in declaration order
};

struct InterfaceDescription {
  IID iid;
  std::string name;
  std::vector<FunctionDescription> functions;
};

struct TypeLibDescription {
  GUID libid;
  WORD major;
  WORD minor;
  std::string name;
  std::vector<InterfaceDescription> interfaces;
};

struct ITypeInfo : IUnknown {
  static constexpr IID kIid{0x00020401, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
  virtual HRESULT GetGuid(IID* iid) = 0;
  virtual HRESULT GetFuncCount(UINT* count) = 0;
  // TYPE_E_ELEMENTNOTFOUND for a dispatch id the interface does not have.
  virtual HRESULT GetFunction(DISPID dispid, FunctionDescription* out) = 0;
  // DISP_E_MEMBERNOTFOUND (and DISPID_UNKNOWN in ids) for an unknown name.
  virtual HRESULT GetIDsOfNames(LPOLESTR* names, UINT count, DISPID* ids) = 0;

 protected:
  ~ITypeInfo() = default;
};

struct ITypeLib : IUnknown {
  static constexpr IID kIid{0x00020402, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
  virtual HRESULT GetLibAttr(GUID* libid, WORD* major, WORD* minor) = 0;
  // TYPE_E_ELEMENTNOTFOUND for an interface the library does not describe.
  virtual HRESULT GetTypeInfoOfGuid(REFGUID iid, ITypeInfo** info) = 0;

 protected:
  ~ITypeLib() = default;
};

// TYPE_E_LIBNOTREGISTERED when no such library (or version) is registered, or its entry is damaged.
HRESULT LoadRegTypeLib(REFGUID libid, WORD major, WORD minor, LCID lcid, ITypeLib** lib);
HRESULT RegisterTypeLib(const TypeLibDescription& description);
HRESULT UnRegisterTypeLib(REFGUID libid, WORD major, WORD minor, LCID lcid);
