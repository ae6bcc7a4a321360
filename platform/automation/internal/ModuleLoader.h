// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Loaded in-process server modules. A module stays loaded for the rest of the process (objects and
// factories it handed out may outlive any caller's interest), so a path is opened once and cached.
#include <string>

#include "platform/automation/Types.h"

// S_OK and the module handle. CO_E_BAD_PATH for a path that is not absolute; CO_E_UNSAFEMODULE when
// another user could have changed the module (FileTrust.h); CO_E_DLLNOTFOUND when the file is missing
// or does not load.
HRESULT LoadServerModule(const std::string& path, void** module);
// The exported symbol or null.
void* FindModuleExport(void* module, const char* name);
