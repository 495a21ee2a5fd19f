// A Windows icon file (.ico) of one picture as drawn: a 4-bit image of up
// to 16 colours with its palette, and the 1-bit mask that makes transparent
// pixels show what lies behind. (The other sizes of Zbk.exe's icon are
// rendered from the vector picture and put together with icotool; this is
// the one image that tool cannot make from the XPM.)
#pragma once

#include <string>

#include "platform/xpm/xpm_image.h"

namespace zbk {

// The bytes of the .ico. Throws XpmError when the picture is not square,
// is larger than 256 pixels or has more than 16 colours.
std::string IcoFile(const Picture& picture);

}  // namespace zbk
