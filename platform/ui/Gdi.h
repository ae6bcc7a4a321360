// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fonts, icons and a measuring device context.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/ui/Geometry.h"

class CWnd;

// Maps the platform's dialog font faces onto installed ones ("MS Sans Serif" and "MS Shell Dlg" are
// drawn with "Liberation Sans"); other faces pass unchanged.
std::string MapFontFace(std::string_view face);

// A font object owning its HFONT. CreatePointFont takes tenths of a point, like the platform.
class CFont {
 public:
  CFont() = default;
  ~CFont();
  CFont(const CFont&) = delete;
  CFont& operator=(const CFont&) = delete;

  BOOL CreatePointFont(int pointSizeTenths, const char* faceName);
  BOOL CreateFont(int heightPixels, BOOL bold, const char* faceName);
  void DeleteObject();
  // Takes ownership of a handle / gives it up.
  BOOL Attach(HFONT font);
  HFONT Detach();
  HFONT GetSafeHandle() const { return m_hFont; }
  operator HFONT() const { return m_hFont; }
  // Face and size of any font handle (an empty face for null).
  static std::string FaceName(HFONT font);
  static int PointSize(HFONT font);

 private:
  HFONT m_hFont = nullptr;
};

// The system's colours, from the application's palette.
constexpr int COLOR_WINDOW = 5;
constexpr int COLOR_BTNFACE = 15;
COLORREF GetSysColor(int index);

// Icons: made from a PNG (or other image) file, or from 32-bit ARGB pixel rows drawn by the program.
HICON LoadIconFromFile(const std::string& path);
HICON CreateIconFromPixels(int width, int height, const std::uint32_t* argbRows);
void DestroyIcon(HICON icon);
int GetIconWidth(HICON icon);

// Measures text with a selected font, as a client-area device context does.
class CClientDC {
 public:
  explicit CClientDC(CWnd* wnd);
  ~CClientDC();
  CClientDC(const CClientDC&) = delete;
  CClientDC& operator=(const CClientDC&) = delete;

  // Returns the previously selected font (the window's own font object while none was selected).
  CFont* SelectObject(CFont* font);
  CSize GetTextExtent(std::string_view text) const;

 private:
  CWnd* m_wnd;
  CFont* m_selected = nullptr;
};

// The platform call the keyword grid's editor uses: the extent of `count` bytes of ANSI text.
BOOL GetTextExtentPoint32(CClientDC* dc, const char* text, int count, SIZE* size);
