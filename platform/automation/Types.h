// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Basic automation types and result codes, with the names the platform uses.
#include <cstdint>

using HRESULT = std::int32_t;
using LONG = std::int32_t;
using ULONG = std::uint32_t;
using DWORD = std::uint32_t;
using UINT = std::uint32_t;
using INT = std::int32_t;
using SHORT = std::int16_t;
using USHORT = std::uint16_t;
using WORD = std::uint16_t;
using BYTE = std::uint8_t;
using BOOL = std::int32_t;
using LCID = std::uint32_t;
using DISPID = std::int32_t;
using VARTYPE = std::uint16_t;
using WCHAR = char16_t;
using OLECHAR = char16_t;
using LPOLESTR = OLECHAR*;
using LPCOLESTR = const OLECHAR*;
using BSTR = OLECHAR*;  // length-prefixed, see Bstr.h
using VARIANT_BOOL = std::int16_t;

constexpr VARIANT_BOOL VARIANT_TRUE = -1;
constexpr VARIANT_BOOL VARIANT_FALSE = 0;
constexpr BOOL TRUE = 1;
constexpr BOOL FALSE = 0;

constexpr bool SUCCEEDED(HRESULT hr) { return hr >= 0; }
constexpr bool FAILED(HRESULT hr) { return hr < 0; }
constexpr HRESULT MAKE_HRESULT(unsigned sev, unsigned fac, unsigned code) {
  return static_cast<HRESULT>((sev << 31) | (fac << 16) | code);
}
constexpr HRESULT HresultOf(std::uint32_t bits) { return static_cast<HRESULT>(bits); }

constexpr HRESULT S_OK = 0;
constexpr HRESULT S_FALSE = 1;
constexpr HRESULT E_NOTIMPL = HresultOf(0x80004001);
constexpr HRESULT E_NOINTERFACE = HresultOf(0x80004002);
constexpr HRESULT E_POINTER = HresultOf(0x80004003);
constexpr HRESULT E_ABORT = HresultOf(0x80004004);
constexpr HRESULT E_FAIL = HresultOf(0x80004005);
constexpr HRESULT E_UNEXPECTED = HresultOf(0x8000FFFF);
constexpr HRESULT E_ACCESSDENIED = HresultOf(0x80070005);
constexpr HRESULT E_HANDLE = HresultOf(0x80070006);
constexpr HRESULT E_OUTOFMEMORY = HresultOf(0x8007000E);
constexpr HRESULT E_INVALIDARG = HresultOf(0x80070057);
constexpr HRESULT CLASS_E_NOAGGREGATION = HresultOf(0x80040110);
constexpr HRESULT CLASS_E_CLASSNOTAVAILABLE = HresultOf(0x80040111);
constexpr HRESULT REGDB_E_CLASSNOTREG = HresultOf(0x80040154);
constexpr HRESULT REGDB_E_WRITEREGDB = HresultOf(0x80040151);
constexpr HRESULT CO_E_NOTINITIALIZED = HresultOf(0x800401F0);
constexpr HRESULT CO_E_DLLNOTFOUND = HresultOf(0x800401F8);
constexpr HRESULT CO_E_ERRORINDLL = HresultOf(0x800401F9);
constexpr HRESULT CO_E_BAD_PATH = HresultOf(0x80080004);
// The class registry's refusals of what other users could have changed (ClassRegistry.h); the
// platform has no such codes, as its registry guards itself.
constexpr HRESULT REGDB_E_UNSAFEENTRY = HresultOf(0x8004015E);
constexpr HRESULT CO_E_UNSAFEMODULE = HresultOf(0x8004015F);
constexpr HRESULT RPC_E_CHANGED_MODE = HresultOf(0x80010106);
constexpr HRESULT RPC_E_WRONG_THREAD = HresultOf(0x8001010E);
constexpr HRESULT RPC_E_DISCONNECTED = HresultOf(0x80010108);
constexpr HRESULT TYPE_E_LIBNOTREGISTERED = HresultOf(0x8002801D);
constexpr HRESULT TYPE_E_ELEMENTNOTFOUND = HresultOf(0x8002802B);
constexpr HRESULT TYPE_E_INVALIDSTATE = HresultOf(0x80028029);
constexpr HRESULT DISP_E_MEMBERNOTFOUND = HresultOf(0x80020003);
constexpr HRESULT DISP_E_TYPEMISMATCH = HresultOf(0x80020005);
constexpr HRESULT DISP_E_BADPARAMCOUNT = HresultOf(0x8002000E);
constexpr HRESULT DISP_E_BADVARTYPE = HresultOf(0x80020008);
constexpr HRESULT DISP_E_ARRAYISLOCKED = HresultOf(0x8002000D);
constexpr HRESULT DISP_E_BADINDEX = HresultOf(0x8002000B);
constexpr HRESULT CONNECT_E_NOCONNECTION = HresultOf(0x80040200);
constexpr HRESULT CONNECT_E_ADVISELIMIT = HresultOf(0x80040201);
constexpr HRESULT CONNECT_E_CANNOTCONNECT = HresultOf(0x80040202);
constexpr HRESULT SELFREG_E_CLASS = HresultOf(0x80040201);
