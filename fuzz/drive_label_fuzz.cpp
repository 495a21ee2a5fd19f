// The drive line and the catalogue file name from arbitrary labels, type
// codes and space counts: the line's layout against its fields written out
// plainly, the name taken back out of it against the name a user would give
// the label, and its properties; a whole catalogue run on it (never
// a file outside the working folder; a refused name reported), and the
// POSIX file creation on the name and on the raw label (a file is created
// in the working folder under exactly the name given, or not at all).
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "catalogue/catalogue_line.h"
#include "catalogue/catalogue_run.h"
#include "drives/drive_line.h"
#include "fuzz_input.h"
#include "platform/encoding/cp1250.h"
#include "platform/posix/posix_files.h"
#include "support/memory_files.h"
#include "support/window_rig.h"
#include "text/literal.h"

namespace zbk::fuzz {
namespace {

std::string Gigabytes(std::optional<std::int64_t> bytes) {
  if (!bytes) return "";
  std::string digits = std::to_string(*bytes / (std::int64_t{1} << 30));
  while (digits.size() < 6) digits = " " + digits;
  for (char& c : digits) c = c == '0' ? 'O' : c;
  return digits.substr(0, 3) + " " + digits.substr(3);
}

// The label as the line shows it: up to a NUL and 201 characters, filled
// with spaces to 15; 15 spaces when the query fails.
std::string ShownLabel(const std::optional<std::string>& label) {
  std::string field;
  if (label) field = std::string(label->substr(0, 201).substr(0, label->find('\0')));
  while (field.size() < 15) field += ' ';
  return field;
}

std::string ExpectedLine(char letter, const DriveInfo& drive) {
  static constexpr std::string_view kTypes[] = {"nieznany", " -brak- ", "wymienny", " lokalny",
                                                "sieciowy", "CD / DVD", "RAMdisk "};
  const int type = drive.type;
  const std::string_view type_name = type >= 0 && type <= 6 ? kTypes[type] : kTypes[0];
  return std::string(
      Head(Join(" ", std::string(1, letter), ":  ", type_name, "  ", ShownLabel(drive.label),
                Gigabytes(drive.free), Gigabytes(drive.total)),
           250));
}

// The catalogue's name as a user would put it: the shown label, where every
// space that stands before a period (or before ".txt") is left out, and the
// periods it then begins with written as "_"; "bez etykiety.txt" for a blank
// label. Built from the right, one character at a time.
std::string ExpectedName(const std::optional<std::string>& label) {
  const std::string field = ShownLabel(label);
  if (field.find_first_not_of(' ') == std::string::npos) return "bez etykiety.txt";
  std::string name = ".txt";
  for (auto c = field.rbegin(); c != field.rend(); ++c) {
    if (*c != ' ' || name.front() != '.') name.insert(name.begin(), *c);
  }
  for (std::size_t i = 0; i + 4 < name.size() && name[i] == '.'; ++i) name[i] = '_';
  return name;
}

void CheckName(const std::string& name, const std::optional<std::string>& label) {
  Check(name == ExpectedName(label), "the catalogue file name");
  Check(name.ends_with(".txt") && name.size() <= 201 + 4, "a label's worth of name and .txt");
  Check(!name.starts_with("."), "no name the search skips");
  Check(name.find(" .") == std::string::npos, "no space before a period");
  Check(name.find('\0') == std::string::npos, "no NUL in a name");
}

// A private, empty folder for the POSIX checks, the working folder while
// one of them runs (the fuzzer's own paths are relative to the first one).
class Scratch {
 public:
  Scratch() {
    char pattern[] = "/tmp/zbk-fuzz-XXXXXX";
    Check(mkdtemp(pattern) != nullptr, "a scratch folder");
    path_ = pattern;
  }
  ~Scratch() { rmdir(path_.c_str()); }

