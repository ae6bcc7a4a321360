// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// CPoint, CSize and CRect: the platform's value helpers around POINT, SIZE and RECT.
#include "platform/ui/WinTypes.h"

class CPoint : public POINT {
 public:
  CPoint() = default;
  CPoint(LONG x_, LONG y_) { x = x_; y = y_; }
  CPoint(const POINT& p) : POINT(p) {}
  bool operator==(const CPoint& o) const { return x == o.x && y == o.y; }
};

class CSize : public SIZE {
 public:
  CSize() = default;
  CSize(LONG cx_, LONG cy_) { cx = cx_; cy = cy_; }
  CSize(const SIZE& s) : SIZE(s) {}
  bool operator==(const CSize& o) const { return cx == o.cx && cy == o.cy; }
};

class CRect : public RECT {
 public:
  CRect() = default;
  CRect(LONG l, LONG t, LONG r, LONG b) { left = l; top = t; right = r; bottom = b; }
  CRect(const RECT& r) : RECT(r) {}
  LONG Width() const { return right - left; }
  LONG Height() const { return bottom - top; }
  CSize Size() const { return CSize(Width(), Height()); }
  CPoint TopLeft() const { return CPoint(left, top); }
  CPoint BottomRight() const { return CPoint(right, bottom); }
  bool IsRectEmpty() const { return right <= left || bottom <= top; }
  // Inclusive of left and top, exclusive of right and bottom, as the platform's PtInRect.
  bool PtInRect(POINT p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
  void OffsetRect(LONG dx, LONG dy) { left += dx; right += dx; top += dy; bottom += dy; }
  bool operator==(const CRect& o) const {
    return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
  }
  operator LPRECT() { return this; }
  operator LPCRECT() const { return this; }
};

inline BOOL PtInRect(const RECT* r, POINT p) { return CRect(*r).PtInRect(p) ? TRUE : FALSE; }
