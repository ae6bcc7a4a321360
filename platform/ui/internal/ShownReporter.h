// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Start-up measurement hook: with QUORVEL_UI_SHOWN_FD=<fd> in the environment, the first window
// exposed on screen writes "shown\n" to that descriptor, closes it and runs the given action (the
// program posts a quit), so a benchmark can time start-up to the first window and then let the program
// end normally. Qt only, so that a benchmark's bare Qt program reports the same way.
#include <QObject>
#include <functional>

namespace ui {

class ShownReporter : public QObject {
 public:
  // Installs a reporter on the application when the environment asks for one; else nothing.
  static void InstallFromEnvironment(std::function<void()> whenShown);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  ShownReporter(int fd, std::function<void()> whenShown);
  int m_fd;
  std::function<void()> m_whenShown;
};

}  // namespace ui
