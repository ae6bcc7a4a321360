// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the commands write: results on stdout, as text lines or one JSON document (--json), and
// errors on stderr in one line that names the result code as the program's windows name it.
#include <nlohmann/json_fwd.hpp>
#include <string>

#include "platform/automation/Types.h"
#include "quorvelctl/cli/ExitCode.h"

class CConsole {
 public:
  explicit CConsole(bool json) : m_json(json) {}

  bool Json() const { return m_json; }
  void Line(const std::string& text) const;
  void Document(const nlohmann::json& document) const;
  // Keeps the keys in the order they were added, as show lists settings.
  void OrderedDocument(const nlohmann::ordered_json& document) const;
  // "quorvelctl: <context>: <code name>"; the exit code the failure calls for.
  ExitCode Failure(const std::string& context, HRESULT code) const;
  // What a command that failed with this code exits with.
  static ExitCode ExitFor(HRESULT code);
  ExitCode Usage(const std::string& message) const;
  void Error(const std::string& message) const;

 private:
  bool m_json;
};
