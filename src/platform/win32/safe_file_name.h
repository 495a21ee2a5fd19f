// Whether a Windows-1250 name may be created as a file in the working
// folder: a plain name that stays in that folder and is no device. Windows
// reads CON, PRN, AUX, NUL, COM1 to COM9 and LPT1 to LPT9 (with any
// extension, trailing spaces ignored) as devices anywhere, and drops trailing
// spaces and dots, so such names never reach a file of that name.
#pragma once

#include <string_view>

namespace zbk {

bool IsSafeFileName(std::string_view name);

}  // namespace zbk
