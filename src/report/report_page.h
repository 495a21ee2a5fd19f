// The report as one self-contained page in Windows-1250: no scripts, nothing
// from elsewhere; the bars are drawn with CSS.
#pragma once

#include <string>
#include <string_view>

#include "report/collection.h"

namespace zbk {

inline constexpr std::string_view kReportPageName = "zbiorek-raport.html";

// Where and when the report was made, as the page and the summary show it.
struct ReportPlace {
  std::string folder;  // the catalogue folder, Windows-1250
  std::string page;    // the page's path, Windows-1250
  std::string date;    // "2026-12-08 21:30"
};

std::string ReportPage(const CollectionFigures& figures, const ReportPlace& place);

}  // namespace zbk
