#include "report/report_text.h"

#include <algorithm>

#include "catalogue/catalogue_line.h"
#include "text/literal.h"

namespace zbk {

std::string SizeText(std::uint64_t bytes) {
  if (bytes < 1024) return std::to_string(bytes) + " B";
  static constexpr const char* kUnits[] = {"KB", "MB", "GB", "TB", "PB"};
  // In tenths of the unit, rounded to the nearest; a unit up where they
  // would round to 1024 of it.
  const auto tenths_of = [bytes](std::uint64_t scale) { return (bytes * 10 + scale / 2) / scale; };
  std::size_t unit = 0;
  std::uint64_t scale = 1024;
  while (unit + 1 < std::size(kUnits) && tenths_of(scale) >= 10240) {
    scale *= 1024;
    ++unit;
  }
  const std::uint64_t tenths = tenths_of(scale);
  return std::to_string(tenths / 10) + "," + std::to_string(tenths % 10) + " " + kUnits[unit];
}

std::string FileSizeText(std::uint32_t size) {
  if (size == kSizeOver4GB) return std::string(kOver4GBField);
  return SizeText(size);
}

unsigned SharePerMille(const CatalogueFigures& catalogue) {
  if (catalogue.bytes == 0) return 0;
  return static_cast<unsigned>(static_cast<long double>(catalogue.copied_bytes) * 1000 /
                               static_cast<long double>(catalogue.bytes));
}

std::string ShareText(const CatalogueFigures& catalogue) {
  if (catalogue.bytes == 0) return "-";
  if (catalogue.copied_bytes == catalogue.bytes) return "100%";
  const unsigned per_mille = SharePerMille(catalogue);
  return std::to_string(per_mille / 10) + "," + std::to_string(per_mille % 10) + "%";
}

std::vector<std::size_t> RowOrder(const CollectionFigures& figures) {
  std::vector<std::size_t> order;
  for (std::size_t i = 0; i < figures.catalogues.size(); ++i) {
    if (figures.catalogues[i].read()) order.push_back(i);
  }
  const auto share = [&](std::size_t i) {
    const CatalogueFigures& c = figures.catalogues[i];
    return c.bytes == 0
               ? 0.0L
               : static_cast<long double>(c.copied_bytes) / static_cast<long double>(c.bytes);
  };
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    const bool full_a = figures.catalogues[a].fully_copied();
    const bool full_b = figures.catalogues[b].fully_copied();
    if (full_a != full_b) return full_a;
    return share(a) > share(b);
  });
  return order;
}

std::string Escaped(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

}  // namespace zbk
