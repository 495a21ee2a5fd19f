// UTF-8 read one character at a time, at compile time (text literals) and at
// run time (the platforms' conversions) alike.
#pragma once

#include <cstddef>
#include <string_view>

namespace zbk {

// Decodes one UTF-8 sequence at `i`; gives false (and moves one byte on) for
// a byte that does not start a valid sequence.
constexpr bool DecodeUtf8(std::string_view text, std::size_t& i, char32_t& cp) {
  const auto lead = static_cast<unsigned char>(text[i]);
  int more = 0;
  char32_t min = 0;
  if (lead < 0x80) {
    cp = lead;
    ++i;
    return true;
  }
  if (lead >= 0xC2 && lead <= 0xDF) {
    cp = lead & 0x1F;
    more = 1;
    min = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    cp = lead & 0x0F;
    more = 2;
    min = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    cp = lead & 0x07;
    more = 3;
    min = 0x10000;
  } else {
    ++i;
    return false;
  }
  if (i + static_cast<std::size_t>(more) >= text.size()) {
    ++i;
    return false;
  }
  for (int k = 1; k <= more; ++k) {
    const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
    if ((next & 0xC0) != 0x80) {
      ++i;
      return false;
    }
    cp = (cp << 6) | (next & 0x3F);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
    ++i;
    return false;
  }
  i += static_cast<std::size_t>(more) + 1;
  return true;
}

}  // namespace zbk
