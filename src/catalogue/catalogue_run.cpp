#include "catalogue/catalogue_run.h"

#include "catalogue/folder_walk.h"
#include "catalogue/line_writer.h"
#include "drives/drive_line.h"
#include "text/literal.h"

namespace zbk {
namespace {

constexpr std::string_view kDonationNote = "dobrym słowem do autorów Zbiorka"_cp;
constexpr std::string_view kNoLabel = "bez etykiety"_cp;

bool Blank(std::string_view text) {
  return text.find_first_not_of(' ') == std::string_view::npos;
}

}  // namespace

ShortText CatalogueFileName(const VolumeIdentity& volume) {
  // The field's filling spaces go with the spaces before ".txt".
  std::string label = volume.label_field;
  // A catalogue named ".txt" would be hidden, and never searched; one named
  // after a label with '?' standing in for letters would be shared by
  // every other such label.
  if (Blank(label) || !volume.label_exact) {
    const std::optional<std::string>& serial = volume.serial;
    label = serial && !Blank(*serial) ? *serial : std::string(kNoLabel);
  }
  std::string name = Join(label, ".txt");
  for (auto at = name.find(" ."); at != std::string::npos; at = name.find(" .")) name.erase(at, 1);
  // Nor is one whose name begins with a period searched.
  for (std::size_t i = 0; i + 4 < name.size() && name[i] == '.'; ++i) name[i] = '_';
  return ShortText(name);
}

bool StaysInWorkingFolder(std::string_view name) {
  return name.find_first_of("/\\:") == std::string_view::npos;
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
  // The row may be up to a refresh old: another medium may be in by now.
  Drives& drives = state.os.drives;
  const VolumeIdentity volume = IdentifyVolume(drives, *letter);
  if (!volume.answered || !RowShowsLabel(row, volume.label_field)) {
    state.ShowStatus("Dysk się zmienił, wybierz go jeszcze raz"_cp);
    return;
  }
  results.Clear();

  const ShortText name = CatalogueFileName(volume);
  std::unique_ptr<OutputFile> created;
  if (StaysInWorkingFolder(name)) created = state.os.files.Create(name);
  if (!created) {
    state.ShowStatus(Join("Nie mogę stworzyć "_cp, name));
    return;
  }
  LineWriter file(std::move(created));

  // The run arms the stop flag for its own walk, though YClick has set it
  // already: nothing since then has processed messages, so no Esc can have
  // come between, and the walk never depends on how the run was started.
  state.BusyFlag = -1;
  const std::string drive = {*letter, ':'};
  state.ShowStatus("Start opóźniony - dajmy się dyskowi rozkręcić"_cp);
  // Whatever the walk named to be listed ahead is forgotten when it ends,
  // also by an error.
  struct ForgetAhead {
    Files& files;
    ~ForgetAhead() { files.Prefetch({}); }
  } forget_ahead{state.os.files};
  CatalogueRunContext run{state, file, unusual, {}, {}, {}};
  FolderWalk(run, ShortText(Join(drive, "\\")), drives.Query(*letter).root.value_or(NativePath()),
             0, root_count, root_tally);
  const bool complete =
      state.Busy() && !run.listing_failed && IdentifyVolume(drives, *letter) == volume;
  // The file is closed while the flag is still set: a failure there ends the
  // command like any other file error, with the flag set until Esc.
  const bool kept = file.Close(complete ? Placement::kReplace : Placement::kIfNew);
  state.BusyFlag = 0;
  results.Focus();
  if (complete) {
    state.ShowStatus(
        Join("Koniec "_cp, drive, ", ew. podziękowania proszę wysyłać "_cp, kDonationNote));
  } else if (kept) {
    state.ShowStatus(Join("Przerwane, niepełny "_cp, name));
  } else {
    state.ShowStatus(Join("Przerwane, zostaje poprzedni "_cp, name));
  }
  const auto& lines = unusual.lines();
  for (auto it = lines.rbegin(); it != lines.rend(); ++it) results.Add(*it);
  results.Select(results.Count() - 1);
}

}  // namespace zbk
