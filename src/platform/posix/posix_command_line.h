// The command line of the Linux program: its arguments taken as UTF-8, the
// commands' output written in UTF-8, and the commands run through POSIX
// with no window toolkit.
#pragma once

#include "app/command_line.h"

namespace zbk {

CommandLine PosixCommandLine(int argc, char** argv);

// Runs a command other than the window's; gives the exit status.
int RunPosixCommandLine(const CommandLine& command_line, std::string_view program);

}  // namespace zbk
