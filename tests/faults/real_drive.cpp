#include "real_drive.h"

#include <fstream>
#include <iterator>

namespace zbk::testing {

namespace fs = std::filesystem;

RealDrive::RealDrive()
    : disk_(tmp_.Folder("disk")),
      work_(tmp_.Folder("work")),
      cwd_(work_),
      files_(posix_),
      rig_(files_) {
  rig_.FixedDrive('C', disk_.string(), "DYSK");
  rig_.Start();
}

std::vector<std::string> RealDrive::CatalogueLines(std::string_view name) const {
  std::ifstream in(work_ / name, std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  std::vector<std::string> lines;
  std::size_t at = 0;
  while (at < bytes.size()) {
    const auto end = bytes.find("\r\n", at);
    EXPECT_NE(end, std::string::npos) << "every line ends with CR LF";
    if (end == std::string::npos) break;
    lines.push_back(bytes.substr(at, end - at));
    at = end + 2;
  }
  return lines;
}

std::vector<std::string> RealDrive::Catalogue() {
  rig_.Catalogue('C');
  EXPECT_TRUE(rig_.errors().empty());
  EXPECT_EQ(rig_.busy(), 0);
  EXPECT_TRUE(rig_.status().starts_with(" Koniec C:, "));
  std::vector<std::string> lines = CatalogueLines("DYSK.txt");
  const auto& rows = rig_.rows();
  EXPECT_GE(rows.size(), lines.size());
  EXPECT_TRUE(std::equal(lines.begin(), lines.end(), rows.begin()));
  return lines;
}

void ExpectAbortedButUsable(WindowRig& rig) {
  MemoryToolkit& tk = rig.toolkit();
  EXPECT_FALSE(rig.yes_enabled());
  EXPECT_EQ(rig.busy(), -1);
  tk.ClickEsc();
  EXPECT_EQ(rig.busy(), 0);
  EXPECT_FALSE(tk.closed()) << "the first Esc only clears the stop flag";
  EXPECT_TRUE(rig.yes_enabled()) << "and gives the action button back";
  tk.ClickEsc();
  EXPECT_TRUE(tk.closed());
}

FileStamp Stamp(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()},
          fs::last_write_time(file)};
}

void WriteOldFile(const fs::path& file, std::string_view bytes) {
  std::ofstream(file, std::ios::binary)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  fs::last_write_time(file, fs::last_write_time(file) - std::chrono::hours(24 * 365));
}

}  // namespace zbk::testing
