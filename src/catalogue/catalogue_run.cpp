#include "catalogue/catalogue_run.h"

#include "catalogue/folder_walk.h"
#include "drives/drive_line.h"
#include "text/line_writer.h"
#include "text/literal.h"

namespace zbk {
namespace {

constexpr std::size_t kLabelColumn = 15;  // column 16, counted from 0
constexpr std::size_t kLabelWidth = 15;

constexpr std::string_view kDonationNote = "dobrym słowem do autorów Zbiorka"_cp;

}  // namespace

ShortText CatalogueFileName(std::string_view drive_row) {
  const std::string_view label = drive_row.size() > kLabelColumn
                                     ? Head(drive_row.substr(kLabelColumn), kLabelWidth)
                                     : std::string_view();
  std::string name = Join(label, ".txt");
  for (auto at = name.find(" ."); at != std::string::npos; at = name.find(" .")) name.erase(at, 1);
  return ShortText(name);
}

bool StaysInWorkingFolder(std::string_view name) {
  return name.find_first_of("/\\:") == std::string_view::npos;
}

std::optional<char> DriveOfRow(std::string_view drive_row) {
  if (drive_row.size() < 3 || drive_row[2] != ':') return std::nullopt;
  const char letter = drive_row[1];
  if (letter < 'A' || letter > 'Z') return std::nullopt;
  return letter;
}

void CatalogueRun(WindowState& state) {
  ListBox& results = state.w.L;
  results.SetSorted(false);
  std::uint32_t root_count = 0;
  ExtensionTally root_tally;
  UnusualFolderList unusual;

  const int selected = state.w.Li.Selected();
  const std::string row = selected >= 0 ? state.w.Li.Row(selected) : std::string();
  const std::optional<char> letter = DriveOfRow(row);
  if (!letter) {
    state.ShowStatus("Wybierz napęd"_cp);
    return;
  }
  results.Clear();

  const ShortText name = CatalogueFileName(row);
  std::unique_ptr<OutputFile> created;
  if (StaysInWorkingFolder(name)) created = state.os.files.Create(name);
  if (!created) {
    state.ShowStatus(Join("Nie mogę stworzyć "_cp, name));
    return;
  }
  LineWriter file(std::move(created));

  state.BusyFlag = -1;
  const std::string drive = row.substr(1, 2);
  state.ShowStatus("Start opóźniony - dajmy się dyskowi rozkręcić"_cp);
  CatalogueRunContext run{state, file, unusual};
  FolderWalk(run, ShortText(Join(drive, "\\")), state.os.drives.RootFolder(*letter), root_count,
             root_tally);
  // The file is closed while the flag is still set: a failure there ends the
  // command like any other file error, with the flag set until Esc.
  file.Close();
  state.BusyFlag = 0;
  results.Focus();
  state.ShowStatus(
      Join("Koniec "_cp, drive, ", ew. podziękowania proszę wysyłać "_cp, kDonationNote));
  const auto& lines = unusual.lines();
  for (auto it = lines.rbegin(); it != lines.rend(); ++it) results.Add(*it);
  results.Select(results.Count() - 1);
}

}  // namespace zbk
