// The program's pictures: the XPM sources in resources/ read as pictures,
// and the icon file made from one, read back pixel by pixel.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/xpm/xpm_image.h"
#include "programs/xpm-icon/ico_file.h"

// The pictures, as the programs include them.
#include "az.xpm"
#include "cancel.xpm"
#include "x2.xpm"
#include "x2_disabled.xpm"
#include "yes.xpm"
#include "zbk_icon.xpm"

namespace zbk {
namespace {

Picture FromStrings(const std::vector<std::string>& strings) {
  const std::vector<std::string_view> views(strings.begin(), strings.end());
  return ParseXpm(std::span<const std::string_view>(views));
}

std::uint32_t Read32(const std::string& bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i) {
    value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
  }
  return value;
}

std::uint32_t Read16(const std::string& bytes, std::size_t at) {
  return Read32(bytes, at) & 0xFFFF;
}

// The pixels of image `entry` of an .ico (4 or 32 bits a pixel), as 0xAARRGGBB; a set mask bit must
// go with alpha 0.
std::vector<std::uint32_t> DecodeIco(const std::string& ico, std::size_t entry) {
  const std::size_t image = Read32(ico, 6 + 16 * entry + 12);
  const auto size = static_cast<int>(Read32(ico, image + 4));
  const std::uint32_t bits = Read16(ico, image + 14);
  const std::size_t palette = image + 40;
  const std::size_t colours = palette + (bits == 4 ? 16 * 4 : 0);
  const auto colour_row = static_cast<std::size_t>((size * static_cast<int>(bits) + 31) / 32 * 4);
  const std::size_t mask = colours + colour_row * static_cast<std::size_t>(size);
  const auto mask_row = static_cast<std::size_t>((size + 31) / 32 * 4);
  std::vector<std::uint32_t> pixels;
  for (int y = 0; y < size; ++y) {
    const auto row = static_cast<std::size_t>(size - 1 - y);
    for (int x = 0; x < size; ++x) {
      const auto byte =
          static_cast<unsigned char>(ico[mask + row * mask_row + static_cast<std::size_t>(x / 8)]);
      const bool masked = (byte & (0x80 >> (x % 8))) != 0;
      std::uint32_t pixel = 0;
      if (bits == 32) {
        pixel = Read32(ico, colours + row * colour_row + 4 * static_cast<std::size_t>(x));
      } else if (!masked) {
        const auto pair = static_cast<unsigned char>(
            ico[colours + row * colour_row + static_cast<std::size_t>(x / 2)]);
        const unsigned index = x % 2 == 0 ? pair >> 4 : pair & 0x0F;
        // Blue, green, red, unused: read as one little-endian word.
        pixel = 0xFF000000u | (Read32(ico, palette + 4 * index) & 0xFFFFFF);
      }
      EXPECT_EQ(masked, pixel >> 24 == 0) << "entry " << entry << " at " << x << ", " << y;
      pixels.push_back(pixel);
    }
  }
  return pixels;
}

// The picture's pixel as an icon image holds it.
std::uint32_t Argb(const Picture& picture, int x, int y) {
  const std::uint32_t pixel = picture.At(x, y);
  return pixel == Picture::kTransparent ? 0 : 0xFF000000u | pixel;
}

TEST(Xpm, ReadsColoursTransparencyAndRows) {
  const char* const strings[] = {"3 2 3 1", "  c None", "r c #FF0000", ". c #00ff80", "r. ", " rr"};
  const Picture picture = ParseXpm(std::span<const char* const>(strings));
  ASSERT_EQ(picture.width, 3);
  ASSERT_EQ(picture.height, 2);
  EXPECT_EQ(picture.At(0, 0), 0xFF0000u);
  EXPECT_EQ(picture.At(1, 0), 0x00FF80u);
  EXPECT_EQ(picture.At(2, 0), Picture::kTransparent);
  EXPECT_EQ(picture.At(0, 1), Picture::kTransparent);
  EXPECT_EQ(picture.At(2, 1), 0xFF0000u);
}

TEST(Xpm, RefusesMalformedPictures) {
  const auto parse = [](std::vector<std::string> strings) { return FromStrings(strings); };
  EXPECT_THROW(parse({}), XpmError);
  EXPECT_THROW(parse({"2 1 1 1", "a c #000000", "a"}), XpmError);   // short row
  EXPECT_THROW(parse({"2 1 1 1", "a c #000000", "ab"}), XpmError);  // undeclared
  EXPECT_THROW(parse({"2 1 1 1", "a c red", "aa"}), XpmError);      // named colour
  EXPECT_THROW(parse({"2 2 1 1", "a c #000000", "aa"}), XpmError);  // rows missing
  EXPECT_THROW(parse({"x 1 1 1", "a c #000000", "a"}), XpmError);   // bad header
  EXPECT_NO_THROW(parse({"1 1 1 2", "ab c #000000", "ab"}));        // 2 per pixel
}

TEST(Xpm, TakesTheStringsOfTheCSourceSkippingComments) {
  const auto strings = XpmStrings(
      "/* XPM */\nstatic const char* x[] = {\n/* \"not this\" */\"1 1 1 1\",\n"
      "\"a c #010203\",\n\"a\"};\n");
  EXPECT_EQ(strings, (std::vector<std::string>{"1 1 1 1", "a c #010203", "a"}));
  EXPECT_THROW(XpmStrings("\"open"), XpmError);
}

TEST(Xpm, TheProgramsPicturesHaveTheirSizes) {
  const auto size_of = [](std::span<const char* const> strings) {
    const Picture picture = ParseXpm(strings);
    return std::pair(picture.width, picture.height);
  };
  EXPECT_EQ(size_of(zbk_icon_xpm), std::pair(32, 32));
  for (const auto glyph :
       {std::span<const char* const>(yes_xpm), std::span<const char* const>(cancel_xpm),
        std::span<const char* const>(az_xpm), std::span<const char* const>(x2_xpm),
        std::span<const char* const>(x2_disabled_xpm)}) {
    EXPECT_EQ(size_of(glyph), std::pair(16, 16));
  }
}

TEST(Ico, HoldsThePictureAsDrawnIn16Colours) {
  const Picture icon = ParseXpm(std::span<const char* const>(zbk_icon_xpm));
  const std::string ico = IcoFile(icon);
  ASSERT_EQ(ico.substr(0, 6), std::string("\0\0\1\0\1\0", 6));
  EXPECT_EQ(ico[6], 32);
  EXPECT_EQ(ico[7], 32);
  EXPECT_EQ(ico[8], 16);                    // colours
  EXPECT_EQ(Read32(ico, 10), 0x00040001u);  // planes, bits
  EXPECT_EQ(Read32(ico, 18), 6u + 16u);     // where the image starts
  EXPECT_EQ(Read32(ico, 14) + 22, ico.size());
  const std::vector<std::uint32_t> at32 = DecodeIco(ico, 0);
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      ASSERT_EQ(at32[static_cast<std::size_t>(y * 32 + x)], Argb(icon, x, y));
    }
  }
}

TEST(Ico, RefusesMoreThan16ColoursAndPicturesThatAreNotSquare) {
  Picture picture;
  picture.width = 5;
  picture.height = 5;
  for (std::uint32_t i = 0; i < 25; ++i) picture.pixels.push_back(i % 17);
  EXPECT_THROW(IcoFile(picture), XpmError);
  for (auto& pixel : picture.pixels) {
    if (pixel == 16) pixel = Picture::kTransparent;  // 16 colours and a transparent pixel
  }
  const std::vector<std::uint32_t> back = DecodeIco(IcoFile(picture), 0);
  for (int i = 0; i < 25; ++i) {
    ASSERT_EQ(back[static_cast<std::size_t>(i)], Argb(picture, i % 5, i / 5));
  }
  picture.height = 4;
  picture.pixels.resize(20);
  EXPECT_THROW(IcoFile(picture), XpmError);
}

}  // namespace
}  // namespace zbk
