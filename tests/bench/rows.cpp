#include "rows.h"

#include <cstdint>
#include <random>

#include "catalogue/catalogue_line.h"

namespace zbk::bench {

std::vector<std::string> CatalogueRows(int count) {
  static const char* const kFolders[] = {
      "Zdj\xEA"
      "cia\\Wakacje 2019",
      "Muzyka\\Jazz", "Filmy", "Dokumenty\\Skany\\2003", "Kopie\\Projekt\\wersja 7"};
  std::mt19937 random(20240601);
  std::uniform_int_distribution<std::uint32_t> size(100000, 3000000000u);
  std::vector<std::string> rows;
  rows.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    const std::string folder = std::string("X:\\") + kFolders[random() % 5] + "\\";
    rows.push_back(
        CatalogueLine(size(random), folder, "plik_" + std::to_string(random() % 100000) + ".jpg"));
  }
  return rows;
}

}  // namespace zbk::bench
