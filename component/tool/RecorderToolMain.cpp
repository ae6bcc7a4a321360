#include <iostream>

#include "component/tool/RecorderTool.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return RecorderTool(std::cout, std::cerr).Run(args);
}
