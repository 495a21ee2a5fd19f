#include "search/search_words.h"

#include <utility>

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

namespace {

constexpr std::string_view kNoWord = "Nie wpisałeś czego szukasz"_cp;
constexpr std::string_view kTooManyWords = "Tylko 3 słowa"_cp;

bool TooManyWords(const SearchWords& words) {
  return words.third.view().find(' ') != std::string_view::npos;
}

}  // namespace

QueryWords WordsOfQuery(std::string_view text) {
  const std::string query = NormaliseQuery(text);
  if (query.empty()) return {std::nullopt, kNoWord};
  SearchWords words = SplitQuery(query);
  if (TooManyWords(words)) return {std::nullopt, kTooManyWords};
  return {std::move(words), {}};
}

// Each message is shown before its test, not only when the test fails:
// every status write lets the window process its messages, and the window
// has always done it in this order (the next message, or the search's own,
// replaces one whose test passed).
std::optional<SearchWords> ReadSearchWords(WindowState& state) {
  const std::string query = NormaliseQuery(state.w.E.Text());
  state.ShowStatus(kNoWord);
  if (query.empty()) return std::nullopt;
  SearchWords words = SplitQuery(query);
  state.ShowStatus(kTooManyWords);
  if (TooManyWords(words)) return std::nullopt;
  return words;
}

}  // namespace zbk
