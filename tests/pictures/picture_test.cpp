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

// The pixels of a one-image 4-bit .ico as IcoFile writes it, kTransparent
// where the mask is set.
Picture DecodeIco(const std::string& ico) {
  const std::size_t image = Read32(ico, 18);
  Picture picture;
  picture.width = static_cast<int>(Read32(ico, image + 4));
  picture.height = static_cast<int>(Read32(ico, image + 8)) / 2;
  const std::size_t palette = image + 40;
  const std::size_t colours = palette + 16 * 4;
  const auto colour_row = static_cast<std::size_t>((picture.width * 4 + 31) / 32 * 4);
  const std::size_t mask = colours + colour_row * static_cast<std::size_t>(picture.height);
  const auto mask_row = static_cast<std::size_t>((picture.width + 31) / 32 * 4);
  for (int y = 0; y < picture.height; ++y) {
    const auto row = static_cast<std::size_t>(picture.height - 1 - y);
    for (int x = 0; x < picture.width; ++x) {
      const auto byte =
          static_cast<unsigned char>(ico[mask + row * mask_row + static_cast<std::size_t>(x / 8)]);
      if ((byte & (0x80 >> (x % 8))) != 0) {
        picture.pixels.push_back(Picture::kTransparent);
        continue;
      }
      const auto pair = static_cast<unsigned char>(
          ico[colours + row * colour_row + static_cast<std::size_t>(x / 2)]);
      const unsigned index = x % 2 == 0 ? pair >> 4 : pair & 0x0F;
      // Blue, green, red, unused: read as one little-endian word, 0xRRGGBB.
      picture.pixels.push_back(Read32(ico, palette + 4 * index) & 0xFFFFFF);
    }
  }
  return picture;
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

TEST(Ico, HoldsTheIconPictureIn16ColoursWithItsTransparency) {
  const Picture icon = ParseXpm(std::span<const char* const>(zbk_icon_xpm));
  const std::string ico = IcoFile(icon);
  // Directory: an icon of one 32 x 32 image in 16 colours, 1 plane, 4 bits.
  ASSERT_EQ(ico.size(), 6u + 16u + 40u + 64u + 32u * 16u + 32u * 4u);
  EXPECT_EQ(ico.substr(0, 6), std::string("\0\0\1\0\1\0", 6));
  EXPECT_EQ(ico.substr(6, 4), std::string("\x20\x20\x10\0", 4));
  EXPECT_EQ(Read32(ico, 10), 0x00040001u);
  EXPECT_EQ(Read32(ico, 14), ico.size() - 22);
  const Picture back = DecodeIco(ico);
  EXPECT_EQ(back.width, 32);
  EXPECT_EQ(back.height, 32);
  EXPECT_EQ(back.pixels, icon.pixels);
}

TEST(Ico, RefusesMoreThan16Colours) {
  Picture picture;
  picture.width = 17;
  picture.height = 1;
  for (std::uint32_t i = 0; i < 17; ++i) picture.pixels.push_back(i);
  EXPECT_THROW(IcoFile(picture), XpmError);
  picture.pixels.back() = Picture::kTransparent;  // 16 colours and a transparent pixel
  EXPECT_EQ(DecodeIco(IcoFile(picture)).pixels, picture.pixels);
}

}  // namespace
}  // namespace zbk
