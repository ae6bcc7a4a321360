// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ui/Gdi.h"

#include <QFontMetrics>
#include <QApplication>
#include <QImage>
#include <QPalette>
#include <QPixmap>
#include <algorithm>
#include <cctype>

#include "platform/ui/internal/WindowState.h"

std::string MapFontFace(std::string_view face) {
  std::string lower(face);
  std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
  if (lower == "ms sans serif" || lower == "ms shell dlg" || lower == "ms shell dlg 2") return "Liberation Sans";
  return std::string(face);
}

CFont::~CFont() { DeleteObject(); }

BOOL CFont::CreatePointFont(int pointSizeTenths, const char* faceName) {
  DeleteObject();
  QFont font(ui::ToQt(MapFontFace(faceName ? faceName : "MS Sans Serif")));
  font.setPointSizeF(pointSizeTenths / 10.0);
  m_hFont = new HFONT__{font};
  return TRUE;
}

BOOL CFont::CreateFont(int heightPixels, BOOL bold, const char* faceName) {
  DeleteObject();
  QFont font(ui::ToQt(MapFontFace(faceName ? faceName : "MS Sans Serif")));
  font.setPixelSize(std::max(1, heightPixels < 0 ? -heightPixels : heightPixels));
  font.setBold(bold != FALSE);
  m_hFont = new HFONT__{font};
  return TRUE;
}

void CFont::DeleteObject() {
  delete m_hFont;
  m_hFont = nullptr;
}

BOOL CFont::Attach(HFONT font) {
  DeleteObject();
  m_hFont = font;
  return font ? TRUE : FALSE;
}

HFONT CFont::Detach() {
  HFONT font = m_hFont;
  m_hFont = nullptr;
  return font;
}

std::string CFont::FaceName(HFONT font) { return font ? ui::FromQt(font->font.family()) : std::string(); }
int CFont::PointSize(HFONT font) { return font ? font->font.pointSize() : 0; }

HICON LoadIconFromFile(const std::string& path) {
  QPixmap pixmap(QString::fromStdString(path));
  if (pixmap.isNull()) return nullptr;
  return new HICON__{QIcon(pixmap), pixmap.width()};
}

HICON CreateIconFromPixels(int width, int height, const std::uint32_t* argbRows) {
  if (width <= 0 || height <= 0 || !argbRows) return nullptr;
  QImage image(width, height, QImage::Format_ARGB32);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) image.setPixel(x, y, argbRows[static_cast<size_t>(y) * width + x]);
  return new HICON__{QIcon(QPixmap::fromImage(image)), width};
}

void DestroyIcon(HICON icon) { delete icon; }
int GetIconWidth(HICON icon) { return icon ? icon->width : 0; }

CClientDC::CClientDC(CWnd* wnd) : m_wnd(wnd) {}
CClientDC::~CClientDC() = default;

CFont* CClientDC::SelectObject(CFont* font) {
  CFont* previous = m_selected ? m_selected : (m_wnd ? m_wnd->GetFont() : nullptr);
  m_selected = font;
  return previous;
}

CSize CClientDC::GetTextExtent(std::string_view text) const {
  QFont font;
  if (m_selected && m_selected->GetSafeHandle()) font = m_selected->GetSafeHandle()->font;
  else if (m_wnd && ui::IsLive(m_wnd->m_hWnd) && m_wnd->m_hWnd->widget) font = m_wnd->m_hWnd->widget->font();
  QFontMetrics fm(font);
  return CSize(fm.horizontalAdvance(ui::ToQt(std::string(text))), fm.height());
}

BOOL GetTextExtentPoint32(CClientDC* dc, const char* text, int count, SIZE* size) {
  if (!dc || !size || count < 0 || (!text && count > 0)) return FALSE;
  *size = dc->GetTextExtent(std::string_view(text ? text : "", static_cast<size_t>(count)));
  return TRUE;
}

COLORREF GetSysColor(int index) {
  const QPalette palette = QApplication::palette();
  const QColor color = index == COLOR_BTNFACE ? palette.color(QPalette::Button) : palette.color(QPalette::Base);
  return RGB(color.red(), color.green(), color.blue());
}
