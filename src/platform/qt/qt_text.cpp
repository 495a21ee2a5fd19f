#include "platform/qt/qt_text.h"

#include "platform/encoding/cp1250.h"

namespace zbk {

QString ToQString(std::string_view cp1250) {
  const std::u16string utf16 = Cp1250ToUtf16(cp1250);
  return QString(reinterpret_cast<const QChar*>(utf16.data()),
                 static_cast<qsizetype>(utf16.size()));
}

std::string FromQString(const QString& text) {
  return Utf16ToCp1250(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                           static_cast<std::size_t>(text.size())));
}

}  // namespace zbk
