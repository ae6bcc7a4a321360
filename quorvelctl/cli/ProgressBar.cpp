// SPDX-License-Identifier: GPL-3.0-or-later
#include "quorvelctl/cli/ProgressBar.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>

namespace {

constexpr size_t kBarCells = 20;
constexpr size_t kDefaultWidth = 80;

size_t TerminalWidth() {
  winsize size{};
  if (::ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0) return size.ws_col;
  return kDefaultWidth;
}

}  // namespace

CProgressBar::CProgressBar() : m_shown(::isatty(STDERR_FILENO) == 1) {}

void CProgressBar::Show(const std::string& text, LONG percent) {
  percent = std::clamp<LONG>(percent, 0, 100);
  if (!m_shown || (percent == m_percent && text == m_text)) return;
  m_percent = percent;
  m_text = text;
  // The last column stays free: writing there makes some terminals wrap at once.
  const std::string line = Line(text, percent, TerminalWidth() - 1);
  std::fprintf(stderr, "\r%s\x1b[K", line.c_str());
  std::fflush(stderr);
  m_drawn = true;
}

void CProgressBar::Finish() {
  if (!m_drawn) return;
  std::fputc('\n', stderr);
  std::fflush(stderr);
  m_drawn = false;
  m_percent = -1;
}

void CProgressBar::Clear() {
  if (!m_drawn) return;
  std::fputs("\r\x1b[K", stderr);
  std::fflush(stderr);
  m_drawn = false;
  m_percent = -1;
}

std::string CProgressBar::Line(const std::string& text, LONG percent, size_t width) {
  percent = std::clamp<LONG>(percent, 0, 100);
  const size_t filled = static_cast<size_t>(percent) * kBarCells / 100;
  char number[16];  // room for any long, whatever the compiler proves of the clamp
  std::snprintf(number, sizeof number, "%3ld%%", static_cast<long>(percent));
  std::string line = "[" + std::string(filled, '#') + std::string(kBarCells - filled, '.') + "] " + number;
  if (line.size() + 1 < width) {
    std::string shown = text;
    const size_t room = width - line.size() - 1;
    // The path's end names the file; its start is what gets cut.
    if (shown.size() > room) {
      size_t start = shown.size() - std::min(shown.size(), room > 3 ? room - 3 : shown.size());
      while (start < shown.size() && (static_cast<unsigned char>(shown[start]) & 0xC0) == 0x80) ++start;
      shown = room > 3 ? "..." + shown.substr(start) : "";
    }
    if (!shown.empty()) line += " " + shown;
  }
  return line;
}
