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

// One image: its bits per pixel, its BITMAPINFOHEADER and what follows it.
struct Image {
  int size;
  int bits;
  std::string data;
};

void PutInfoHeader(std::string& out, int size, int bits, std::uint32_t pixel_bytes,
                   std::uint32_t colours) {
  // The height counts the colour image and the mask.
  Put32(out, kInfoHeaderSize);
  Put32(out, static_cast<std::uint32_t>(size));
  Put32(out, 2 * static_cast<std::uint32_t>(size));
  Put16(out, 1);
  Put16(out, static_cast<std::uint32_t>(bits));
  Put32(out, 0);  // no compression
  Put32(out, pixel_bytes);
  Put32(out, 0);
  Put32(out, 0);
  Put32(out, colours);
  Put32(out, 0);
}

// The mask rows, from the bottom up: a set bit where `transparent`.
template <typename Transparent>
void PutMask(std::string& out, int size, Transparent transparent) {
  const std::uint32_t mask_row = RowBytes(size, 1);
  for (int y = size - 1; y >= 0; --y) {
    std::string row(mask_row, '\0');
    for (int x = 0; x < size; ++x) {
      if (!transparent(x, y)) continue;
      auto& byte = row[static_cast<std::size_t>(x / 8)];
      byte = static_cast<char>(byte | (0x80 >> (x % 8)));
    }
    out += row;
  }
}

Image SixteenColourImage(const Picture& picture) {
  const int size = picture.width;
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

  const std::uint32_t colour_row = RowBytes(size, 4);
  const std::uint32_t mask_row = RowBytes(size, 1);
  const auto rows = static_cast<std::uint32_t>(size);
  Image image{size, 4, {}};
  std::string& out = image.data;
  PutInfoHeader(out, size, 4, (colour_row + mask_row) * rows,
                static_cast<std::uint32_t>(kPaletteSize));
  for (const std::uint32_t rgb : palette) {  // blue, green, red, unused
    out.push_back(static_cast<char>(rgb & 0xFF));
    out.push_back(static_cast<char>((rgb >> 8) & 0xFF));
    out.push_back(static_cast<char>((rgb >> 16) & 0xFF));
    out.push_back(0);
  }
  // Colour rows, then mask rows, each from the bottom up.
  for (int y = size - 1; y >= 0; --y) {
    std::string row(colour_row, '\0');
    for (int x = 0; x < size; ++x) {
      const unsigned index = index_of(picture.At(x, y));
      auto& byte = row[static_cast<std::size_t>(x / 2)];
      byte = static_cast<char>(byte | (x % 2 == 0 ? index << 4 : index));
    }
    out += row;
  }
  PutMask(out, size, [&](int x, int y) { return picture.At(x, y) == Picture::kTransparent; });
  return image;
}

}  // namespace

std::string IcoFile(const Picture& picture) {
  if (picture.width <= 0 || picture.width != picture.height || picture.width > 256) {
    throw XpmError("icon: the picture is not square, or larger than 256 pixels");
  }
  const std::vector<Image> images = {SixteenColourImage(picture)};

  std::string out;
  Put16(out, 0);
  Put16(out, 1);  // an icon
  Put16(out, static_cast<std::uint32_t>(images.size()));
  auto offset = static_cast<std::uint32_t>(kDirectorySize + kEntrySize * images.size());
  for (const Image& image : images) {
    const auto side = static_cast<char>(image.size == 256 ? 0 : image.size);
    out.push_back(side);
    out.push_back(side);
    out.push_back(static_cast<char>(image.bits == 4 ? kPaletteSize : 0));
    out.push_back(0);
    Put16(out, 1);  // planes
    Put16(out, static_cast<std::uint32_t>(image.bits));
    Put32(out, static_cast<std::uint32_t>(image.data.size()));
    Put32(out, offset);
    offset += static_cast<std::uint32_t>(image.data.size());
  }
  for (const Image& image : images) out += image.data;
  return out;
}

}  // namespace zbk
