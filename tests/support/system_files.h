// The file system of the machine the tests run on: POSIX, or Windows (the
// cross build whose tests run under Wine).
#pragma once

#ifdef _WIN32
#include "platform/win32/win32_files.h"
namespace zbk::testing {
using SystemFiles = Win32Files;
}
#else
#include "platform/posix/posix_files.h"
namespace zbk::testing {
using SystemFiles = PosixFiles;
}
#endif
