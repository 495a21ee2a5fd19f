// The window's words, each written here once: the captions of the action
// button, which name the command it runs, the stop button's caption, the
// query field's prompt, the status line's first text, the speed buttons'
// tooltips and the names a screen reader says for the controls (the
// buttons Yes and Esc are named by their captions). Windows-1250.
#pragma once

#include <string_view>

#include "text/literal.h"

namespace zbk {

// The commands of the action button Yes.
enum class Command { kCatalogue, kSearch, kChangeQuery };

constexpr std::string_view CommandCaption(Command command) {
  switch (command) {
    case Command::kCatalogue:
      return "Analizuj"_cp;
    case Command::kSearch:
      return "Szukaj"_cp;
    case Command::kChangeQuery:
      break;
  }
  return "Zmień"_cp;
}

inline constexpr Command kFirstCommand = Command::kCatalogue;
inline constexpr std::string_view kStopCaption = "Wyjdź"_cp;
inline constexpr std::string_view kQueryPrompt = " Wpisz, czego szukasz i naciśnij [Enter]."_cp;
inline constexpr std::string_view kFirstStatus = " Pa";
inline constexpr std::string_view kSortHint = " Sortuj listę "_cp;
inline constexpr std::string_view kEqualSizeHint = " Porównaj wielkość "_cp;

inline constexpr std::string_view kDriveListName = "Lista dysków"_cp;
inline constexpr std::string_view kResultListName = "Lista wyników"_cp;
inline constexpr std::string_view kQueryFieldName = "Szukane słowa"_cp;
inline constexpr std::string_view kSortName = "Sortuj listę"_cp;
inline constexpr std::string_view kEqualSizeName = "Porównaj wielkość"_cp;
inline constexpr std::string_view kStatusLineName = "Pasek stanu"_cp;

}  // namespace zbk
