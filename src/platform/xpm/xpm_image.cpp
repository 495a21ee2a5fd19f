#include "platform/xpm/xpm_image.h"

#include <charconv>
#include <map>
#include <sstream>

namespace zbk {
namespace {

int Number(std::istringstream& in, const char* what) {
  int value = 0;
  if (!(in >> value) || value <= 0) throw XpmError(std::string("XPM: bad ") + what);
  return value;
}

std::uint32_t ColourOf(std::string_view colour) {
  if (colour == "None" || colour == "none") return Picture::kTransparent;
  std::uint32_t rgb = 0;
  if (colour.size() != 7 || colour.front() != '#') throw XpmError("XPM: colour not #RRGGBB");
  const auto [end, error] = std::from_chars(colour.data() + 1, colour.data() + 7, rgb, 16);
  if (error != std::errc() || end != colour.data() + 7) throw XpmError("XPM: colour not #RRGGBB");
  return rgb;
}

// "<key> c <colour>": the key is the first `per_pixel` characters.
void ReadColour(std::string_view line, std::size_t per_pixel,
                std::map<std::string, std::uint32_t, std::less<>>& colours) {
  if (line.size() < per_pixel) throw XpmError("XPM: short colour line");
  std::string key(line.substr(0, per_pixel));
  std::istringstream rest{std::string(line.substr(per_pixel))};
  std::string kind;
  std::string value;
  if (!(rest >> kind >> value) || kind != "c") throw XpmError("XPM: colour line without c");
  colours[std::move(key)] = ColourOf(value);
}

}  // namespace

Picture ParseXpm(std::span<const std::string_view> strings) {
  if (strings.empty()) throw XpmError("XPM: no header");
  std::istringstream header{std::string(strings[0])};
  Picture picture;
  picture.width = Number(header, "width");
  picture.height = Number(header, "height");
  const int colour_count = Number(header, "colour count");
  const auto per_pixel = static_cast<std::size_t>(Number(header, "characters per pixel"));
  if (strings.size() != 1 + static_cast<std::size_t>(colour_count + picture.height)) {
    throw XpmError("XPM: wrong number of lines");
  }
  std::map<std::string, std::uint32_t, std::less<>> colours;
  for (int i = 0; i < colour_count; ++i) {
    ReadColour(strings[1 + static_cast<std::size_t>(i)], per_pixel, colours);
  }
  const auto width = static_cast<std::size_t>(picture.width);
  picture.pixels.reserve(width * static_cast<std::size_t>(picture.height));
  for (int y = 0; y < picture.height; ++y) {
    const std::string_view row = strings[1 + static_cast<std::size_t>(colour_count + y)];
    if (row.size() != width * per_pixel) throw XpmError("XPM: row of the wrong length");
    for (std::size_t x = 0; x < width; ++x) {
      const auto found = colours.find(row.substr(x * per_pixel, per_pixel));
      if (found == colours.end()) throw XpmError("XPM: pixel of an undeclared colour");
      picture.pixels.push_back(found->second);
    }
  }
  return picture;
}

Picture ParseXpm(std::span<const char* const> strings) {
  const std::vector<std::string_view> views(strings.begin(), strings.end());
  return ParseXpm(std::span<const std::string_view>(views));
}

std::vector<std::string> XpmStrings(std::string_view source) {
  std::vector<std::string> strings;
  std::size_t i = 0;
  while (i < source.size()) {
    if (source.compare(i, 2, "/*") == 0) {
      const std::size_t end = source.find("*/", i + 2);
      if (end == std::string_view::npos) throw XpmError("XPM: comment not closed");
      i = end + 2;
    } else if (source[i] == '"') {
      const std::size_t end = source.find('"', i + 1);
      if (end == std::string_view::npos) throw XpmError("XPM: string not closed");
      strings.emplace_back(source.substr(i + 1, end - i - 1));
      i = end + 1;
    } else {
      ++i;
    }
  }
  return strings;
}

}  // namespace zbk
