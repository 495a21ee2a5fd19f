#include "platform/encoding/cp1250.h"

#include "text/cp1250_table.h"
#include "text/utf8.h"

namespace zbk {
namespace {

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

char ByteFor(char32_t cp) {
  const int byte = Cp1250FromCodePoint(cp);
  return byte < 0 ? '?' : static_cast<char>(byte);
}

}  // namespace

std::string Cp1250ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) AppendUtf8(out, CodePointFromCp1250(static_cast<unsigned char>(c)));
  return out;
}

std::string Utf8ToCp1250(std::string_view text) {
  std::string out;
  Utf8ToCp1250(text, out);
  return out;
}

void Utf8ToCp1250(std::string_view text, std::string& out) {
  out.clear();
  std::size_t i = 0;
  while (i < text.size()) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte < 0x80) {  // ASCII, by far the most common
      out.push_back(static_cast<char>(byte));
      ++i;
      continue;
    }
    char32_t cp = 0;
    out.push_back(DecodeUtf8(text, i, cp) ? ByteFor(cp) : '?');
  }
}

std::u16string Cp1250ToUtf16(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (const char c : text) {
    out.push_back(static_cast<char16_t>(CodePointFromCp1250(static_cast<unsigned char>(c))));
  }
  return out;
}

std::string Utf16ToCp1250(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t unit = text[i];
    if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF) {
      ++i;  // a pair: a character beyond the code page
      out.push_back('?');
    } else {
      out.push_back(ByteFor(unit));
    }
  }
  return out;
}

bool FitsCp1250(std::string_view utf8) {
  return Cp1250ToUtf8(Utf8ToCp1250(utf8)) == utf8;
}

bool FitsCp1250(std::u16string_view utf16) {
  return Cp1250ToUtf16(Utf16ToCp1250(utf16)) == utf16;
}

}  // namespace zbk
