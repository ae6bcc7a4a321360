// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ui/internal/ShrunkStyle.h"

#include <QApplication>
#include <cmath>

namespace ui {
namespace {

// A mark smaller than this could no longer be told checked from unchecked.
constexpr int kLeastIndicator = 7;

bool IsIndicator(QStyle::PixelMetric metric) {
  switch (metric) {
    case QStyle::PM_IndicatorWidth:
    case QStyle::PM_IndicatorHeight:
    case QStyle::PM_ExclusiveIndicatorWidth:
    case QStyle::PM_ExclusiveIndicatorHeight: return true;
    default: return false;
  }
}

bool IsRoomAroundText(QStyle::PixelMetric metric) {
  switch (metric) {
    case QStyle::PM_CheckBoxLabelSpacing:
    case QStyle::PM_RadioButtonLabelSpacing:
    case QStyle::PM_ButtonMargin: return true;
    default: return false;
  }
}

}  // namespace

// A style of its own kind, not the application's object, which the proxy would otherwise take over.
ShrunkStyle::ShrunkStyle(double ratio) : QProxyStyle(QApplication::style()->name()), m_ratio(ratio) {}

int ShrunkStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const {
  const int full = QProxyStyle::pixelMetric(metric, option, widget);
  const int scaled = static_cast<int>(std::lround(full * m_ratio));
  if (IsIndicator(metric)) return std::min(full, std::max(kLeastIndicator, scaled));
  if (IsRoomAroundText(metric)) return scaled;
  return full;
}

}  // namespace ui
