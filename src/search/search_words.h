// The query: the text of the query field, upper-cased, trimmed and split at
// single spaces into three words. One word fills all three slots, two words
// fill the first and the last two; four or more words are refused.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "text/short_text.h"
#include "window/window_state.h"

namespace zbk {

struct SearchWords {
  ShortText first;
  ShortText second;
  ShortText third;
};

// Upper-cased, cut to 250, leading and trailing spaces removed, runs of
// spaces reduced to one.
std::string NormaliseQuery(std::string_view text);

// Splits a normalised, non-empty query. The third word holds the rest of the
// query, spaces included, when it has four words or more.
SearchWords SplitQuery(std::string_view query);

// The words of a query as typed, or the message that refuses it: "Nie
// wpisałeś czego szukasz" (no word), "Tylko 3 słowa" (four or more).
struct QueryWords {
  std::optional<SearchWords> words;
  std::string_view refusal;  // Windows-1250, when there are no words
};
QueryWords WordsOfQuery(std::string_view text);

// Reads the query field and either gives the three words or, after a status
// message saying why, nothing.
std::optional<SearchWords> ReadSearchWords(WindowState& state);

}  // namespace zbk
