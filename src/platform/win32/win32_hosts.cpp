#include "platform/win32/win32_hosts.h"

#include <windows.h>

#include <array>

#include "platform/win32/wide_text.h"

namespace zbk {
namespace {

// Room for the longest names the system allows (computer 15 characters in
// NetBIOS form, DNS names up to 63; user names up to 256).
constexpr DWORD kNameBuffer = 257;

}  // namespace

std::string Win32Hosts::ComputerName() {
  std::array<wchar_t, kNameBuffer> buffer{};
  DWORD size = kNameBuffer;
  if (GetComputerNameW(buffer.data(), &size) == FALSE) return {};
  return Cp1250FromWide(buffer.data());
}

std::string Win32Hosts::UserName() {
  std::array<wchar_t, kNameBuffer> buffer{};
  DWORD size = kNameBuffer;
  if (GetUserNameW(buffer.data(), &size) == FALSE) return {};
  return Cp1250FromWide(buffer.data());
}

}  // namespace zbk
