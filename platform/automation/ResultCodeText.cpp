// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/automation/ResultCodeText.h"

#include <array>

namespace {

// Every failure code Types.h defines, once (SELFREG_E_CLASS shares CONNECT_E_ADVISELIMIT's value).
constexpr std::array<ResultCodeText, 35> kTexts{{
    {E_NOTIMPL, "E_NOTIMPL", "not implemented"},
    {E_NOINTERFACE, "E_NOINTERFACE", "no such interface"},
    {E_POINTER, "E_POINTER", "null pointer"},
    {E_ABORT, "E_ABORT", "operation aborted"},
    {E_FAIL, "E_FAIL", "unspecified failure"},
    {E_UNEXPECTED, "E_UNEXPECTED", "unexpected failure"},
    {E_ACCESSDENIED, "E_ACCESSDENIED", "access denied"},
    {E_HANDLE, "E_HANDLE", "invalid handle"},
    {E_OUTOFMEMORY, "E_OUTOFMEMORY", "out of memory"},
    {E_INVALIDARG, "E_INVALIDARG", "invalid argument"},
    {CLASS_E_NOAGGREGATION, "CLASS_E_NOAGGREGATION", "the class cannot be aggregated"},
    {CLASS_E_CLASSNOTAVAILABLE, "CLASS_E_CLASSNOTAVAILABLE", "the module does not serve the class"},
    {REGDB_E_CLASSNOTREG, "REGDB_E_CLASSNOTREG", "class not registered"},
    {REGDB_E_WRITEREGDB, "REGDB_E_WRITEREGDB", "the registry could not be written"},
    {CO_E_NOTINITIALIZED, "CO_E_NOTINITIALIZED", "no apartment on this thread"},
    {CO_E_DLLNOTFOUND, "CO_E_DLLNOTFOUND", "the registered module is missing"},
    {CO_E_ERRORINDLL, "CO_E_ERRORINDLL", "the registered module could not be loaded"},
    {CO_E_BAD_PATH, "CO_E_BAD_PATH", "the registered module path is not valid"},
    {REGDB_E_UNSAFEENTRY, "REGDB_E_UNSAFEENTRY", "registry entry refused: others could change it"},
    {CO_E_UNSAFEMODULE, "CO_E_UNSAFEMODULE", "module refused: others could change it"},
    {RPC_E_CHANGED_MODE, "RPC_E_CHANGED_MODE", "the thread's apartment has another mode"},
    {RPC_E_WRONG_THREAD, "RPC_E_WRONG_THREAD", "called from another thread than the object's"},
    {RPC_E_DISCONNECTED, "RPC_E_DISCONNECTED", "the object is disconnected"},
    {TYPE_E_LIBNOTREGISTERED, "TYPE_E_LIBNOTREGISTERED", "type library not registered"},
    {TYPE_E_ELEMENTNOTFOUND, "TYPE_E_ELEMENTNOTFOUND", "no such element in the type library"},
    {TYPE_E_INVALIDSTATE, "TYPE_E_INVALIDSTATE", "the type library is damaged"},
    {DISP_E_MEMBERNOTFOUND, "DISP_E_MEMBERNOTFOUND", "no such member"},
    {DISP_E_TYPEMISMATCH, "DISP_E_TYPEMISMATCH", "type mismatch"},
    {DISP_E_BADPARAMCOUNT, "DISP_E_BADPARAMCOUNT", "wrong number of parameters"},
    {DISP_E_BADVARTYPE, "DISP_E_BADVARTYPE", "unsupported variant type"},
    {DISP_E_ARRAYISLOCKED, "DISP_E_ARRAYISLOCKED", "the array is locked"},
    {DISP_E_BADINDEX, "DISP_E_BADINDEX", "index out of range"},
    {CONNECT_E_NOCONNECTION, "CONNECT_E_NOCONNECTION", "no such connection"},
    {CONNECT_E_ADVISELIMIT, "CONNECT_E_ADVISELIMIT", "too many connections"},
    {CONNECT_E_CANNOTCONNECT, "CONNECT_E_CANNOTCONNECT", "the connection was refused"},
}};

}  // namespace

const ResultCodeText* FindResultCodeText(HRESULT code) {
  for (const ResultCodeText& text : kTexts) {
    if (text.code == code) return &text;
  }
  return nullptr;
}
