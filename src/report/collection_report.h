// "Raport zbioru": reads the catalogues of the working folder as the search
// finds them, writes the page kReportPageName there (as a catalogue is
// written: in a temporary file that takes the name only when complete) and
// gives a short summary: the totals, then one line per catalogue with its
// share of bytes copied elsewhere and its bytes found only there.
#pragma once

#include <string_view>

#include "ports/os.h"
#include "report/report_page.h"

namespace zbk {

// Where the report's texts go, Windows-1250, one line at a time.
class ReportOutput {
 public:
  virtual ~ReportOutput() = default;
  virtual void Line(std::string_view line) = 0;   // the summary
  virtual void Error(std::string_view line) = 0;  // what went wrong
};

enum ReportStatus : int {
  kReportWritten = 0,
  kReportNotWritten = 2,  // no catalogue, or the page could not be written
  kReportIncomplete = 3,  // written without the catalogues that could not be read
};

ReportStatus CollectionReport(Files& files, const ReportPlace& place, ReportOutput& output);

}  // namespace zbk
