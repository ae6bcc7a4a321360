#include "quorvelctl/Program.h"

int main(int argc, char** argv) { return CProgram::Run(std::vector<std::string>(argv + 1, argv + argc)); }
