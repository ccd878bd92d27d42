// The lurak program:
//   lurak [DRAWING] [-s SCRIPT] [-o OUTPUT.dxf] [--module PATH]
//         [--host-version TEXT | --no-host-version]
// Exit status: 0 when the input ran to its end, 1 when a save failed,
// 2 when the program could not start.
#pragma once

namespace host::shell {

int runProgram(int argc, char** argv);

} // namespace host::shell
