// The program's pictures (icon and button glyphs) are XPM sources in
// resources/, the only place they are drawn. This reads them: from the
// string array a C++ file gets by including the .xpm, or from the file's
// text. Colours are "#RRGGBB" or "None" (transparent), one character a pixel
// or more.
#pragma once

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace zbk {

class XpmError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct Picture {
  static constexpr std::uint32_t kTransparent = 0xFF000000u;

  int width = 0;
  int height = 0;
  // Row by row from the top: 0xRRGGBB, or kTransparent.
  std::vector<std::uint32_t> pixels;

  std::uint32_t At(int x, int y) const {
    return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                  static_cast<std::size_t>(x)];
  }
};

// The picture of an XPM's strings: header, colours, rows. Throws XpmError.
Picture ParseXpm(std::span<const std::string_view> strings);
Picture ParseXpm(std::span<const char* const> strings);

// The string literals of an XPM file's C source, in order. Throws XpmError.
std::vector<std::string> XpmStrings(std::string_view source);

}  // namespace zbk
