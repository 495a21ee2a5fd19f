// The status line Pa: every message goes through ShowStatus, which frames it
// and remembers it in LastStatus; ShowProgress appends a running count to the
// remembered message. Each write lets the toolkit process the messages that
// are waiting: that is how the window stays responsive during a command.
#pragma once

#include <cstdint>
#include <string_view>

#include "ports/toolkit.h"
#include "text/short_text.h"

namespace zbk {

class StatusLine {
 public:
  StatusLine(Panel& pa, MainWindow& fo) : pa_(pa), fo_(fo) {}

  // Shows a space, the message and a full stop.
  void ShowStatus(std::string_view message);
  // Shows LastStatus followed by the framed count; LastStatus stays.
  void ShowProgress(std::uint32_t n);
  const ShortText& LastStatus() const { return last_status_; }

 private:
  void SetStatusLine(std::string_view text);

  Panel& pa_;
  MainWindow& fo_;
  ShortText last_status_;
};

}  // namespace zbk
