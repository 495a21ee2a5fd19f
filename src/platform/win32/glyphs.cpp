#include "platform/win32/glyphs.h"

// The pictures, drawn for this program; each defines a static string array.
#include "az.xpm"
#include "cancel.xpm"
#include "x2.xpm"
#include "x2_disabled.xpm"
#include "yes.xpm"

namespace zbk {
namespace {

COLORREF ColourRef(std::uint32_t rgb) {
  return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

void PaintShape(HDC dc, const Picture& picture, int x, int y, COLORREF colour) {
  for (int row = 0; row < picture.height; ++row) {
    for (int column = 0; column < picture.width; ++column) {
      if (picture.At(column, row) == Picture::kTransparent) continue;
      SetPixelV(dc, x + column, y + row, colour);
    }
  }
}

}  // namespace

const Picture& GlyphPicture(GlyphId id) {
  static const Picture yes = ParseXpm(std::span<const char* const>(yes_xpm));
  static const Picture cancel = ParseXpm(std::span<const char* const>(cancel_xpm));
  static const Picture az = ParseXpm(std::span<const char* const>(az_xpm));
  static const Picture x2 = ParseXpm(std::span<const char* const>(x2_xpm));
  static const Picture x2_disabled = ParseXpm(std::span<const char* const>(x2_disabled_xpm));
  switch (id) {
    case GlyphId::kYes:
      return yes;
    case GlyphId::kCancel:
      return cancel;
    case GlyphId::kAZ:
      return az;
    case GlyphId::kX2:
      return x2;
    case GlyphId::kX2Disabled:
      return x2_disabled;
  }
  return yes;
}

void PaintPicture(HDC dc, const Picture& picture, int x, int y) {
  for (int row = 0; row < picture.height; ++row) {
    for (int column = 0; column < picture.width; ++column) {
      const std::uint32_t pixel = picture.At(column, row);
      if (pixel != Picture::kTransparent) SetPixelV(dc, x + column, y + row, ColourRef(pixel));
    }
  }
}

void PaintDisabledPicture(HDC dc, const Picture& picture, int x, int y) {
  PaintShape(dc, picture, x + 1, y + 1, GetSysColor(COLOR_BTNHIGHLIGHT));
  PaintShape(dc, picture, x, y, GetSysColor(COLOR_BTNSHADOW));
}

}  // namespace zbk
