#include "platform/toolkit.h"

#include "platform/os.h"

namespace zbk {

Handler EnterHandler(FocusControl control) {
  switch (control) {
    case FocusControl::kLi:
      return Handler::kLiEnte;
    case FocusControl::kL:
      return Handler::kLEnter;
    case FocusControl::kE:
      break;
  }
  return Handler::kEEnter;
}

void Deliver(WindowHandlers& handlers, Handler handler, ErrorReport& report) {
  try {
    handlers.Run(handler);
  } catch (const FileError& error) {
    report.ShowError(error.Message());
  }
}

}  // namespace zbk
