// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The thread's message queue and keyboard state.
#include "platform/ui/WinTypes.h"

// Queues a message for a window; it is dispatched from the event loop in order. FALSE for a window
// that does not exist.
BOOL PostMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
// Calls the window's WindowProc now. 0 for a window that does not exist.
LRESULT SendMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
// Takes (PM_REMOVE) or looks at the oldest queued message for `hwnd` (null: any window) whose number
// lies in [filterMin, filterMax] (0, 0: any); never waits. Messages of other windows stay queued.
BOOL PeekMessage(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT removeFlags);
// For WM_KEYDOWN of a character key, the WM_CHAR follows once the key message is dispatched.
BOOL TranslateMessage(const MSG* msg);
LRESULT DispatchMessage(const MSG* msg);
// Posts WM_QUIT: ends the innermost modal run, then each outer one, then the application loop.
void PostQuitMessage(int exitCode);
// The same number (0xC000 to 0xFFFF) for the same name within a run; 0 for an empty name.
UINT RegisterWindowMessage(const char* name);

// Negative while the key was held, as the input being processed saw it (Shift and Control follow the
// modifiers of the latest key or mouse event).
SHORT GetKeyState(int virtualKey);

BOOL IsWindow(HWND hwnd);
HWND GetFocus();
HWND SetFocus(HWND hwnd);
HWND GetParent(HWND hwnd);
HWND GetDlgItem(HWND dialog, int id);
int GetDlgCtrlID(HWND hwnd);
BOOL IsWindowVisible(HWND hwnd);
BOOL IsWindowEnabled(HWND hwnd);
