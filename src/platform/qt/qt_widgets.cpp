#include "platform/qt/qt_widgets.h"

#include "platform/qt/qt_text.h"

namespace zbk {

std::string QtButton::Caption() const {
  return FromQString(button_.text());
}

void QtButton::SetCaption(std::string_view caption) {
  button_.setText(ToQString(caption));
}

std::string QtEditField::Text() const {
  return FromQString(edit_.text());
}

void QtPanel::SetCaption(std::string_view caption) {
  panel_.SetCaption(ToQString(caption));
}

}  // namespace zbk
