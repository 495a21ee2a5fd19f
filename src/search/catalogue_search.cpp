#include "search/catalogue_search.h"

#include <algorithm>
#include <string>
#include <vector>

#include "search/search_words.h"
#include "text/line_reader.h"
#include "text/literal.h"
#include "text/name_order.h"
#include "text/upper.h"

namespace zbk {
namespace {

constexpr std::uint32_t kProgressEvery = 1000;
// Every this many bytes of a file, also inside a line, the window gets its
// messages and Esc its chance: a file without line ends may be of any size.
constexpr std::size_t kPauseBytes = std::size_t{1} << 20;

// Every catalogue file found by the listing.
struct CatalogueNames {
  std::vector<std::string> names;  // as shown, cut to 250 characters
  std::vector<NativePath> natives;
  std::size_t longest = 0;

  void Put(const FolderEntry& entry) {
    const ShortText name(entry.name);
    longest = std::max(longest, name.size());
    names.push_back(name.str());
    natives.push_back(entry.native);
  }
};

bool Contains(std::string_view text, const ShortText& word) {
  return text.find(word.view()) != std::string_view::npos;
}

// Searches one file to its end, or until the BusyFlag is cleared.
void SearchFile(WindowState& state, const SearchWords& words, const ShortText& padded,
                LineReader& reader, std::vector<ShortText>& hit_catalogues) {
  ListBox& results = state.w.L;
  std::string line;
  std::string upper;
  std::uint32_t counter = 0;
  for (;;) {
    if (!reader.ReadLine(line)) return;  // stopped inside the line
    ++counter;
    if (counter % kProgressEvery == 0) state.status.ShowProgress(counter);
    upper.assign(line);
    for (char& c : upper) c = UpperAscii(c);
    if (Contains(upper, words.first) && Contains(upper, words.second) &&
        Contains(upper, words.third)) {
      results.Add(Join(padded, ": ", line));
      if (hit_catalogues.empty() || hit_catalogues.back() != padded) {
        hit_catalogues.push_back(padded);
      }
    }
    if (reader.Eof() || !state.Busy()) return;
  }
}

}  // namespace

ShortText PaddedName(std::string_view name, std::uint16_t width) {
  if (name.size() >= width) return ShortText(name);
  return ShortText(Join(std::string(width - name.size(), ' '), name));
}

void CatalogueSearch(WindowState& state) {
  const std::optional<SearchWords> words = ReadSearchWords(state);
  if (!words) return;
  Files& files = state.os.files;
  const NativePath folder = files.WorkingFolder();

  state.ShowStatus("Nie ma plików *.TXT"_cp);
  CatalogueNames catalogues;
  {
    const auto listing = files.List(folder, "*.TXT", ListingDetail::kNamesAndKinds);
    if (!listing) return;
    state.ShowStatus("Przeszukuję pliki *.TXT"_cp);
    FolderEntry entry;
    while (listing->Next(entry)) {
      if (!entry.file() || entry.name.empty() || entry.name.front() == '.') continue;
      catalogues.Put(entry);
    }
  }
  ListBox& results = state.w.L;
  results.Clear();
  const auto name_width = static_cast<std::uint16_t>(catalogues.longest + 1);
  std::vector<ShortText> hit_catalogues;

  for (const std::size_t i : NameOrder(catalogues.names)) {
    LineReader reader(files.Open(files.Child(folder, catalogues.natives[i]), catalogues.names[i]));
    const ShortText padded = PaddedName(catalogues.names[i], name_width);
    state.ShowStatus(Join("Przeszukuję plik"_cp, padded));
    reader.SetPause(kPauseBytes, [&state] {
      state.w.Fo.ProcessMessages();
      return state.Busy();
    });
    SearchFile(state, *words, padded, reader, hit_catalogues);
    reader.Close();
    results.Select(results.Count() - 1);
    if (!state.Busy()) break;
  }

  results.Focus();
  if (!hit_catalogues.empty()) {
    results.Add(" Dyski:");
    for (const auto& padded : hit_catalogues) results.Add(Join("       ", padded));
  }
  state.w.E.Focus();
  results.Select(results.Count() - 1);
  state.ShowStatus("Koniec szukania"_cp);
}

}  // namespace zbk
