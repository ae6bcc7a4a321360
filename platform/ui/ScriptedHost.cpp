// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ui/ScriptedHost.h"

namespace {

int CautiousAnswer(UINT type) {
  switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL: return IDCANCEL;
    case MB_YESNO: return IDNO;
    case MB_YESNOCANCEL: return IDCANCEL;
    default: return IDOK;
  }
}

template <class T>
std::optional<T> TakeNext(std::deque<std::optional<T>>& queue) {
  if (queue.empty()) return std::nullopt;
  std::optional<T> next = std::move(queue.front());
  queue.pop_front();
  return next;
}

}  // namespace

void ScriptedHost::NextMessageBoxAnswer(int answer) { m_answers.push_back(answer); }
void ScriptedHost::NextOpenFile(std::optional<std::string> path) { m_files.push_back(std::move(path)); }
void ScriptedHost::NextFolder(std::optional<std::string> folder) { m_folders.push_back(std::move(folder)); }
void ScriptedHost::NextAudioFormat(std::optional<AudioFormatChoice> choice) {
  m_formats.push_back(std::move(choice));
}

std::vector<std::string> ScriptedHost::MessageTexts() const {
  std::vector<std::string> texts;
  for (const Record& r : m_shown)
    if (r.kind == Kind::MessageBox) texts.push_back(r.text);
  return texts;
}

std::size_t ScriptedHost::PendingAnswers() const {
  return m_answers.size() + m_files.size() + m_folders.size() + m_formats.size();
}

void ScriptedHost::Clear() {
  m_answers.clear();
  m_files.clear();
  m_folders.clear();
  m_formats.clear();
  m_shown.clear();
}

int ScriptedHost::MessageBox(HWND, const std::string& text, const std::string& caption, UINT type) {
  int answer = CautiousAnswer(type);
  if (!m_answers.empty()) {
    answer = m_answers.front();
    m_answers.pop_front();
  }
  m_shown.push_back({Kind::MessageBox, text, caption, type, answer});
  return answer;
}

bool ScriptedHost::GetOpenFileName(HWND, const OpenFileRequest& request, std::string& path) {
  std::optional<std::string> next = TakeNext(m_files);
  m_shown.push_back({Kind::OpenFile, request.title, request.filter, 0, next ? 1 : 0});
  if (!next) return false;
  path = *next;
  return true;
}

bool ScriptedHost::BrowseForFolder(HWND, const std::string& title, UINT flags, std::string& folder) {
  std::optional<std::string> next = TakeNext(m_folders);
  m_shown.push_back({Kind::BrowseFolder, title, "", flags, next ? 1 : 0});
  if (!next) return false;
  folder = *next;
  return true;
}

bool ScriptedHost::ChooseAudioFormat(HWND, const AudioFormatRequest& request, AudioFormatChoice& choice) {
  std::optional<AudioFormatChoice> next = TakeNext(m_formats);
  m_shown.push_back({Kind::AudioFormat, request.title, request.initialName, request.style, next ? 1 : 0});
  if (!next) return false;
  choice = *next;
  return true;
}
