#include "platform/os.h"

#include "text/literal.h"
#include "text/short_text.h"

namespace zbk {
namespace {

std::string FileMessage(FileError::Kind kind, std::string_view name) {
  std::string_view what;
  switch (kind) {
    case FileError::Kind::kOpen:
      what = "Nie mogę otworzyć pliku "_cp;
      break;
    case FileError::Kind::kRead:
      what = "Błąd odczytu pliku "_cp;
      break;
    case FileError::Kind::kWrite:
      what = "Błąd zapisu pliku "_cp;
      break;
    case FileError::Kind::kClose:
      what = "Błąd zamknięcia pliku "_cp;
      break;
  }
  return Join(what, name);
}

}  // namespace

FileError::FileError(Kind kind, std::string_view name)
    : std::runtime_error("file error"), kind_(kind), message_(FileMessage(kind, name)) {}

}  // namespace zbk
