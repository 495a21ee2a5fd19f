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

// Paints every pixel of the picture that is not transparent, as a block of
// the scaled size, in the colour `colour_of` gives it.
template <typename ColourOf>
void PaintBlocks(HDC dc, const Picture& picture, int x, int y, int width, int height,
                 ColourOf colour_of) {
  if (picture.width <= 0 || picture.height <= 0) return;
  const HGDIOBJ old_brush = SelectObject(dc, GetStockObject(DC_BRUSH));
  const COLORREF old_colour = GetDCBrushColor(dc);
  for (int row = 0; row < picture.height; ++row) {
    const int top = y + row * height / picture.height;
    const int bottom = y + (row + 1) * height / picture.height;
    for (int column = 0; column < picture.width; ++column) {
      const std::uint32_t pixel = picture.At(column, row);
      if (pixel == Picture::kTransparent) continue;
      const int left = x + column * width / picture.width;
      const int right = x + (column + 1) * width / picture.width;
      SetDCBrushColor(dc, colour_of(pixel));
      PatBlt(dc, left, top, right - left, bottom - top, PATCOPY);
    }
  }
  SetDCBrushColor(dc, old_colour);
  SelectObject(dc, old_brush);
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

void PaintPicture(HDC dc, const Picture& picture, int x, int y, int width, int height) {
  PaintBlocks(dc, picture, x, y, width, height, ColourRef);
}

void PaintDisabledPicture(HDC dc, const Picture& picture, int x, int y, int width, int height,
                          int offset) {
  const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
  PaintBlocks(dc, picture, x + offset, y + offset, width, height,
              [&](std::uint32_t) { return light; });
  PaintBlocks(dc, picture, x, y, width, height, [&](std::uint32_t) { return shadow; });
}

}  // namespace zbk
