// The terminal of Zbk.exe: its arguments taken from the wide command line,
// the commands' output sent to the console the program was started from (or
// to the files and pipes it was given), the page opened with the shell.
// Started without a console and without redirection, a command writes
// nothing and only sets the exit status.
#pragma once

#include <memory>
#include <vector>

#include "ports/terminal.h"

namespace zbk {

std::vector<Argument> Win32Arguments();
std::unique_ptr<Terminal> NewWin32Terminal();

}  // namespace zbk
