// Conversions between the program's Windows-1250 texts and the Unicode of
// toolkits and file systems. Characters Windows-1250 lacks, and bytes that
// are not valid UTF-8, become '?'.
#pragma once

#include <string>
#include <string_view>

namespace zbk {

std::string Cp1250ToUtf8(std::string_view text);
std::string Utf8ToCp1250(std::string_view text);
// The same into `out`, whose room is kept for the next call.
void Utf8ToCp1250(std::string_view text, std::string& out);
std::u16string Cp1250ToUtf16(std::string_view text);
std::string Utf16ToCp1250(std::u16string_view text);
// Whether the text converts to Windows-1250 and back unchanged: valid, and
// every character one that Windows-1250 holds.
bool FitsCp1250(std::string_view utf8);
bool FitsCp1250(std::u16string_view utf16);

}  // namespace zbk
