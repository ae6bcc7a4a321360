// SPDX-License-Identifier: GPL-3.0-or-later
#include "quorvelctl/cli/CommandLine.h"

#include <charconv>

namespace {

bool ParseLong(const std::string& text, LONG* out) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), *out);
  return error == std::errc() && end == text.data() + text.size() && !text.empty();
}

struct Flag {
  const char* name;
  CommandOption option;
};
constexpr Flag kFlags[] = {{"--all", kOptAll},   {"--dry-run", kOptDryRun},  {"--json", kOptJson},
                           {"--yes", kOptYes},   {"-r", kOptRecursive},      {"--recursive", kOptRecursive}};

}  // namespace

bool CCommandLine::Parse(const std::vector<std::string>& words, CommandLine* out, std::string* error) {
  CommandLine line;
  bool optionsEnded = false;
  for (size_t i = 0; i < words.size(); ++i) {
    const std::string& word = words[i];
    auto value = [&](const char* what) -> const std::string* {
      if (i + 1 >= words.size()) {
        *error = word + " needs " + what;
        return nullptr;
      }
      return &words[++i];
    };
    if (optionsEnded || word.size() < 2 || word[0] != '-') {
      (line.command.empty() ? line.command : line.arguments.emplace_back()) = word;
      continue;
    }
    if (word == "--") {
      optionsEnded = true;
    } else if (word == "-h" || word == "--help") {
      line.help = true;
    } else if (word == "-d" || word == "--device" || word == "-j" || word == "--jobs") {
      const bool device = word == "-d" || word == "--device";
      const std::string* number = value(device ? "a recorder number" : "a number of conversions");
      if (!number) return false;
      LONG* out = device ? &line.device : &line.jobs;
      if (!ParseLong(*number, out) || *out < (device ? 0 : 1)) {
        *error = "not a valid number for " + word + ": " + *number;
        return false;
      }
      line.given |= device ? kOptDevice : kOptJobs;
    } else if (word == "--format") {
      const std::string* name = value("a format");
      if (!name) return false;
      line.format = *name;
      line.given |= kOptFormat;
    } else if (word == "--apply") {
      const std::string* file = value("a settings file");
      if (!file) return false;
      line.applyFile = *file;
      line.given |= kOptApply;
    } else {
      bool known = false;
      for (const Flag& flag : kFlags) {
        if (word == flag.name) {
          line.given |= flag.option;
          known = true;
        }
      }
      if (!known) {
        *error = "unknown option " + word;
        return false;
      }
    }
  }
  *out = std::move(line);
  return true;
}

const char* CCommandLine::OptionName(CommandOption option) {
  switch (option) {
    case kOptDevice: return "-d";
    case kOptAll: return "--all";
    case kOptDryRun: return "--dry-run";
    case kOptJson: return "--json";
    case kOptYes: return "--yes";
    case kOptApply: return "--apply";
    case kOptFormat: return "--format";
    case kOptRecursive: return "-r";
    case kOptJobs: return "-j";
  }
  return "?";
}
