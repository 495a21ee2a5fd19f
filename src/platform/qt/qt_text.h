// Texts at the edge between the program (Windows-1250 bytes) and Qt
// (Unicode).
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace zbk {

QString ToQString(std::string_view cp1250);
// Characters Windows-1250 lacks become '?'.
std::string FromQString(const QString& text);

}  // namespace zbk
