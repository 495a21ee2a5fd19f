#include "platform/win32/wide_text.h"

#include "platform/encoding/cp1250.h"

namespace zbk {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows' wide characters are UTF-16");

std::wstring WideFromCp1250(std::string_view text) {
  const std::u16string utf16 = Cp1250ToUtf16(text);
  return std::wstring(utf16.begin(), utf16.end());
}

std::string Cp1250FromWide(std::wstring_view text) {
  const std::u16string utf16(text.begin(), text.end());
  return Utf16ToCp1250(utf16);
}

std::wstring WideOf(const NativePath& path) {
  std::wstring wide;
  wide.reserve(path.size() / 2);
  for (std::size_t i = 0; i + 1 < path.size(); i += 2) {
    const auto low = static_cast<unsigned char>(path[i]);
    const auto high = static_cast<unsigned char>(path[i + 1]);
    wide.push_back(static_cast<wchar_t>(low | (high << 8)));
  }
  return wide;
}

NativePath NativeOf(std::wstring_view wide) {
  NativePath path;
  path.reserve(wide.size() * 2);
  for (const wchar_t unit : wide) {
    const auto code = static_cast<unsigned>(unit);
    path.push_back(static_cast<char>(code & 0xFF));
    path.push_back(static_cast<char>((code >> 8) & 0xFF));
  }
  return path;
}

}  // namespace zbk
