// The query on arbitrary bytes: NormaliseQuery and SplitQuery against the
// rules written out word by word, and the whole query step of a search
// (which message ends it, and that nothing else changes) through the real
// window with no catalogue files.
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_input.h"
#include "search/search_words.h"
#include "support/memory_files.h"
#include "support/window_rig.h"
#include "text/literal.h"

namespace zbk::fuzz {
namespace {

// The words of a text separated by spaces, upper-cased (a to z only), after
// the cut to 250 characters.
std::vector<std::string> Words(std::string_view text) {
  std::vector<std::string> words;
  std::string word;
  for (char c : text.substr(0, 250)) {
    if (c == ' ') {
      if (!word.empty()) words.push_back(word);
      word.clear();
      continue;
    }
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    word.push_back(c);
  }
  if (!word.empty()) words.push_back(word);
  return words;
}

void CheckNormalised(std::string_view text, const std::vector<std::string>& words) {
  const std::string query = NormaliseQuery(text);
  std::string joined;
  for (const auto& word : words) joined += (joined.empty() ? "" : " ") + word;
  Check(query == joined, "the normalised query is its words, one space apart");
  if (query.empty()) return;

  const SearchWords split = SplitQuery(query);
  const std::string_view first = split.first;
  const std::string_view second = split.second;
  const std::string_view third = split.third;
  Check(!first.empty() && !second.empty() && !third.empty(), "the three words are not empty");
  Check(first.find(' ') == std::string_view::npos, "no space in the first word");
  Check(second.find(' ') == std::string_view::npos, "no space in the second word");
  for (const char c : Join(first, second, third)) {
    Check(c < 'a' || c > 'z', "the words are upper-cased");
  }
  Check(first == words[0], "the first word");
  Check(second == words[words.size() > 1 ? 1 : 0], "the second word");
  if (words.size() <= 3) {
    Check(third == words.back(), "the third word");
  } else {
    Check(third == query.substr(words[0].size() + words[1].size() + 2),
          "the third word holds the rest of a long query");
  }
}

void CheckQueryStep(std::string_view text, const std::vector<std::string>& words) {
  testing::MemoryFiles files;
  testing::WindowRig rig(files);
  rig.Start();
  const std::vector<std::string> before = rig.rows();
  rig.Search(text);
  const std::string_view reason = words.empty()      ? "Nie wpisałeś czego szukasz"_cp
                                  : words.size() > 3 ? "Tylko 3 słowa"_cp
                                                     : "Nie ma plików *.TXT"_cp;
  Check(rig.status() == Join(" ", reason, "."), "the message that ends the search");
  Check(rig.rows() == before, "the result list is unchanged");
  Check(rig.busy() == 0 && rig.yes_enabled() && rig.errors().empty(), "the window is idle");
  Check(rig.yes() == "Szukaj"_cp, "the caption stays");
}

}  // namespace

void Target(FuzzInput& in) {
  const std::string text(in.Rest());
  const std::vector<std::string> words = Words(text);
  CheckNormalised(text, words);
  CheckQueryStep(text, words);
}

}  // namespace zbk::fuzz
