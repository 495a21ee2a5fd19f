#include "report/collection_report.h"

#include <algorithm>
#include <string>

#include "catalogue/catalogue_line.h"
#include "report/collection.h"
#include "report/report_text.h"
#include "text/literal.h"
#include "text/short_text.h"

namespace zbk {
namespace {

void Summary(const CollectionFigures& figures, ReportOutput& output) {
  const CatalogueFigures totals = figures.Totals();
  output.Line(Join("Katalogi: "_cp, GroupedDigits(figures.catalogues.size() - figures.unread()),
                   ", pliki: "_cp, GroupedDigits(totals.files), ", bajty: "_cp,
                   SizeText(totals.bytes)));
  output.Line(Join("Tylko na jednym dysku: "_cp, SizeText(totals.single_bytes()),
                   ", z kopią na innym dysku: "_cp, SizeText(totals.copied_bytes)));
  std::size_t width = 0;
  for (const CatalogueFigures& c : figures.catalogues) width = std::max(width, c.name.size());
  for (const std::size_t i : RowOrder(figures)) {
    const CatalogueFigures& c = figures.catalogues[i];
    std::string line = c.name;
    line.resize(width, ' ');
    std::string share = ShareText(c);
    share.insert(0, share.size() < 6 ? 6 - share.size() : 0, ' ');
    line.append("  ")
        .append(share)
        .append(" z kopią, tylko tutaj "_cp)
        .append(SizeText(c.single_bytes()));
    if (c.fully_copied()) line.append(", można zwolnić"_cp);
    output.Line(line);
  }
}

}  // namespace

ReportStatus CollectionReport(Files& files, const ReportPlace& place, ReportOutput& output) {
  std::optional<CollectionFigures> figures;
  try {
    // The listing of the folder may fail as a medium does: no report then.
    figures = ReadCollection(files, files.WorkingFolder());
    if (!figures) {
      output.Error(Join("Nie ma plików *.TXT w folderze "_cp, place.folder));
      return kReportNotWritten;
    }
    for (const CatalogueFigures& c : figures->catalogues) {
      if (!c.read()) output.Error(Join(c.error, ", raport bez tego katalogu"_cp));
    }
    const auto page = files.Create(kReportPageName);
    if (!page) {
      output.Error(Join("Nie mogę utworzyć pliku "_cp, place.page));
      return kReportNotWritten;
    }
    page->Write(ReportPage(*figures, place));
    page->Close(Placement::kReplace);
  } catch (const FileError& error) {
    output.Error(error.Message());
    return kReportNotWritten;
  }
  output.Line(Join("Raport zbioru: "_cp, place.page));
  Summary(*figures, output);
  return figures->unread() > 0 ? kReportIncomplete : kReportWritten;
}

}  // namespace zbk
