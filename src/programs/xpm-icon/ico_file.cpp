#include "programs/xpm-icon/ico_file.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace zbk {
namespace {

constexpr std::size_t kPaletteSize = 16;
constexpr std::uint32_t kDirectorySize = 6;
constexpr std::uint32_t kEntrySize = 16;
constexpr std::uint32_t kInfoHeaderSize = 40;

void Put16(std::string& out, std::uint32_t value) {
  out.push_back(static_cast<char>(value & 0xFF));
  out.push_back(static_cast<char>((value >> 8) & 0xFF));
}

void Put32(std::string& out, std::uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

// Rows of a bitmap are padded to whole 32-bit words.
std::uint32_t RowBytes(int width, int bits) {
  return static_cast<std::uint32_t>((width * bits + 31) / 32 * 4);
}

}  // namespace

std::string IcoFile(const Picture& picture) {
  const int w = picture.width;
  const int h = picture.height;
  if (w <= 0 || h <= 0 || w > 256 || h > 256) throw XpmError("icon: size out of range");

  // The palette: the picture's colours in order of first use; transparent
  // pixels take index 0 under a set mask bit.
  std::vector<std::uint32_t> palette;
  for (const std::uint32_t pixel : picture.pixels) {
    if (pixel == Picture::kTransparent) continue;
    if (std::find(palette.begin(), palette.end(), pixel) != palette.end()) continue;
    if (palette.size() == kPaletteSize) throw XpmError("icon: more than 16 colours");
    palette.push_back(pixel);
  }
  palette.resize(kPaletteSize, 0);
  const auto index_of = [&](std::uint32_t pixel) {
    if (pixel == Picture::kTransparent) return 0u;
    return static_cast<unsigned>(std::find(palette.begin(), palette.end(), pixel) -
                                 palette.begin());
  };

  const std::uint32_t colour_row = RowBytes(w, 4);
  const std::uint32_t mask_row = RowBytes(w, 1);
  const auto height = static_cast<std::uint32_t>(h);
  const std::uint32_t image_size =
      kInfoHeaderSize + 4 * kPaletteSize + (colour_row + mask_row) * height;

  std::string out;
  // The directory and its one entry.
  Put16(out, 0);
  Put16(out, 1);  // an icon
  Put16(out, 1);  // one image
  out.push_back(static_cast<char>(w == 256 ? 0 : w));
  out.push_back(static_cast<char>(h == 256 ? 0 : h));
  out.push_back(static_cast<char>(kPaletteSize));
  out.push_back(0);
  Put16(out, 1);  // planes
  Put16(out, 4);  // bits per pixel
  Put32(out, image_size);
  Put32(out, kDirectorySize + kEntrySize);

  // BITMAPINFOHEADER: the height counts the colour image and the mask.
  Put32(out, kInfoHeaderSize);
  Put32(out, static_cast<std::uint32_t>(w));
  Put32(out, 2 * height);
  Put16(out, 1);
  Put16(out, 4);
  Put32(out, 0);  // no compression
  Put32(out, (colour_row + mask_row) * height);
  Put32(out, 0);
  Put32(out, 0);
  Put32(out, static_cast<std::uint32_t>(kPaletteSize));
  Put32(out, 0);
  for (const std::uint32_t rgb : palette) {  // blue, green, red, unused
    out.push_back(static_cast<char>(rgb & 0xFF));
    out.push_back(static_cast<char>((rgb >> 8) & 0xFF));
    out.push_back(static_cast<char>((rgb >> 16) & 0xFF));
    out.push_back(0);
  }

  // Colour rows, then mask rows, each from the bottom up.
  for (int y = h - 1; y >= 0; --y) {
    std::string row(colour_row, '\0');
    for (int x = 0; x < w; ++x) {
      const unsigned index = index_of(picture.At(x, y));
      auto& byte = row[static_cast<std::size_t>(x / 2)];
      byte = static_cast<char>(byte | (x % 2 == 0 ? index << 4 : index));
    }
    out += row;
  }
  for (int y = h - 1; y >= 0; --y) {
    std::string row(mask_row, '\0');
    for (int x = 0; x < w; ++x) {
      if (picture.At(x, y) != Picture::kTransparent) continue;
      auto& byte = row[static_cast<std::size_t>(x / 8)];
      byte = static_cast<char>(byte | (0x80 >> (x % 8)));
    }
    out += row;
  }
  return out;
}

}  // namespace zbk
