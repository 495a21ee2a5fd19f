// The file system of the machine the tests run on: POSIX, or Windows (the
// cross build whose tests run under Wine), and the native path of a folder
// or file there.
#pragma once

#include <filesystem>

#ifdef _WIN32
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_files.h"
namespace zbk::testing {
using SystemFiles = Win32Files;
inline NativePath NativeOfPath(const std::filesystem::path& path) {
  return NativeOf(path.wstring());
}
}  // namespace zbk::testing
#else
#include "platform/posix/posix_files.h"
namespace zbk::testing {
using SystemFiles = PosixFiles;
inline NativePath NativeOfPath(const std::filesystem::path& path) {
  return path.string();
}
}  // namespace zbk::testing
#endif
