#include "report/file_line.h"

#include <cstring>

#include "catalogue/catalogue_line.h"
#include "text/literal.h"

namespace zbk {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// The size column without its leading spaces: "1.234.567" and the like,
// below 4294967295.
std::optional<std::uint32_t> ReadGroupedDigits(std::string_view digits) {
  if (digits.empty()) return std::nullopt;
  const std::size_t first_group = (digits.size() - 1) % 4 + 1;  // 1 to 3 digits
  if (first_group == 4 || (digits.front() == '0' && digits.size() > 1)) return std::nullopt;
  std::uint64_t value = 0;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    const bool dot_place = i >= first_group && (i - first_group) % 4 == 0;
    if (dot_place) {
      if (digits[i] != '.') return std::nullopt;
      continue;
    }
    if (!IsDigit(digits[i])) return std::nullopt;
    value = value * 10 + static_cast<unsigned>(digits[i] - '0');
  }
  if (value >= kSizeOver4GB) return std::nullopt;
  return static_cast<std::uint32_t>(value);
}

std::uint64_t Mix(std::uint64_t x) {
  x ^= x >> 30;
  x *= 0xbf58476d1ce4e5b9ULL;
  x ^= x >> 27;
  x *= 0x94d049bb133111ebULL;
  x ^= x >> 31;
  return x;
}

// Upper-cases the letters a to z among the eight bytes of `word`, all at
// once: a byte below 128 that is at least 'a' and at most 'z' loses 0x20.
std::uint64_t UpperWord(std::uint64_t word) {
  constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
  constexpr std::uint64_t kHigh = 0x8080808080808080ULL;
  const std::uint64_t low7 = word & ~kHigh;
  const std::uint64_t from_a = low7 + kOnes * (0x80 - 'a');
  const std::uint64_t past_z = low7 + kOnes * (0x80 - 'z' - 1);
  const std::uint64_t lower = from_a & ~past_z & ~word & kHigh;
  return word ^ (lower >> 2);
}

}  // namespace

std::optional<FileLine> ReadFileLine(std::string_view line) {
  if (line.size() <= kSizeFieldWidth + 2 || line.size() > kLongestCatalogueLine)
    return std::nullopt;
  if (line[kSizeFieldWidth] != ' ' || line[kSizeFieldWidth + 1] != ' ') return std::nullopt;
  FileLine file;
  const std::string_view field = line.substr(0, kSizeFieldWidth);
  if (field == kOver4GBField) {
    file.size = kSizeOver4GB;
  } else {
    const std::size_t digits = field.find_first_not_of(' ');
    if (digits == std::string_view::npos) return std::nullopt;
    const auto size = ReadGroupedDigits(field.substr(digits));
    if (!size) return std::nullopt;
    file.size = *size;
  }
  file.path = line.substr(kSizeFieldWidth + 2);
  const std::size_t slash = file.path.rfind('\\');
  file.name = slash == std::string_view::npos ? file.path : file.path.substr(slash + 1);
  if (file.name.empty()) return std::nullopt;
  return file;
}

std::uint64_t FileKey(const FileLine& file) {
  std::uint64_t hash = Mix(0x9e3779b97f4a7c15ULL ^ file.size);
  const char* at = file.name.data();
  std::size_t left = file.name.size();
  while (left > 0) {
    std::uint64_t word = 0;
    const std::size_t take = left < 8 ? left : 8;
    std::memcpy(&word, at, take);
    hash = Mix(hash ^ UpperWord(word)) + take;
    at += take;
    left -= take;
  }
  return Mix(hash ^ file.name.size());
}

}  // namespace zbk
