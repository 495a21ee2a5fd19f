// The command line of Zbk.exe: its arguments taken from the wide command
// line, the commands' output sent to the console the program was started
// from (or to the files and pipes it was given), the page opened with the
// shell. Started without a console and without redirection, a command
// writes nothing and only sets the exit status.
#pragma once

#include "app/command_line.h"

namespace zbk {

CommandLine Win32CommandLine();

// Runs a command other than the window's; gives the exit status.
int RunWin32CommandLine(const CommandLine& command_line, std::string_view program);

}  // namespace zbk
