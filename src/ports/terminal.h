// The third seam, used only by the commands of the command line: the
// arguments the program was given, and the terminal it writes to.
#pragma once

#include <string>
#include <string_view>

#include "ports/os.h"

namespace zbk {

// One argument, as the program shows it (Windows-1250) and as the system
// gave it (a folder's NativePath).
struct Argument {
  std::string text;
  NativePath native;
};

// What a command needs of the system besides Files. Texts are
// Windows-1250.
class Terminal {
 public:
  virtual ~Terminal() = default;
  virtual void Out(std::string_view line) = 0;  // standard output, one line
  virtual void Err(std::string_view line) = 0;  // the error stream, one line
  // Makes `folder` the working folder; false when it cannot.
  virtual bool EnterFolder(const NativePath& folder) = 0;
  // The working folder's full path, and that of the file `name` in it.
  virtual std::string FolderShown() = 0;
  std::string PathShown(std::string_view name) {
    std::string path = FolderShown();
    if (path.empty() || path.back() != Separator()) path.push_back(Separator());
    return path.append(name);
  }
  virtual char Separator() const = 0;  // of the folders in a path shown
  virtual std::string Now() = 0;       // "2026-12-08 21:30", local time
  // Opens the file `name` of the working folder in the default browser.
  virtual bool Show(std::string_view name) = 0;
};

}  // namespace zbk
