#include "search/catalogue_search.h"

#include <string>
#include <vector>

#include "search/catalogue_listing.h"
#include "search/line_scan.h"
#include "search/search_words.h"
#include "text/literal.h"

namespace zbk {
namespace {

// What the search of one file does at each moment of the scan.
class FileSearch : public LineScanEvents {
 public:
  FileSearch(WindowState& state, const ShortText& padded, std::vector<ShortText>& hit_catalogues)
      : state_(state),
        padded_(padded),
        head_(Join(padded.view(), ": ")),
        hit_catalogues_(hit_catalogues) {}

  bool Pause() override {
    state_.w.Fo.ProcessMessages();
    return state_.Busy();
  }
  bool Progress(std::uint32_t lines) override {
    state_.status.ShowProgress(lines);
    return state_.Busy();
  }
  void Hit(std::string_view line) override {
    state_.w.L.AddJoined(head_, line);
    // After the file's first hit, the last of the list is this file's name.
    if (named_) return;
    named_ = true;
    if (hit_catalogues_.empty() || hit_catalogues_.back() != padded_) {
      hit_catalogues_.push_back(padded_);
    }
  }

 private:
  WindowState& state_;
  const ShortText& padded_;
  const std::string head_;  // the name and ": ", in front of every hit of the file
  std::vector<ShortText>& hit_catalogues_;
  bool named_ = false;  // the file is in hit_catalogues_
};

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
    const auto listing = ListCatalogueFiles(files, folder);
    if (!listing) return;
    state.ShowStatus("Przeszukuję pliki *.TXT"_cp);
    catalogues = ReadCatalogueNames(*listing);
  }
  ListBox& results = state.w.L;
  results.Clear();
  const auto name_width = static_cast<std::uint16_t>(catalogues.longest + 1);
  std::vector<ShortText> hit_catalogues;

  LineScan scan(*words);
  for (const CatalogueName& catalogue : catalogues.files) {
    const auto file = files.Open(files.Child(folder, catalogue.native), catalogue.shown);
    const ShortText padded = PaddedName(catalogue.shown, name_width);
    state.ShowStatus(Join("Przeszukuję plik"_cp, padded));
    FileSearch search(state, padded, hit_catalogues);
    // Stopped at the file's own message, the search still reads its first
    // line.
    scan.Run(*file, search, !state.Busy());
    file->Close();
    results.Select(results.Count() - 1);
    if (!state.Busy()) break;
  }

  // The focus passes through the result list on its way back to the query
  // field: each move runs that control's entered handler, so the action
  // button ends as "Szukaj", ready for the next query typed in E.
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
