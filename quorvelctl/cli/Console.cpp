// SPDX-License-Identifier: GPL-3.0-or-later
#include "quorvelctl/cli/Console.h"

#include <cstdio>
#include <nlohmann/json.hpp>

#include "device/DpmResults.h"
#include "quorvelctl/cli/ResultText.h"

void CConsole::Line(const std::string& text) const {
  std::fputs(text.c_str(), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

void CConsole::Document(const nlohmann::json& document) const {
  // Texts from outside may hold bytes that are not UTF-8; they are replaced rather than abandoning the output.
  Line(document.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace));
}

void CConsole::OrderedDocument(const nlohmann::ordered_json& document) const {
  Line(document.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace));
}

ExitCode CConsole::Failure(const std::string& context, HRESULT code) const {
  Error(context + ": " + CResultText::Of(code));
  return ExitFor(code);
}

ExitCode CConsole::ExitFor(HRESULT code) {
  if (SUCCEEDED(code)) return kExitDone;
  return code == dpmCtrlNoDeviceConnected ? kExitNoDevice : kExitDifference;
}

ExitCode CConsole::Usage(const std::string& message) const {
  Error(message + " (see quorvelctl --help)");
  return kExitUsage;
}

void CConsole::Error(const std::string& message) const {
  std::string line = "quorvelctl: " + message;
  for (char& c : line) {
    if (c == '\n' || c == '\r') c = ' ';
  }
  std::fprintf(stderr, "%s\n", line.c_str());
}
