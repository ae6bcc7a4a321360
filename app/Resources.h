// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's resource ids, its string table and its icon.
#include <string>

#include "platform/ui/WinTypes.h"

inline constexpr UINT IDS_ABOUTBOX = 101;
inline constexpr UINT IDR_REGISTRY_SCRIPT = 103;  // named by the registration run; the program has none
inline constexpr UINT IDR_MAINFRAME = 128;
// The About item appended to the main window's system menu.
inline constexpr UINT IDM_ABOUTBOX = 0x0010;

// The string table entry, or empty text when the table has no such entry.
std::string LoadResourceString(UINT id);
// The icon of the given group icon resource (only IDR_MAINFRAME exists), or null. The caller
// destroys it with DestroyIcon.
HICON LoadResourceIcon(UINT id);
