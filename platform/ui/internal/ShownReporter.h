#pragma once
// Start-up measurement hook of the platform layer: with QUORVEL_UI_SHOWN_FD=<fd> in the environment,
// the first window exposed on screen writes "shown\n" to that descriptor, closes it and posts a quit,
// so a benchmark can time start-up to the first window and then let the program end normally.
#include <QObject>

namespace ui {

class ShownReporter : public QObject {
 public:
  // Installs a reporter on the application when the environment asks for one; else nothing.
  static void InstallFromEnvironment();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  explicit ShownReporter(int fd);
  int m_fd;
};

}  // namespace ui