  // Runs `check` with the scratch folder as the working folder.
  template <typename Check>
  void Inside(const Check& check) const {
    const int back = open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    fuzz::Check(back >= 0 && chdir(path_.c_str()) == 0, "into the scratch folder");
    check();
    fuzz::Check(fchdir(back) == 0, "back out of the scratch folder");
    close(back);
  }

  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    DIR* dir = opendir(path_.c_str());
    Check(dir != nullptr, "the scratch folder lists");
    while (const dirent* d = readdir(dir)) {
      const std::string_view name = d->d_name;
      if (name != "." && name != "..") names.emplace_back(name);
    }
    closedir(dir);
    return names;
  }

 private:
  std::string path_;
};

void CheckPosixCreate(std::string_view name) {
  static const Scratch scratch;
  scratch.Inside([&] {
    PosixFiles files;
    std::unique_ptr<OutputFile> file = files.Create(name);
    Check(scratch.Names().size() == (file ? 1u : 0u),
          "one temporary file, in the working folder, or none");
    if (!file) return;
    Check(name.find('/') == std::string_view::npos, "no name with a path separator");
    Check(file->Close(Placement::kReplace), "the file takes its name");
    const std::vector<std::string> names = scratch.Names();
    Check(names.size() == 1 && Utf8ToCp1250(names[0]) == name,
          "the file has exactly the name given");
    Check(unlink(names[0].c_str()) == 0, "the file goes again");
  });
}

void CheckRun(char letter, const DriveInfo& declared, const std::string& name) {
  testing::MemoryFiles files;
  testing::MemoryFiles::Node big;
  big.name = "big.dat";
  big.size = 200000;
  files.Add("/disk", big);
  testing::WindowRig rig(files);
  rig.drives().Set(letter, declared);
  rig.Start();
  rig.Catalogue(letter);
  Check(rig.busy() == 0 && rig.yes_enabled() && rig.errors().empty(), "the run returns");
  const bool refused = name.find_first_of("/\\:") != std::string::npos;
  if (refused) {
    Check(rig.status() == Join(" ", Head(Join("Nie mogę stworzyć "_cp, name), 250), "."),
          "a refused name is reported");
    Check(files.created().empty(), "nothing is created for a refused name");
    Check(rig.rows().empty(), "the result list stays empty");
    return;
  }
  Check(files.created() == std::vector<std::string>{name}, "the catalogue file is created");
  const std::string drive{letter, ':'};
  Check(rig.status().starts_with(Join(" Koniec ", drive, ", ")), "the run ends");
  const std::string line = CatalogueLine(200000, Join(drive, "\\"), "big.dat");
  const auto* file = files.Find(Join("/work/", name));
  Check(file != nullptr && file->bytes == Join(line, "\r\n"), "the catalogue holds the line");
}

}  // namespace

void Target(FuzzInput& in) {
  const char letter = static_cast<char>('A' + in.Byte() % 26);
  DriveInfo declared;
  declared.type = in.Byte() % 9;
  const auto bytes = [&] {
    const auto count = static_cast<std::int64_t>(in.Number(8));
    return count < 0 ? std::nullopt : std::optional<std::int64_t>(count);
  };
  declared.free = bytes();
  declared.total = bytes();
  const bool label_fails = (in.Byte() & 1) != 0;
  declared.root = "/disk";
  const std::string raw(in.Rest());
  if (!label_fails) declared.label = raw;

  const ShortText line = DriveLine(letter, declared);
  Check(line.str() == ExpectedLine(letter, declared), "the drive line");
  Check(DriveOfRow(line) == letter, "the drive is read back out of its line");
  const ShortText name = CatalogueFileName(IdentityOf(declared));
  CheckName(name.str(), declared.label);
  Check(StaysInWorkingFolder(name) == (name.str().find_first_of("/\\:") == std::string::npos),
        "names with a path separator or a drive are refused");

  CheckRun(letter, declared, name.str());
  if (StaysInWorkingFolder(name)) CheckPosixCreate(name);
  CheckPosixCreate(Head(raw, 40));
}

}  // namespace zbk::fuzz
