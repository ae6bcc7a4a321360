#include <csignal>

#include "quorvelctl/Program.h"

int main(int argc, char** argv) {
  // A file-size limit would kill the program in the middle of a task, leaving its temporary file;
  // ignored, the write fails and the task cleans up and reports it.
  std::signal(SIGXFSZ, SIG_IGN);
  return CProgram::Run(std::vector<std::string>(argv + 1, argv + argc));
}
