// UTF-8 read one character at a time, at compile time (text literals) and at
// run time (the platforms' conversions) alike.
#pragma once

#include <cstddef>
#include <string_view>

namespace zbk {

// Decodes one UTF-8 sequence at `i` into `cp`; gives false (and moves one
// byte on) for a byte that does not start a valid sequence: a stray or
// missing continuation, an overlong form, a surrogate, or past U+10FFFF.
constexpr bool DecodeUtf8(std::string_view text, std::size_t& i, char32_t& cp) {
  const auto lead = static_cast<unsigned char>(text[i]);
  const std::size_t more = lead < 0x80                    ? 0
                           : lead >= 0xC2 && lead <= 0xDF ? 1
                           : lead >= 0xE0 && lead <= 0xEF ? 2
                           : lead >= 0xF0 && lead <= 0xF4 ? 3
                                                          : 4;
  char32_t value = lead & (0x7F >> more);
  bool valid = more < 4 && i + more < text.size();
  for (std::size_t k = 1; valid && k <= more; ++k) {
    const auto next = static_cast<unsigned char>(text[i + k]);
    valid = (next & 0xC0) == 0x80;
    value = (value << 6) | (next & 0x3F);
  }
  constexpr char32_t kLeast[] = {0, 0x80, 0x800, 0x10000, 0};
  if (!valid || value < kLeast[more] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
    ++i;
    return false;
  }
  cp = value;
  i += more + 1;
  return true;
}

}  // namespace zbk
