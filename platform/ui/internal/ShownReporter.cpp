// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ui/internal/ShownReporter.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWindow>
#include <unistd.h>

#include <cstdlib>
#include <utility>

namespace ui {
namespace {

int ShownFdFromEnvironment() {
  const char* text = std::getenv("QUORVEL_UI_SHOWN_FD");
  if (!text || !*text) return -1;
  char* end = nullptr;
  const long fd = std::strtol(text, &end, 10);
  return *end == '\0' && fd >= 0 && fd <= 65535 ? static_cast<int>(fd) : -1;
}

}  // namespace

void ShownReporter::InstallFromEnvironment(std::function<void()> whenShown) {
  const int fd = ShownFdFromEnvironment();
  if (fd < 0 || !QCoreApplication::instance()) return;
  QCoreApplication::instance()->installEventFilter(new ShownReporter(fd, std::move(whenShown)));
}

ShownReporter::ShownReporter(int fd, std::function<void()> whenShown)
    : QObject(QCoreApplication::instance()), m_fd(fd), m_whenShown(std::move(whenShown)) {}

bool ShownReporter::eventFilter(QObject* watched, QEvent* event) {
  auto* window = qobject_cast<QWindow*>(watched);
  if (m_fd >= 0 && event->type() == QEvent::Expose && window && window->isExposed()) {
    const char line[] = "shown\n";
    (void)!write(m_fd, line, sizeof line - 1);
    close(m_fd);
    m_fd = -1;
    if (m_whenShown) m_whenShown();
  }
  return false;
}

}  // namespace ui
