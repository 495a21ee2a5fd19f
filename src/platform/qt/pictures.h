// The program's pictures, drawn for it and kept as XPM text in resources/:
// the icon (32 x 32, 16 colours) and the glyphs of the two speed buttons.
#pragma once

#include <QIcon>

namespace zbk {

QIcon ProgramIcon();
// The sort button's glyph.
QIcon SortGlyph();
// The equal-size button's glyphs, normal and disabled.
QIcon EqualSizeGlyphs();

}  // namespace zbk
