#include "platform/win32/win32_drives.h"

#include <windows.h>

#include <array>
#include <cstdio>
#include <limits>

#include "platform/win32/quiet_errors.h"
#include "platform/win32/wide_text.h"

namespace zbk {
namespace {

constexpr DWORD kLabelBuffer = 201;

std::wstring RootOf(int drive) {
  return {static_cast<wchar_t>(L'A' + drive - 1), L':', L'\\'};
}

std::int64_t Clamped(ULONGLONG bytes) {
  constexpr auto kMost = static_cast<ULONGLONG>(std::numeric_limits<std::int64_t>::max());
  return static_cast<std::int64_t>(std::min(bytes, kMost));
}

// Free bytes available to the caller, or total bytes; -1 when the query fails.
std::int64_t Space(int drive, bool total) {
  if (drive < 1 || drive > 26) return -1;
  const QuietErrors quiet;
  ULARGE_INTEGER available{};
  ULARGE_INTEGER size{};
  if (GetDiskFreeSpaceExW(RootOf(drive).c_str(), &available, &size, nullptr) == FALSE) return -1;
  return Clamped(total ? size.QuadPart : available.QuadPart);
}

}  // namespace

std::string SerialText(std::uint32_t serial) {
  char text[10];
  std::snprintf(text, sizeof text, "%04X-%04X", static_cast<unsigned>(serial >> 16),
                static_cast<unsigned>(serial & 0xFFFFu));
  return text;
}

int Win32Drives::DriveType(std::string_view root) {
  const QuietErrors quiet;
  return static_cast<int>(GetDriveTypeW(WideFromCp1250(root).c_str()));
}

bool Win32Drives::VolumeLabel(std::string_view root, std::string& label) {
  const QuietErrors quiet;
  std::array<wchar_t, kLabelBuffer> buffer{};
  if (GetVolumeInformationW(WideFromCp1250(root).c_str(), buffer.data(), kLabelBuffer, nullptr,
                            nullptr, nullptr, nullptr, 0) == FALSE) {
    return false;
  }
  label = Cp1250FromWide(buffer.data());
  return true;
}

std::optional<std::string> Win32Drives::VolumeSerial(std::string_view root) {
  const QuietErrors quiet;
  DWORD serial = 0;
  if (GetVolumeInformationW(WideFromCp1250(root).c_str(), nullptr, 0, &serial, nullptr, nullptr,
                            nullptr, 0) == FALSE) {
    return std::nullopt;
  }
  return SerialText(serial);
}

std::int64_t Win32Drives::DiskFree(int drive) {
  return Space(drive, false);
}

std::int64_t Win32Drives::DiskSize(int drive) {
  return Space(drive, true);
}

NativePath Win32Drives::RootFolder(char letter) {
  return NativeOf(std::wstring(L"\\\\?\\") + static_cast<wchar_t>(letter) + L":\\");
}

}  // namespace zbk
