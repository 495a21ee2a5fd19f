// The window's font: Consolas bold with an em of 16 pixels scaled to the
// screen, East European characters. Where Consolas is missing (Wine has
// none), another installed fixed-pitch TrueType font takes its place; as
// the others are wider, the one chosen is the largest that still fits the
// drive list: a whole drive row (kDriveRowLength characters) within the
// row's width, its line within the row's height.
#pragma once

#include <windows.h>

#include "platform/win32/dpi.h"

namespace zbk {

// A new font, for the caller to delete. `row_width` and `row_height` are
// the room for the text of one row of the drive list, in screen pixels.
HFONT CreateWindowFont(Dpi dpi, int row_width, int row_height);

// Whether `font`'s drive row and line fit that room.
bool FontFits(HFONT font, int row_width, int row_height);

}  // namespace zbk
