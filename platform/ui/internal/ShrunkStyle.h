// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The style of a dialog drawn smaller to fit its screen: check marks, radio circles and the room beside
// and around them shrink with its font, so the captions beside them keep the room their template gives.
// Private to platform/ui.
#include <QProxyStyle>

namespace ui {

class ShrunkStyle : public QProxyStyle {
 public:
  // `ratio` is the dialog's size against its template's, below 1.
  explicit ShrunkStyle(double ratio);

  int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override;

 private:
  double m_ratio;
};

}  // namespace ui
