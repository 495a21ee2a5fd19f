#include "search/search_words.h"

#include "text/literal.h"
#include "text/upper.h"

namespace zbk {

std::string NormaliseQuery(std::string_view text) {
  const std::string upper = Upper(Head(text, kShortTextCapacity));
  std::string out;
  out.reserve(upper.size());
  for (const char c : upper) {
    if (c == ' ' && (out.empty() || out.back() == ' ')) continue;
    out.push_back(c);
  }
  if (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

SearchWords SplitQuery(std::string_view query) {
  const auto space = query.find(' ');
  if (space == std::string_view::npos) return {query, query, query};
  const std::string_view first = query.substr(0, space);
  const std::string_view rest = query.substr(space + 1);
  const auto next = rest.find(' ');
  if (next == std::string_view::npos) return {first, rest, rest};
  return {first, rest.substr(0, next), rest.substr(next + 1)};
}

std::optional<SearchWords> ReadSearchWords(WindowState& state) {
  const std::string query = NormaliseQuery(state.w.E.Text());
  state.ShowStatus("Nie wpisałeś czego szukasz"_cp);
  if (query.empty()) return std::nullopt;
  SearchWords words = SplitQuery(query);
  state.ShowStatus("Tylko 3 słowa"_cp);
  if (words.third.view().find(' ') != std::string_view::npos) return std::nullopt;
  return words;
}

}  // namespace zbk
