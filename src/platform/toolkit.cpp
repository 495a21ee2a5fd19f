#include "platform/toolkit.h"

#include "platform/os.h"

namespace zbk {

void Deliver(WindowHandlers& handlers, Handler handler, ErrorReport& report) {
  try {
    handlers.Run(handler);
  } catch (const FileError& error) {
    report.ShowError(error.Message());
  }
}

}  // namespace zbk
