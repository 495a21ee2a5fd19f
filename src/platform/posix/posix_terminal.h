// The terminal of the Linux program: its arguments taken as UTF-8, the
// commands' output written in UTF-8, the page opened with xdg-open.
#pragma once

#include <memory>
#include <vector>

#include "ports/terminal.h"

namespace zbk {

std::vector<Argument> PosixArguments(int argc, char** argv);
std::unique_ptr<Terminal> NewPosixTerminal();

}  // namespace zbk
