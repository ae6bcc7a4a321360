// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/automation/TypeLib.h"

#include <optional>

#include "platform/automation/ClassRegistry.h"
#include "platform/automation/internal/RegistryFile.h"
#include "platform/automation/internal/TypeLibObject.h"
#include "platform/automation/internal/TypeLibText.h"

namespace {

constexpr std::size_t kTypeLibLimit = 4 * 1024 * 1024;

std::string TypeLibPath(REFGUID libid, WORD major, WORD minor) {
  return RegistryFolder() + "/typelibs/" + GuidToString(libid) + "-" + std::to_string(major) + "." +
         std::to_string(minor);
}

}  // namespace

HRESULT RegisterTypeLib(const TypeLibDescription& description) {
  std::optional<std::string> text = TypeLibToText(description);
  if (!text) return E_INVALIDARG;
  std::string path = TypeLibPath(description.libid, description.major, description.minor);
  return WriteRegistryFile(path, *text) ? S_OK : REGDB_E_WRITEREGDB;
}

HRESULT LoadRegTypeLib(REFGUID libid, WORD major, WORD minor, LCID lcid, ITypeLib** lib) {
  if (!lib) return E_POINTER;
  *lib = nullptr;
  std::optional<std::string> text = ReadRegistryFile(TypeLibPath(libid, major, minor), kTypeLibLimit);
  if (!text) return TYPE_E_LIBNOTREGISTERED;
  std::optional<TypeLibDescription> description = TypeLibFromText(*text);
  // A file that names another library or version is as good as none.
  if (!description || description->libid != libid || description->major != major || description->minor != minor)
    return TYPE_E_LIBNOTREGISTERED;
  ComPtr<TypeLibObject> object = MakeComObject<TypeLibObject>(std::move(*description));
  if (!object) return E_OUTOFMEMORY;
  *lib = object.Detach();
  return S_OK;
}

HRESULT UnRegisterTypeLib(REFGUID libid, WORD major, WORD minor, LCID lcid) {
  switch (RemoveRegistryFile(TypeLibPath(libid, major, minor))) {
    case 0: return S_OK;
    case 1: return TYPE_E_LIBNOTREGISTERED;
    default: return REGDB_E_WRITEREGDB;
  }
}
