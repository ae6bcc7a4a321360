// SPDX-License-Identifier: GPL-3.0-or-later
// Shows a keyword grid with an open editor widened by long text, for a look on a real display.
// Usage: keywords_grid_demo [milliseconds to stay open, default 2000]
#include <QApplication>
#include <QTimer>
#include <cstdlib>

#include "GridHarness.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  GridHarness harness;
  GridLayout layout;
  layout.widths = {70, 70, 70, 70, 70};
  layout.rows = 6;
  layout.extentColumns = 5;
  layout.extentRows = 6;
  layout.width = 360;
  layout.height = 150;
  if (!harness.Open(layout)) return 1;
  harness.Click(harness.CellCenter(2, 1));
  harness.Type("A rather long keyword value");
  int milliseconds = argc > 1 ? std::atoi(argv[1]) : 2000;
  // exit, not quit: quit would first ask the dialog to close, and its Cancel is only counted.
  QTimer::singleShot(milliseconds, &app, [] { QCoreApplication::exit(0); });
  return app.exec();
}
