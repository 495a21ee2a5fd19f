// A Windows icon file (.ico) of one picture in 16 colours: a 4-bit image
// with its palette and a 1-bit mask that makes the transparent pixels show
// what lies behind.
#pragma once

#include <string>

#include "platform/xpm/xpm_image.h"

namespace zbk {

// The bytes of the .ico. Throws XpmError when the picture has more than 16
// colours or is larger than 256 pixels either way.
std::string IcoFile(const Picture& picture);

}  // namespace zbk
