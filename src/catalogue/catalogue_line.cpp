#include "catalogue/catalogue_line.h"

#include "text/literal.h"
#include "text/short_text.h"

namespace zbk {
namespace {

constexpr std::size_t kFolderPartStart = 3;
constexpr std::size_t kFolderPartLength = 200;

}  // namespace

std::string GroupedDigits(std::uint32_t size) {
  const std::string digits = std::to_string(size);
  std::string out;
  out.reserve(digits.size() + 3);
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out.push_back('.');
    out.push_back(digits[i]);
  }
  return out;
}

std::string SizeField(std::uint32_t size) {
  if (size == kSizeOver4GB) return std::string("większy niż 4GB"_cp);
  std::string text = GroupedDigits(size);
  if (text.size() < kSizeFieldWidth) text.insert(0, kSizeFieldWidth - text.size(), ' ');
  return text;
}

std::string CatalogueLine(std::uint32_t size, std::string_view path, std::string_view name) {
  const std::string_view folder = path.size() > kFolderPartStart
                                      ? Head(path.substr(kFolderPartStart), kFolderPartLength)
                                      : std::string_view();
  std::string line = Join(SizeField(size), "  ", folder, Head(name, kShortTextCapacity));
  // A name is one line: a CR, LF, Ctrl-Z or any other control byte in it
  // would end the line early, or hide the rest of the file from a search.
  for (auto it = line.begin() + kSizeFieldWidth; it != line.end(); ++it) {
    if (static_cast<unsigned char>(*it) < 32) *it = '?';
  }
  return line;
}

}  // namespace zbk
