// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A second process for race tests: a forked child runs rounds against the same recorder as the test
// itself, at least `rounds` of them and then until the test says stop, and reports how many rounds
// saw an update lost and how many failed outright.
#include <cstdio>
#include <functional>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

struct RaceOutcome {
  int rounds = 0;
  int lost = 0;    // a value written before was gone
  int failed = 0;  // the command itself failed
};

enum class Round { Fine, Lost, Failed };

class ChildRacer {
 public:
  ChildRacer(int rounds, const std::function<Round(int)>& round) {
    int stop[2], result[2];
    if (::pipe(stop) != 0 || ::pipe(result) != 0) return;
    m_pid = ::fork();
    if (m_pid == 0) {
      ::close(stop[1]);
      ::close(result[0]);
      RaceOutcome outcome;
      while (outcome.rounds < rounds || !Stopped(stop[0])) {
        Round r = round(outcome.rounds++);
        outcome.lost += r == Round::Lost;
        outcome.failed += r == Round::Failed;
      }
      const std::string text = std::to_string(outcome.rounds) + " " + std::to_string(outcome.lost) + " " +
                               std::to_string(outcome.failed);
      (void)!::write(result[1], text.data(), text.size());
      ::_exit(0);  // no test teardown in the child
    }
    ::close(stop[0]);
    ::close(result[1]);
    m_stop = stop[1];
    m_result = result[0];
  }
  ChildRacer(const ChildRacer&) = delete;
  ChildRacer& operator=(const ChildRacer&) = delete;
  ~ChildRacer() { Wait(); }

  bool Started() const { return m_pid > 0; }
  // The child ends once it has done its rounds.
  void Stop() {
    // A byte rather than closing: a racer forked later holds a copy of this end.
    if (m_stop >= 0) (void)!::write(m_stop, "s", 1);
    if (m_stop >= 0) ::close(m_stop);
    m_stop = -1;
  }
  RaceOutcome Wait() {
    Stop();
    if (m_pid > 0) {
      char text[64] = {};
      size_t got = 0;
      for (ssize_t n; got < sizeof text - 1 && (n = ::read(m_result, text + got, sizeof text - 1 - got)) > 0;)
        got += static_cast<size_t>(n);
      std::sscanf(text, "%d %d %d", &m_outcome.rounds, &m_outcome.lost, &m_outcome.failed);
      ::waitpid(m_pid, nullptr, 0);
      ::close(m_result);
      m_pid = -1;
    }
    return m_outcome;
  }

 private:
  static bool Stopped(int fd) {
    pollfd p{fd, POLLIN, 0};
    return ::poll(&p, 1, 0) > 0;  // readable: the test said stop
  }

  pid_t m_pid = -1;
  int m_stop = -1;
  int m_result = -1;
  RaceOutcome m_outcome;
};
