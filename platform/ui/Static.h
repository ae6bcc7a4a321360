// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// CStatic: static text, sunken frames and icons.
#include "platform/ui/Wnd.h"

class CStatic : public CWnd {
 public:
  HICON SetIcon(HICON icon);  // for icon statics
  HICON GetIcon() const;
};
