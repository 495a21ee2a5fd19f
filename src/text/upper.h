// Upper-casing as the program does it everywhere: only the 26 letters a to z
// change; every other byte, Polish letters included, stays as it is.
#pragma once

#include <string>
#include <string_view>

namespace zbk {

constexpr char UpperAscii(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
}

inline std::string Upper(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = UpperAscii(c);
  return out;
}

}  // namespace zbk
