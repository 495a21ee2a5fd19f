// The 16 x 16 glyphs of the window's buttons, read from the XPM pictures
// in resources/, and how they are painted: as drawn when the button is
// enabled, embossed in grey when it is disabled.
#pragma once

#include <windows.h>

#include "platform/xpm/xpm_image.h"

namespace zbk {

enum class GlyphId { kYes, kCancel, kAZ, kX2, kX2Disabled };

const Picture& GlyphPicture(GlyphId id);

// Paints `picture` with its top-left corner at x, y; transparent pixels
// leave what is there.
void PaintPicture(HDC dc, const Picture& picture, int x, int y);
// The disabled look: the picture's shape embossed in the system's greys.
void PaintDisabledPicture(HDC dc, const Picture& picture, int x, int y);

}  // namespace zbk
