#include "listtools/list_tools.h"

#include <string>

#include "catalogue/catalogue_line.h"
#include "text/literal.h"
#include "text/short_text.h"

namespace zbk {

std::string_view SizeFieldOf(std::string_view row) {
  return Head(row, kSizeFieldWidth);
}

void SortResults(WindowState& state) {
  state.ShowStatus("No to idę to teraz posortować - bądź cierpliwy"_cp);
  state.w.L.SetSorted(true);
  state.ShowStatus("I już gotowe"_cp);
}

// As in the search, each message is shown before the test it names, and
// each write lets the window process its messages: the rows may change
// between the messages.
void EqualSizeFinder(WindowState& state) {
  ListBox& results = state.w.L;
  state.ShowStatus("Szukam plików tej samej wielkości jak posortujesz"_cp);
  int s = results.Selected();
  if (!results.Sorted()) return;
  state.ShowStatus("To już jest koniec (w sensie początek)"_cp);
  if (s < 0 || s >= results.Count()) s = results.Count() - 1;
  if (s <= 0) return;
  state.ShowStatus("Lecę szukać plików tej samej wielkości"_cp);
  // Rows may change while the messages above are processed: stay inside.
  s = std::min(s, results.Count() - 1);
  if (s < 0) return;
  int i = s - 1;
  std::string below = results.Row(s);
  while (i > 0) {
    std::string row = results.Row(i);
    if (SizeFieldOf(row) == SizeFieldOf(below)) break;
    below = std::move(row);
    --i;
  }
  results.Select(std::max(i, 0));
  state.ShowStatus("Sprawdź, czy są takie same"_cp);
}

}  // namespace zbk
