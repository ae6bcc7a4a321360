// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The object FromHandle hands out for a window nobody attached an object to: the wrapper class of the
// control's kind (CButton for buttons, CEdit for edit fields ...), a plain CWnd for other windows.
// Private to platform/ui; the control classes live beside it, so CWnd need not know them.
#include <memory>

#include "platform/ui/Wnd.h"

namespace ui {

std::unique_ptr<CWnd> MakeWrapper(HWND hwnd);

}  // namespace ui
