// A Windows icon file (.ico) of one picture at several sizes. The picture at
// its own size stays as drawn: a 4-bit image of up to 16 colours with its
// palette. The other sizes are made from it in 32-bit colour with an alpha
// channel: each pixel takes the colours of the picture's pixels it covers,
// in proportion to the area covered, so a whole multiple repeats every
// pixel as a block and stays crisp. Every image has the 1-bit mask that
// makes transparent pixels show what lies behind.
#pragma once

#include <span>
#include <string>

#include "platform/xpm/xpm_image.h"

namespace zbk {

// The sizes Windows shows a program's icon at (16 and 24 in lists and the
// title bar, 32 and 48 on the desktop, 256 in large views).
inline constexpr int kIconSizes[] = {16, 24, 32, 48, 256};

// The bytes of the .ico, one square image per size, in the order given.
// Throws XpmError when the picture is not square, has more than 16
// colours, or a size is out of 1 to 256.
std::string IcoFile(const Picture& picture, std::span<const int> sizes = kIconSizes);

}  // namespace zbk
