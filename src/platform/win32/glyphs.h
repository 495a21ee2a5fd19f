// The 16 x 16 glyphs of the window's buttons, read from the XPM pictures
// in resources/, and how they are painted: as drawn when the button is
// enabled, embossed in grey when it is disabled. On a denser screen a glyph
// is painted larger, each of its pixels a block of screen pixels, so it
// stays crisp.
#pragma once

#include <windows.h>

#include "platform/xpm/xpm_image.h"

namespace zbk {

enum class GlyphId { kYes, kCancel, kAZ, kX2, kX2Disabled };

const Picture& GlyphPicture(GlyphId id);

// Paints `picture` into the `width` x `height` pixels whose top-left corner
// is at x, y; transparent pixels leave what is there.
void PaintPicture(HDC dc, const Picture& picture, int x, int y, int width, int height);
// The disabled look: the picture's shape embossed in the system's greys,
// the emboss `offset` pixels deep.
void PaintDisabledPicture(HDC dc, const Picture& picture, int x, int y, int width, int height,
                          int offset);

}  // namespace zbk
