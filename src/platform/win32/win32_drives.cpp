#include "platform/win32/win32_drives.h"

#include <windows.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <limits>

#include "platform/encoding/cp1250.h"
#include "platform/win32/quiet_errors.h"
#include "platform/win32/wide_text.h"

namespace zbk {
namespace {

constexpr DWORD kLabelBuffer = 201;

std::int64_t Clamped(ULONGLONG bytes) {
  constexpr auto kMost = static_cast<ULONGLONG>(std::numeric_limits<std::int64_t>::max());
  return static_cast<std::int64_t>(std::min(bytes, kMost));
}

}  // namespace

std::string SerialText(std::uint32_t serial) {
  char text[10];
  std::snprintf(text, sizeof text, "%04X-%04X", static_cast<unsigned>(serial >> 16),
                static_cast<unsigned>(serial & 0xFFFFu));
  return text;
}

DriveInfo Win32Drives::Query(char letter) {
  const QuietErrors quiet;
  const std::wstring root = {static_cast<wchar_t>(letter), L':', L'\\'};
  DriveInfo info;
  info.type = static_cast<int>(GetDriveTypeW(root.c_str()));
  if (info.type == kDriveNoRoot) return info;
  info.root = NativeOf(L"\\\\?\\" + root);
  std::array<wchar_t, kLabelBuffer> label{};
  DWORD serial = 0;
  if (GetVolumeInformationW(root.c_str(), label.data(), kLabelBuffer, &serial, nullptr, nullptr,
                            nullptr, 0) != FALSE) {
    info.label = Cp1250FromWide(label.data());
    const std::wstring_view wide(label.data());
    info.label_exact = FitsCp1250(std::u16string(wide.begin(), wide.end()));
    info.serial = SerialText(serial);
  }
  ULARGE_INTEGER available{};
  ULARGE_INTEGER size{};
  if (GetDiskFreeSpaceExW(root.c_str(), &available, &size, nullptr) != FALSE) {
    info.free = Clamped(available.QuadPart);
    info.total = Clamped(size.QuadPart);
  }
  return info;
}

}  // namespace zbk
