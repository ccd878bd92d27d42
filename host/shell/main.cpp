#include "shell/program.h"

int main(int argc, char** argv) { return host::shell::runProgram(argc, argv); }
