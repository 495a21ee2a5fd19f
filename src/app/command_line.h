// The program's command line: without a command the window starts; the
// commands run without it and end with an exit status.
//
//   PROGRAM [-C FOLDER] --szukaj WORD [WORD [WORD]]   the window's search
//   PROGRAM --raport [FOLDER] [--pokaz]               the collection report
//   PROGRAM --help                                    the options
//
// Where options may also begin with "/" (Windows), /raport, /pokaz and /?
// are taken too.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ports/os.h"
#include "ports/terminal.h"

namespace zbk {

struct CommandLine {
  enum class Command { kWindow, kHelp, kSearch, kReport, kWrong };
  Command command = Command::kWindow;
  std::optional<NativePath> folder;  // -C FOLDER, --raport FOLDER
  std::string folder_text;           // the same, shown
  std::string query;                 // the words of --szukaj, joined by spaces
  bool show = false;                 // --pokaz
  std::string wrong;                 // why the command line is refused
};

CommandLine ParseCommandLine(const std::vector<Argument>& arguments, bool slash_options);

// Runs a command other than kWindow; gives its exit status: the search 0
// with hits, 1 without, 2 for a refused query, 3 when a catalogue could
// not be read; the report 0, 2 when it was not written, 3 when it was,
// without the catalogues that could not be read; 2 for a wrong command
// line.
int RunCommandLine(const CommandLine& command_line, std::string_view program, Files& files,
                   Terminal& terminal);

}  // namespace zbk
