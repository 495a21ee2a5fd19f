#include "search/search_rows.h"

#include <string>

#include "search/catalogue_listing.h"
#include "search/catalogue_search.h"
#include "search/line_scan.h"

namespace zbk {
namespace {

class RowsOfFile : public LineScanEvents {
 public:
  RowsOfFile(std::string_view padded, const std::function<void(std::string_view)>& row,
             std::uint64_t& hits)
      : padded_(padded), row_(row), hits_(hits) {}

  bool Pause() override { return true; }
  bool Progress(std::uint32_t /*lines*/) override { return true; }
  void Hit(std::string_view line) override {
    text_.assign(padded_).append(": ").append(line);
    row_(text_);
    ++hits_;
  }

 private:
  std::string_view padded_;
  const std::function<void(std::string_view)>& row_;
  std::uint64_t& hits_;
  std::string text_;
};

}  // namespace

SearchRowsResult SearchRows(Files& files, const SearchWords& words,
                            const std::function<void(std::string_view row)>& row) {
  SearchRowsResult result;
  const NativePath folder = files.WorkingFolder();
  CatalogueNames catalogues;
  {
    const auto listing = ListCatalogueFiles(files, folder);
    if (!listing) return result;
    result.catalogues = true;
    catalogues = ReadCatalogueNames(*listing);
  }
  const auto name_width = static_cast<std::uint16_t>(catalogues.longest + 1);
  LineScan scan(words);
  for (const CatalogueName& catalogue : catalogues.files) {
    const auto file = files.Open(files.Child(folder, catalogue.native), catalogue.shown);
    const ShortText padded = PaddedName(catalogue.shown, name_width);
    RowsOfFile rows(padded.view(), row, result.hits);
    scan.Run(*file, rows);
    file->Close();
  }
  return result;
}

}  // namespace zbk
