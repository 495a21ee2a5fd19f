#include "win32/wine_support.h"

#include <windows.h>
#include <winioctl.h>

#include <stdexcept>

namespace zbk::testing {

namespace fs = std::filesystem;

void MakeFile(const fs::path& file, std::uint64_t size) {
  fs::create_directories(file.parent_path());
  const HANDLE handle = CreateFileW(file.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                    CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot create a test file");
  DWORD returned = 0;
  DeviceIoControl(handle, FSCTL_SET_SPARSE, nullptr, 0, nullptr, 0, &returned, nullptr);
  LARGE_INTEGER end;
  end.QuadPart = static_cast<LONGLONG>(size);
  const bool sized =
      SetFilePointerEx(handle, end, nullptr, FILE_BEGIN) != FALSE && SetEndOfFile(handle) != FALSE;
  CloseHandle(handle);
  if (!sized) throw std::runtime_error("cannot size a test file");
}

void WriteBytes(const fs::path& file, std::string_view bytes) {
  fs::create_directories(file.parent_path());
  const HANDLE handle = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot create a test file");
  DWORD written = 0;
  WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(handle);
  if (written != bytes.size()) throw std::runtime_error("cannot write a test file");
}

std::string ReadBytes(const fs::path& file) {
  const HANDLE handle =
      CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return "(no such file)";
  std::string bytes;
  char buffer[4096];
  DWORD read = 0;
  while (ReadFile(handle, buffer, sizeof buffer, &read, nullptr) != FALSE && read > 0) {
    bytes.append(buffer, read);
  }
  CloseHandle(handle);
  return bytes;
}

WorkingFolderScope::WorkingFolderScope(const fs::path& folder) : before_(fs::current_path()) {
  fs::current_path(folder);
}

WorkingFolderScope::~WorkingFolderScope() {
  std::error_code ignored;
  fs::current_path(before_, ignored);
}

}  // namespace zbk::testing
