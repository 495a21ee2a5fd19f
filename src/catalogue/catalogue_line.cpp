#include "catalogue/catalogue_line.h"

#include <iterator>

#include "text/literal.h"
#include "text/short_text.h"

namespace zbk {
namespace {

constexpr std::size_t kFolderPartStart = 3;

// Writes the grouped digits of `size` to end at `end`; gives where they
// begin. Right to left: digits, a "." before every group of three.
char* GroupRightToLeft(std::uint64_t size, char* end) {
  int in_group = 0;
  do {
    if (in_group == 3) {
      *--end = '.';
      in_group = 0;
    }
    *--end = static_cast<char>('0' + size % 10);
    size /= 10;
    ++in_group;
  } while (size != 0);
  return end;
}

}  // namespace

std::string GroupedDigits(std::uint64_t number) {
  char digits[26];  // 20 digits and 6 points at the most
  char* begin = GroupRightToLeft(number, std::end(digits));
  return std::string(begin, std::end(digits));
}

std::string SizeField(std::uint32_t size) {
  std::string text;
  AppendSizeField(size, text);
  return text;
}

void AppendSizeField(std::uint32_t size, std::string& out) {
  if (size == kSizeOver4GB) {
    out.append(kOver4GBField);
    return;
  }
  char field[kSizeFieldWidth];
  char* begin = GroupRightToLeft(size, field + kSizeFieldWidth);
  out.append(static_cast<std::size_t>(begin - field), ' ');
  out.append(begin, field + kSizeFieldWidth);
}

std::string CatalogueLine(std::uint32_t size, std::string_view path, std::string_view name) {
  std::string line;
  AppendCatalogueLine(size, path, name, line);
  return line;
}

void AppendCatalogueLine(std::uint32_t size, std::string_view path, std::string_view name,
                         std::string& out) {
  const std::size_t start = out.size();
  AppendSizeField(size, out);
  out.append("  ");
  if (path.size() > kFolderPartStart) {
    out.append(Head(path.substr(kFolderPartStart), kFolderPartLength));
  }
  out.append(Head(name, kShortTextCapacity));
  // A name is one line: a CR, LF, Ctrl-Z or any other control byte in it
  // would end the line early, or hide the rest of the file from a search.
  for (auto it = out.begin() + static_cast<std::ptrdiff_t>(start + kSizeFieldWidth);
       it != out.end(); ++it) {
    if (static_cast<unsigned char>(*it) < 32) *it = '?';
  }
}

}  // namespace zbk
