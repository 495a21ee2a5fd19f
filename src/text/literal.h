// Polish texts are written in the source as UTF-8 and turned into
// Windows-1250 bytes at compile time: "Wyjdź"_cp is a std::string_view of
// five bytes. A character the code page lacks, or malformed UTF-8, does not
// compile.
#pragma once

#include <cstddef>
#include <string_view>

#include "text/cp1250_table.h"
#include "text/utf8.h"

namespace zbk {

template <std::size_t N>
struct Cp1250Literal {
  char bytes[N]{};
  std::size_t size = 0;

  consteval Cp1250Literal(const char (&utf8)[N]) {
    const std::string_view text(utf8, N - 1);
    for (std::size_t i = 0; i < text.size();) {
      char32_t cp = 0;
      if (!DecodeUtf8(text, i, cp)) throw "text literal: malformed UTF-8";
      const int byte = Cp1250FromCodePoint(cp);
      if (byte < 0) throw "text literal: a character outside Windows-1250";
      bytes[size++] = static_cast<char>(byte);
    }
  }
};

template <Cp1250Literal L>
constexpr std::string_view operator""_cp() {
  return {L.bytes, L.size};
}

}  // namespace zbk
