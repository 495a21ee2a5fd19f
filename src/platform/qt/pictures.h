// The program's pictures, drawn for it and kept as XPM text in resources/:
// the icon (32 x 32, 16 colours) and the glyphs of the two speed buttons.
// The glyphs are drawn in dark colours for a light button face; on a dark
// face (a dark theme) each colour takes its light counterpart, the same hue
// with the lightness turned over, so the glyph stays as readable.
#pragma once

#include <QColor>
#include <QIcon>

namespace zbk {

QIcon ProgramIcon();
// The sort button's glyph, for a button of face `face`.
QIcon SortGlyph(const QColor& face);
// The equal-size button's glyphs, normal and disabled.
QIcon EqualSizeGlyphs(const QColor& face);

// True for a face on which the glyphs as drawn would be hard to see.
bool IsDarkFace(const QColor& face);

}  // namespace zbk
