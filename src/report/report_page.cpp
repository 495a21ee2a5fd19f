#include "report/report_page.h"

#include "catalogue/catalogue_line.h"
#include "report/report_text.h"
#include "text/literal.h"
#include "text/short_text.h"

namespace zbk {
namespace {

constexpr std::string_view kHead = R"(<!DOCTYPE html>
<html lang="pl">
<head>
<meta charset="windows-1250">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>Zbiorek: raport zbioru</title>
<style>
body { font-family: sans-serif; margin: 1.5em 2em; color: #222; background: #fff; }
h1 { font-size: 1.6em; margin-bottom: 0.2em; }
h2 { font-size: 1.25em; margin-top: 1.6em; border-bottom: 1px solid #ccc; }
h3 { font-size: 1.05em; margin: 1.2em 0 0.3em; }
table { border-collapse: collapse; }
th, td { padding: 0.25em 0.7em; text-align: left; vertical-align: top; }
th { background: #eef1f5; }
tr:nth-child(even) td { background: #f7f8fa; }
td.n { text-align: right; white-space: nowrap; }
.skad { color: #555; margin-top: 0; }
.wolny { background: #2e7d32; color: #fff; border-radius: 3px; padding: 0 0.4em; font-size: 0.85em; white-space: nowrap; }
.pasek { width: 12em; height: 0.9em; background: #e0a030; border: 1px solid #999; }
.pasek div { height: 100%; background: #3a8dde; }
.legenda span { display: inline-block; width: 0.9em; height: 0.9em; vertical-align: middle; border: 1px solid #999; }
.blad { color: #b00020; }
.sciezka { font-family: monospace; word-break: break-all; }
</style>
</head>
<body>
)";

void Row(std::string& page, std::string_view header, const std::string& value) {
  page.append("<tr><th>").append(header).append("</th><td class=\"n\">").append(value);
  page.append("</td></tr>\n");
}

std::string BytesText(std::uint64_t bytes) {
  return Join(SizeText(bytes), " ("_cp, GroupedDigits(bytes), " B)"_cp);
}

void Totals(std::string& page, const CollectionFigures& figures) {
  const CatalogueFigures totals = figures.Totals();
  page.append("<h2>Razem</h2>\n<table class=\"razem\">\n");
  Row(page, "Katalogi (dyski)"_cp, GroupedDigits(figures.catalogues.size() - figures.unread()));
  Row(page, "Pliki"_cp, GroupedDigits(totals.files));
  Row(page, "Bajty"_cp, BytesText(totals.bytes));
  Row(page, "Tylko na jednym dysku"_cp, BytesText(totals.single_bytes()));
  Row(page, "Z kopią na innym dysku"_cp, BytesText(totals.copied_bytes));
  if (totals.over_4gb > 0) {
    Row(page, "Pliki „większy niż 4GB” (ich bajty nie są liczone)"_cp,
        Join(GroupedDigits(totals.over_4gb), ", z kopią: "_cp,
             GroupedDigits(totals.over_4gb_copied)));
  }
  page.append("</table>\n");
  if (figures.unread() == 0) return;
  page.append(Join("<h2>Katalogi, których nie można odczytać</h2>\n<ul class=\"blad\">\n"_cp));
  for (const CatalogueFigures& c : figures.catalogues) {
    if (!c.read()) page.append("<li>").append(Escaped(c.error)).append("</li>\n");
  }
  page.append("</ul>\n");
}

void Disks(std::string& page, const CollectionFigures& figures) {
  page.append(
      Join("<h2>Dyski</h2>\n<p class=\"legenda\">Pasek: <span style=\"background:#3a8dde\"></span> "
           "bajty z kopią na innym dysku, <span style=\"background:#e0a030\"></span> bajty tylko "
           "na tym dysku.</p>\n"_cp));
  page.append(Join(
      "<table class=\"dyski\">\n<tr><th>Katalog</th><th>Pliki</th><th>Bajty</th>"
      "<th>Z kopią</th><th>Tylko tutaj: pliki</th><th>Tylko tutaj: bajty</th><th></th></tr>\n"_cp));
  for (const std::size_t i : RowOrder(figures)) {
    const CatalogueFigures& c = figures.catalogues[i];
    page.append("<tr><td>").append(Escaped(c.name));
    if (c.fully_copied()) page.append(Join(" <span class=\"wolny\">można zwolnić</span>"_cp));
    page.append("</td><td class=\"n\">").append(GroupedDigits(c.files));
    page.append("</td><td class=\"n\">").append(SizeText(c.bytes));
    page.append("</td><td class=\"n\">").append(ShareText(c));
    page.append("</td><td class=\"n\">").append(GroupedDigits(c.single_files()));
    page.append("</td><td class=\"n\">").append(SizeText(c.single_bytes()));
    const unsigned per_mille = SharePerMille(c);
    page.append("</td><td><div class=\"pasek\"");
    if (c.bytes == 0) page.append(" style=\"background:#ddd\"");
    page.append("><div style=\"width:")
        .append(std::to_string(per_mille / 10))
        .append(".")
        .append(std::to_string(per_mille % 10))
        .append("%\"></div></div></td></tr>\n");
  }
  page.append("</table>\n");
}

void FileRow(std::string& page, const ShownFile& file) {
  page.append("<tr><td class=\"n\">").append(FileSizeText(file.size));
  page.append("</td><td class=\"sciezka\">").append(file.path.empty() ? "?" : Escaped(file.path));
  page.append("</td>");
}

void Singles(std::string& page, const CollectionFigures& figures) {
  page.append(Join("<h2>Największe pliki, które są tylko na jednym dysku</h2>\n"_cp));
  bool any = false;
  for (const std::size_t i : RowOrder(figures)) {
    const CatalogueFigures& c = figures.catalogues[i];
    if (c.largest_single.empty()) continue;
    any = true;
    page.append("<h3>").append(Escaped(c.name)).append("</h3>\n<table>\n");
    for (const ShownFile& file : c.largest_single) {
      FileRow(page, file);
      page.append("</tr>\n");
    }
    page.append("</table>\n");
    const std::uint64_t rest = c.single_files() - c.largest_single.size();
    if (rest > 0)
      page.append(Join("<p>Pozostałe pliki tylko tutaj: "_cp, GroupedDigits(rest), ".</p>\n"));
  }
  if (!any) page.append(Join("<p>Każdy plik ma kopię na innym dysku.</p>\n"_cp));
}

void MostCopied(std::string& page, const CollectionFigures& figures) {
  page.append(Join("<h2>Pliki z największą liczbą kopii (na 3 dyskach i więcej)</h2>\n"_cp));
  if (figures.most_copied.empty()) {
    page.append(Join("<p>Żaden plik nie jest na trzech dyskach.</p>\n"_cp));
    return;
  }
  page.append(Join(
      "<table>\n<tr><th>Rozmiar</th><th>Plik</th><th>Dyski</th><th>Na dyskach</th></tr>\n"_cp));
  for (const SharedFile& shared : figures.most_copied) {
    FileRow(page, shared.file);
    page.append("<td class=\"n\">")
        .append(std::to_string(shared.catalogues.size()))
        .append("</td><td>");
    for (std::size_t k = 0; k < shared.catalogues.size(); ++k) {
      if (k > 0) page.append(", ");
      page.append(Escaped(figures.catalogues[shared.catalogues[k]].name));
    }
    page.append("</td></tr>\n");
  }
  page.append("</table>\n");
}

}  // namespace

std::string ReportPage(const CollectionFigures& figures, const ReportPlace& place) {
  std::string page(kHead);
  page.append(
      Join("<h1>Raport zbioru</h1>\n<p class=\"skad\">Katalogi z folderu <b class=\"folder\">"_cp));
  page.append(Escaped(place.folder));
  page.append(Join("</b>, sporządzony <span class=\"data\">"_cp)).append(Escaped(place.date));
  page.append("</span>.</p>\n");
  Totals(page, figures);
  Disks(page, figures);
  Singles(page, figures);
  MostCopied(page, figures);
  page.append("</body>\n</html>\n");
  return page;
}

}  // namespace zbk
