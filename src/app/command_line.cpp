#include "app/command_line.h"

#include "report/collection_report.h"
#include "search/search_rows.h"
#include "search/search_words.h"
#include "text/literal.h"
#include "text/short_text.h"

namespace zbk {
namespace {

bool Is(const Argument& argument, std::string_view dashed, std::string_view slashed,
        bool slash_options) {
  return argument.text == dashed || (slash_options && !slashed.empty() && argument.text == slashed);
}

bool LooksLikeOption(const Argument& argument) {
  return argument.text.size() > 1 && argument.text.front() == '-';
}

CommandLine Wrong(std::string_view why) {
  CommandLine wrong;
  wrong.command = CommandLine::Command::kWrong;
  wrong.wrong = why;
  return wrong;
}

void Help(std::string_view program, Terminal& terminal) {
  const std::string p(program);
  const std::string pad(p.size(), ' ');
  for (const std::string& line : {
           Join("Użycie:"_cp),
           Join("  ", p, "                        okno programu w bieżącym folderze"_cp),
           Join("  ", p, " [-C FOLDER] --szukaj SŁOWO [SŁOWO [SŁOWO]]"_cp),
           Join("  ", pad,
                "                        szuka w katalogach (*.txt) folderu tak jak okno"_cp),
           Join("  ", pad, "                        i wypisuje trafienia wierszami okna"_cp),
           Join("  ", p, " --raport [FOLDER] [--pokaz]"_cp),
           Join("  ", pad, "                        raport zbioru katalogów: FOLDER"_cp),
           Join("  ", pad,
                "                        zbiorek-raport.html i podsumowanie; --pokaz"_cp),
           Join("  ", pad, "                        otwiera stronę w przeglądarce"_cp),
           Join("  ", p, " --help                 ta pomoc"_cp),
           Join("FOLDER: domyślnie bieżący. Kody wyjścia: 0 trafienia / raport zapisany,"_cp),
           Join("1 brak trafień, 2 błędne polecenie lub brak katalogów, 3 katalog nie do"_cp),
           Join("odczytania."_cp),
       }) {
    terminal.Out(line);
  }
}

int Search(const CommandLine& command_line, Files& files, Terminal& terminal) {
  const QueryWords query = WordsOfQuery(command_line.query);
  if (!query.words) {
    terminal.Err(query.refusal);
    return 2;
  }
  try {
    const SearchRowsResult result =
        SearchRows(files, *query.words, [&](std::string_view row) { terminal.Out(row); });
    if (!result.catalogues) terminal.Err("Nie ma plików *.TXT"_cp);
    return result.hits > 0 ? 0 : 1;
  } catch (const FileError& error) {
    terminal.Err(error.Message());
    return 3;
  }
}

class TerminalReportOutput : public ReportOutput {
 public:
  explicit TerminalReportOutput(Terminal& terminal) : terminal_(terminal) {}
  void Line(std::string_view line) override { terminal_.Out(line); }
  void Error(std::string_view line) override { terminal_.Err(line); }

 private:
  Terminal& terminal_;
};

int Report(const CommandLine& command_line, Files& files, Terminal& terminal) {
  ReportPlace place{terminal.FolderShown(), terminal.PathShown(kReportPageName), terminal.Now()};
  TerminalReportOutput output(terminal);
  const ReportStatus status = CollectionReport(files, place, output);
  if (status != kReportNotWritten && command_line.show && !terminal.Show(kReportPageName)) {
    terminal.Err(Join("Nie mogę otworzyć strony "_cp, place.page));
  }
  return status;
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<Argument>& arguments, bool slash_options) {
  const auto option = [&](const Argument& argument) {
    return Is(argument, "--szukaj", "", slash_options) ||
           Is(argument, "--raport", "/raport", slash_options) ||
           Is(argument, "-C", "", slash_options) ||
           Is(argument, "--pokaz", "/pokaz", slash_options) ||
           Is(argument, "--help", "/?", slash_options) || argument.text == "-h";
  };
  CommandLine line;
  // Without one of its options, the command line is the window toolkit's.
  bool any = false;
  for (const Argument& argument : arguments) any = any || option(argument);
  if (!any) return line;

  bool report = false;
  bool search = false;
  bool help = false;
  const auto take_folder = [&](const Argument& argument) {
    if (line.folder) return false;
    line.folder = argument.native;
    line.folder_text = argument.text;
    return true;
  };
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const Argument& argument = arguments[i];
    if (Is(argument, "--szukaj", "", slash_options)) {
      // Every argument after it is a word.
      search = true;
      for (++i; i < arguments.size(); ++i) {
        if (!line.query.empty()) line.query.push_back(' ');
        line.query.append(arguments[i].text);
      }
      break;
    }
    if (Is(argument, "--raport", "/raport", slash_options)) {
      report = true;
      if (i + 1 < arguments.size() && !option(arguments[i + 1]) &&
          !LooksLikeOption(arguments[i + 1])) {
        if (!take_folder(arguments[++i])) return Wrong("Podano dwa foldery"_cp);
      }
    } else if (Is(argument, "-C", "", slash_options)) {
      if (i + 1 == arguments.size()) return Wrong("Po -C brak folderu"_cp);
      if (!take_folder(arguments[++i])) return Wrong("Podano dwa foldery"_cp);
    } else if (Is(argument, "--pokaz", "/pokaz", slash_options)) {
      line.show = true;
    } else if (Is(argument, "--help", "/?", slash_options) || argument.text == "-h") {
      help = true;
    } else {
      return Wrong(Join("Nieznana opcja "_cp, argument.text));
    }
  }
  if (help) {
    line.command = CommandLine::Command::kHelp;
  } else if (report && search) {
    return Wrong("Albo --szukaj, albo --raport"_cp);
  } else if (search) {
    if (line.show) return Wrong("--pokaz tylko z --raport"_cp);
    line.command = CommandLine::Command::kSearch;
  } else if (report) {
    line.command = CommandLine::Command::kReport;
  } else {
    return Wrong("-C i --pokaz tylko z --szukaj albo --raport"_cp);
  }
  return line;
}

int RunCommandLine(const CommandLine& command_line, std::string_view program, Files& files,
                   Terminal& terminal) {
  switch (command_line.command) {
    case CommandLine::Command::kWindow:
      return 0;
    case CommandLine::Command::kHelp:
      Help(program, terminal);
      return 0;
    case CommandLine::Command::kWrong:
      terminal.Err(command_line.wrong);
      terminal.Err(Join("Pomoc: "_cp, program, " --help"));
      return 2;
    case CommandLine::Command::kSearch:
    case CommandLine::Command::kReport:
      break;
  }
  if (command_line.folder && !terminal.EnterFolder(*command_line.folder)) {
    terminal.Err(Join("Nie mogę wejść do folderu "_cp, command_line.folder_text));
    return 2;
  }
  return command_line.command == CommandLine::Command::kSearch
             ? Search(command_line, files, terminal)
             : Report(command_line, files, terminal);
}

}  // namespace zbk
