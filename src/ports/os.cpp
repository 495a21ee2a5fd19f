#include "ports/os.h"

#include <array>

#include "text/literal.h"
#include "text/short_text.h"

namespace zbk {
namespace {

// By FileError::Kind.
constexpr std::array<std::string_view, 4> kFileMessages = {
    "Nie mogę otworzyć pliku "_cp,
    "Błąd odczytu pliku "_cp,
    "Błąd zapisu pliku "_cp,
    "Błąd zamknięcia pliku "_cp,
};

}  // namespace

FileError::FileError(Kind kind, std::string_view name)
    : std::runtime_error("file error"),
      kind_(kind),
      message_(Join(kFileMessages[static_cast<std::size_t>(kind)], name)) {}

}  // namespace zbk
