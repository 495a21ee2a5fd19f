// Polish texts are written in the source as UTF-8 and turned into
// Windows-1250 bytes at compile time: "Wyjdź"_cp is a std::string_view of
// five bytes. A character the code page lacks, or malformed UTF-8, does not
// compile.
#pragma once

#include <cstddef>
#include <string_view>

#include "text/cp1250_table.h"

namespace zbk {

template <std::size_t N>
struct Cp1250Literal {
  char bytes[N]{};
  std::size_t size = 0;

  consteval Cp1250Literal(const char (&utf8)[N]) {
    std::size_t i = 0;
    while (i + 1 < N) {
      const auto lead = static_cast<unsigned char>(utf8[i]);
      char32_t cp = 0;
      int more = 0;
      if (lead < 0x80) {
        cp = lead;
      } else if ((lead & 0xE0) == 0xC0) {
        cp = lead & 0x1F;
        more = 1;
      } else if ((lead & 0xF0) == 0xE0) {
        cp = lead & 0x0F;
        more = 2;
      } else {
        throw "text literal: a character outside Windows-1250";
      }
      ++i;
      for (int k = 0; k < more; ++k, ++i) {
        const auto next = static_cast<unsigned char>(utf8[i]);
        if ((next & 0xC0) != 0x80) throw "text literal: malformed UTF-8";
        cp = (cp << 6) | (next & 0x3F);
      }
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
