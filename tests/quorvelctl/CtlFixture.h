// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// quorvelctl as a process over the real DPMCtrl module, registered in a registry of the test's own,
// and over simulated recorders in a folder of the test's own that the recorder tool drives.
#include <gtest/gtest.h>
#include <signal.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/RealModule.h"

extern char** environ;

struct CtlRun {
  int exit = -1;
  std::string out;
  std::string err;
};

class CtlTest : public ::testing::Test, protected RealModule {
 protected:
  void SetUp() override { ASSERT_EQ(RegisterModule(), S_OK) << "registering the module failed"; }

  // quorvelctl with these arguments (shell words), to its end; `limits` are shell commands run first
  // (ulimit -f 8; ...).
  CtlRun Ctl(const std::string& arguments, const std::string& limits = "") {
    const std::string out = Path("ctl.out"), err = Path("ctl.err");
    const std::string command = limits + std::string(QUORVELCTL_PROGRAM) + " " + arguments;
    const int status = std::system((command + " >" + out + " 2>" + err).c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadText(out), ReadText(err)};
  }

  // What the tool shows of a recorder, without the clock (which runs) and the card.
  std::string ToolShow(const std::string& name) {
    EXPECT_EQ(Tool("show " + name), 0) << m_toolOutput;
    std::istringstream in(m_toolOutput);
    std::string kept;
    for (std::string line; std::getline(in, line);) {
      if (line.rfind("clock:", 0) != 0) kept += line + "\n";
    }
    return kept;
  }

  static nlohmann::json Parsed(const std::string& text) {
    nlohmann::json json = nlohmann::json::parse(text, nullptr, false);
    EXPECT_FALSE(json.is_discarded()) << "not JSON: " << text;
    return json;
  }

  // Starts quorvelctl in the background with its output in files; its process id.
  pid_t Spawn(const std::vector<std::string>& arguments) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, Path("spawn.out").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, Path("spawn.err").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    std::vector<char*> argv{const_cast<char*>(QUORVELCTL_PROGRAM)};
    for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid = -1;
    const int spawned = posix_spawn(&pid, QUORVELCTL_PROGRAM, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    return spawned == 0 ? pid : -1;
  }

  // Waits (generously; no timing is asserted) until the background output holds `count` lines.
  bool WaitForLines(size_t count) {
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(15);
    while (std::chrono::steady_clock::now() < giveUp) {
      if (Lines(ReadText(Path("spawn.out"))).size() >= count) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
  }

  static std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }
};
