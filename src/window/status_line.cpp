#include "window/status_line.h"

#include <string>

#include "text/framed_number.h"

namespace zbk {

void StatusLine::SetStatusLine(std::string_view text) {
  pa_.SetCaption(Head(text, kShortTextCapacity));
  fo_.ProcessMessages();
}

void StatusLine::ShowStatus(std::string_view message) {
  last_status_ = ShortText(Join(" ", Head(message, kShortTextCapacity), "."));
  SetStatusLine(last_status_);
}

void StatusLine::ShowProgress(std::uint32_t n) {
  SetStatusLine(Join(last_status_, FramedNumber(n)));
}

}  // namespace zbk
