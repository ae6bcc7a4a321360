// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A host for tests: answers come from a script set beforehand, and everything shown is recorded.
// Unscripted questions get the cautious answer (IDOK for MB_OK, IDCANCEL for MB_OKCANCEL, IDNO for
// MB_YESNO, cancel for the choosers). Installing it (ScopedHost) makes modal prompts never block.
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/HostServices.h"

class ScriptedHost : public IHostServices {
 public:
  enum class Kind { MessageBox, OpenFile, BrowseFolder, AudioFormat };
  struct Record {
    Kind kind;
    std::string text;     // message text, open-file title, folder title, format chooser title
    std::string caption;  // message box caption
    UINT type = 0;        // MB_ type or flags
    int answer = 0;       // the answer given (IDOK..., 1 chosen / 0 cancelled for the choosers)
  };

  void NextMessageBoxAnswer(int answer);
  void NextOpenFile(std::optional<std::string> path);      // nullopt: cancel
  void NextFolder(std::optional<std::string> folder);
  void NextAudioFormat(std::optional<AudioFormatChoice> choice);

  const std::vector<Record>& Shown() const { return m_shown; }
  std::vector<std::string> MessageTexts() const;
  // Scripted answers not used yet.
  std::size_t PendingAnswers() const;
  void Clear();

  int MessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type) override;
  bool GetOpenFileName(HWND owner, const OpenFileRequest& request, std::string& path) override;
  bool BrowseForFolder(HWND owner, const std::string& title, UINT flags, std::string& folder) override;
  bool ChooseAudioFormat(HWND owner, const AudioFormatRequest& request, AudioFormatChoice& choice) override;

 private:
  std::deque<int> m_answers;
  std::deque<std::optional<std::string>> m_files;
  std::deque<std::optional<std::string>> m_folders;
  std::deque<std::optional<AudioFormatChoice>> m_formats;
  std::vector<Record> m_shown;
};

// Installs a host for the lifetime of the object and restores the previous one.
class ScopedHost {
 public:
  explicit ScopedHost(IHostServices& host) : m_previous(SetHostServices(&host)) {}
  ~ScopedHost() { SetHostServices(m_previous); }
  ScopedHost(const ScopedHost&) = delete;
  ScopedHost& operator=(const ScopedHost&) = delete;

 private:
  IHostServices* m_previous;
};
