// SPDX-License-Identifier: GPL-3.0-or-later
// CWnd's geometry: client and window rectangles, coordinate mapping, moving and centring.
#include <QAbstractScrollArea>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollBar>
#include <algorithm>

#include "platform/ui/WinApp.h"
#include "platform/ui/Wnd.h"
#include "platform/ui/internal/WindowState.h"

void CWnd::GetClientRect(LPRECT rect) const {
  *rect = RECT{};
  if (!ui::IsLive(m_hWnd) || !m_hWnd->widget) return;
  QWidget* w = m_hWnd->widget;
  QSize size = w->size();
  if (auto* area = qobject_cast<QAbstractScrollArea*>(w)) {
    // As on the platform, a scroll bar that is shown is not part of the client area.
    size = area->contentsRect().size();
    if (area->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn || area->verticalScrollBar()->isVisible())
      size.rwidth() -= area->verticalScrollBar()->sizeHint().width();
    if (area->horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOn || area->horizontalScrollBar()->isVisible())
      size.rheight() -= area->horizontalScrollBar()->sizeHint().height();
  }
  *rect = RECT{0, 0, size.width(), size.height()};
}

void CWnd::GetWindowRect(LPRECT rect) const {
  *rect = RECT{};
  if (!ui::IsLive(m_hWnd) || !m_hWnd->widget) return;
  QWidget* w = m_hWnd->widget;
  if (w->isWindow()) *rect = ui::ToRect(w->frameGeometry());
  else *rect = ui::ToRect(QRect(w->mapToGlobal(QPoint(0, 0)), w->size()));
}

void CWnd::ClientToScreen(LPPOINT point) const {
  if (!ui::IsLive(m_hWnd) || !m_hWnd->widget) return;
  QWidget* w = m_hWnd->widget;
  QPoint p = w->mapToGlobal(QPoint(point->x, point->y) + ui::ClientOrigin(w));
  *point = POINT{p.x(), p.y()};
}
void CWnd::ClientToScreen(LPRECT rect) const {
  POINT a{rect->left, rect->top}, b{rect->right, rect->bottom};
  ClientToScreen(&a);
  ClientToScreen(&b);
  *rect = RECT{a.x, a.y, b.x, b.y};
}
void CWnd::ScreenToClient(LPPOINT point) const {
  if (!ui::IsLive(m_hWnd) || !m_hWnd->widget) return;
  QWidget* w = m_hWnd->widget;
  QPoint p = w->mapFromGlobal(QPoint(point->x, point->y)) - ui::ClientOrigin(w);
  *point = POINT{p.x(), p.y()};
}
void CWnd::ScreenToClient(LPRECT rect) const {
  POINT a{rect->left, rect->top}, b{rect->right, rect->bottom};
  ScreenToClient(&a);
  ScreenToClient(&b);
  *rect = RECT{a.x, a.y, b.x, b.y};
}
void CWnd::MapWindowPoints(CWnd* to, LPRECT rect) const {
  ClientToScreen(rect);
  if (to) to->ScreenToClient(rect);
}

void CWnd::MoveWindow(int x, int y, int width, int height, BOOL repaint) {
  if (!ui::IsLive(m_hWnd) || !m_hWnd->widget) return;
  QWidget* w = m_hWnd->widget;
  if (w->isWindow()) {
    w->move(x, y);
    w->resize(width, height);
  } else {
    QPoint origin = w->parentWidget() ? ui::ClientOrigin(w->parentWidget()) : QPoint();
    w->setGeometry(x + origin.x(), y + origin.y(), width, height);
  }
  if (repaint) w->update();
}
void CWnd::MoveWindow(LPCRECT rect, BOOL repaint) {
  MoveWindow(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, repaint);
}

void CWnd::CenterWindow(CWnd* alternateOwner) {
  if (!ui::IsLive(m_hWnd) || !m_hWnd->widget) return;
  QWidget* w = m_hWnd->widget;
  QWidget* owner = alternateOwner && ui::IsLive(alternateOwner->m_hWnd) ? alternateOwner->m_hWnd->widget.data()
                                                                         : w->parentWidget();
  QRect area;
  if (owner && owner->window()->isVisible()) {
    area = owner->window()->frameGeometry();
  } else {
    CWinApp* app = AfxGetApp();
    QWidget* main = app && app->m_pMainWnd && ui::IsLive(app->m_pMainWnd->m_hWnd) ? app->m_pMainWnd->m_hWnd->widget.data()
                                                                                   : nullptr;
    QScreen* screen = main ? main->screen() : QGuiApplication::primaryScreen();
    if (screen) area = screen->availableGeometry();
  }
  if (!w->isWindow()) return;
  QPoint topLeft = area.center() - QPoint(w->width() / 2, w->height() / 2);
  // As the platform does, a window centred over one near the screen's edge is kept on the screen.
  if (QScreen* screen = QGuiApplication::screenAt(area.center()); screen && !area.isEmpty()) {
    const QRect free = screen->availableGeometry();
    topLeft.setX(std::max(free.left(), std::min(topLeft.x(), free.right() + 1 - w->width())));
    topLeft.setY(std::max(free.top(), std::min(topLeft.y(), free.bottom() + 1 - w->height())));
  }
  w->move(topLeft);
}

void CWnd::Invalidate(BOOL) {
  if (ui::IsLive(m_hWnd) && m_hWnd->widget) m_hWnd->widget->update();
}
void CWnd::UpdateWindow() {
  if (ui::IsLive(m_hWnd) && m_hWnd->widget) m_hWnd->widget->repaint();
}
