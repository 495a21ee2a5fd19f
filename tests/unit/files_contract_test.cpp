// What every Files does, run against the in-memory one the core's tests use
// and against the system's own (POSIX, or Windows under Wine): listings,
// catalogue files taking their names at the close, files opened for reading.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "support/memory_files.h"
#include "support/system_files.h"
#include "support/temp_folder.h"
#include "support/working_folder.h"

namespace zbk::testing {
namespace {

namespace fs = std::filesystem;

// A folder tree for a test, "work" the working folder in it; paths are
// relative to its top. Link makes a link to a folder, or one leading
// nowhere; false where the system makes no links.
class MemoryTree {
 public:
  Files& files() { return files_; }
  NativePath Path(std::string_view relative) const { return NativePath("/").append(relative); }
  void Folder(std::string_view relative) { files_.Folder(Path(relative)); }
  void Write(std::string_view relative, std::string_view bytes) { Add(relative, bytes); }
  void File(std::string_view relative, std::uint64_t size) { Add(relative, "").size = size; }
  bool Link(std::string_view relative, std::string_view /*target*/) {
    return Add(relative, "").link = true;
  }

 private:
  MemoryFiles::Node& Add(std::string_view relative, std::string_view bytes) {
    const std::string path = Path(relative);
    const auto slash = path.rfind('/');
    return files_.AddFile(path.substr(0, slash), path.substr(slash + 1), bytes);
  }

  MemoryFiles files_;
};

class SystemTree {
 public:
  SystemTree() : work_(top_.Folder("work")) {}
  Files& files() { return files_; }
  NativePath Path(std::string_view relative) const { return NativeOfPath(top_ / relative); }
  void Folder(std::string_view relative) { top_.Folder(relative); }
  void Write(std::string_view relative, std::string_view bytes) { top_.Write(relative, bytes); }
  void File(std::string_view relative, std::uint64_t size) { top_.File(relative, size); }
  bool Link(std::string_view relative, std::string_view target) {
    std::error_code error;
    fs::create_directory_symlink(top_ / target, top_ / relative, error);
    return !error;
  }

 private:
  TempFolder top_;
  ScopedWorkingFolder work_;
  SystemFiles files_;
};

// The folder tree is read back through the Files under test: its listings
// and its Open are held to the contract too.
template <typename Tree>
class FilesContract : public ::testing::Test {
 protected:
  // The entries of a listing by name; none when there is no listing.
  std::optional<std::map<std::string, FolderEntry>> List(const NativePath& folder,
                                                         std::string_view pattern = "*.*") {
    const auto listing = files_.List(folder, pattern, ListingDetail::kWithSizes);
    if (!listing) return std::nullopt;
    std::map<std::string, FolderEntry> entries;
    FolderEntry entry;
    while (listing->Next(entry)) entries[entry.name] = entry;
    return entries;
  }
  // The names in a folder but "." and "..".
  std::set<std::string> Names(std::string_view folder) {
    std::set<std::string> names;
    const auto listing = files_.List(tree_.Path(folder), "*.*", ListingDetail::kNamesAndKinds);
    FolderEntry entry;
    while (listing && listing->Next(entry)) {
      if (entry.name != "." && entry.name != "..") names.insert(entry.name);
    }
    return names;
  }
  // A (small) file's bytes; none when it cannot be opened.
  std::optional<std::string> Read(std::string_view relative) try {
    const auto file = files_.Open(tree_.Path(relative), relative);
    std::string bytes(64, '\0');
    std::size_t got = 0;
    while (const std::size_t n = file->Read(bytes.data() + got, bytes.size() - got)) got += n;
    file->Close();
    return bytes.substr(0, got);
  } catch (const FileError&) {
    return std::nullopt;
  }

  Tree tree_;
  Files& files_ = tree_.files();
};

using Trees = ::testing::Types<MemoryTree, SystemTree>;
TYPED_TEST_SUITE(FilesContract, Trees);

TYPED_TEST(FilesContract, ListingsGiveKindsSizesAndTheDotEntries) {
  auto& tree = this->tree_;
  tree.Folder("t/sub");
  tree.File("t/a.bin", 150000);
  tree.File("t/below.bin", 4294967294u);
  tree.File("t/limit.bin", kSizeLimit);
  tree.File("t/five.bin", std::uint64_t{5} << 30);
  const auto entries = this->List(tree.Path("t"));
  ASSERT_TRUE(entries);
  std::map<std::string, std::pair<EntryKind, std::uint32_t>> seen;
  for (const auto& [name, entry] : *entries) seen[name] = {entry.kind, entry.size};
  using P = std::pair<EntryKind, std::uint32_t>;
  EXPECT_EQ(seen, (std::map<std::string, P>{{".", {EntryKind::kFolder, 0}},
                                            {"..", {EntryKind::kFolder, 0}},
                                            {"sub", {EntryKind::kFolder, 0}},
                                            {"a.bin", {EntryKind::kFile, 150000}},
                                            {"below.bin", {EntryKind::kFile, 4294967294u}},
                                            {"limit.bin", {EntryKind::kFile, kSizeLimit}},
                                            {"five.bin", {EntryKind::kFile, kSizeLimit}}}));
  // The native name leads into the folder; an empty one lists its dots.
  const auto inside = this->List(this->files_.Child(tree.Path("t"), entries->at("sub").native));
  ASSERT_TRUE(inside);
  EXPECT_EQ(inside->size(), 2u);
}

TYPED_TEST(FilesContract, PatternsIgnoreLetterCaseAndNoListingIsNone) {
  auto& tree = this->tree_;
  for (const char* name : {"work/a.txt", "work/B.TXT", "work/c.txtx", "work/d.Txt.bak"}) {
    tree.Write(name, "x");
  }
  tree.Folder("work/empty");
  const auto catalogues = this->List(tree.Path("work"), "*.TXT");
  ASSERT_TRUE(catalogues);
  EXPECT_EQ(catalogues->size(), 2u);
  EXPECT_TRUE(catalogues->contains("a.txt") && catalogues->contains("B.TXT"));
  EXPECT_EQ(this->List(tree.Path("work/empty"), "*.TXT"), std::nullopt);
  EXPECT_EQ(this->List(tree.Path("work/missing")), std::nullopt);
  EXPECT_EQ(this->List(tree.Path("work/a.txt")), std::nullopt);
  EXPECT_EQ(this->List(""), std::nullopt);
}

// A link to a folder, or one that leads nowhere, is neither walked nor
// taken as a file; a catalogue replaces a link of its name, never the
// link's target.
TYPED_TEST(FilesContract, LinksAreLinksAndACatalogueReplacesOne) {
  auto& tree = this->tree_;
  tree.Folder("t/target");
  if (!tree.Link("t/link", "t/target") || !tree.Link("work/L.txt", "nowhere")) {
    GTEST_SKIP() << "this system makes no links";
  }
  const auto entries = this->List(tree.Path("t"));
  ASSERT_TRUE(entries);
  EXPECT_EQ(entries->at("link").kind, EntryKind::kLink);
  EXPECT_EQ(entries->at("target").kind, EntryKind::kFolder);
  EXPECT_EQ(this->List(tree.Path("work"))->at("L.txt").kind, EntryKind::kLink);

  auto file = this->files_.Create("L.txt");
  ASSERT_NE(file, nullptr);
  file->Write("new\r\n");
  EXPECT_TRUE(file->Close(Placement::kReplace));
  EXPECT_EQ(this->Read("work/L.txt"), "new\r\n");
  EXPECT_EQ(this->Read("nowhere"), std::nullopt);
}

// A catalogue takes its name only at its close, in one step; until then,
// and when it is dropped, the old one stays as it was. Of two runs of one
// name the one that closes last wins.
TYPED_TEST(FilesContract, ACatalogueTakesItsNameOnlyAtItsClose) {
  auto& tree = this->tree_;
  Files& files = this->files_;
  tree.Write("work/A.txt", "old\r\n");
  auto first = files.Create("A.txt");
  auto second = files.Create("A.txt");
  ASSERT_TRUE(first && second);
  second->Write("two\r\n");
  first->Write("one\r\n");
  EXPECT_EQ(this->Read("work/A.txt"), "old\r\n");
  EXPECT_TRUE(second->Close(Placement::kReplace));
  EXPECT_EQ(this->Read("work/A.txt"), "two\r\n");
  EXPECT_TRUE(first->Close(Placement::kReplace));
  EXPECT_EQ(this->Read("work/A.txt"), "one\r\n");

  // A partial catalogue is kept only where there was none.
  auto partial = files.Create("A.txt");
  partial->Write("part\r\n");
  EXPECT_FALSE(partial->Close(Placement::kIfNew));
  EXPECT_EQ(this->Read("work/A.txt"), "one\r\n");
  auto fresh = files.Create("B.txt");
  fresh->Write("part\r\n");
  EXPECT_TRUE(fresh->Close(Placement::kIfNew));
  auto dropped = files.Create("B.txt");  // a command aborted by an error
  dropped->Write("aborted\r\n");
  dropped.reset();
  EXPECT_EQ(this->Read("work/B.txt"), "part\r\n");
  EXPECT_EQ(this->Names("work"), (std::set<std::string>{"A.txt", "B.txt"})) << "nothing left";
}

TYPED_TEST(FilesContract, CreateTakesOnlyPlainNamesOfTheWorkingFolder) {
  auto& tree = this->tree_;
  tree.Folder("work/C.txt");
  for (const std::string_view name : {"", ".", "..", "a/b.txt", "../up.txt", "C.txt"}) {
    EXPECT_EQ(this->files_.Create(name), nullptr) << name;
  }
  EXPECT_EQ(this->Names("work"), std::set<std::string>{"C.txt"});
  EXPECT_EQ(this->Names(""), std::set<std::string>{"work"});
}

TYPED_TEST(FilesContract, OpenReadsAFileAndCannotOpenAnythingElse) {
  auto& tree = this->tree_;
  Files& files = this->files_;
  tree.Write("work/R.txt", "abc\r\ndef");
  tree.Folder("work/folder.txt");
  EXPECT_EQ(this->Read("work/R.txt"), "abc\r\ndef");

  for (const char* name : {"work/brak.txt", "work/folder.txt"}) {
    try {
      files.Open(tree.Path(name), "brak.txt");
      ADD_FAILURE() << name << " was opened";
    } catch (const FileError& error) {
      EXPECT_EQ(error.kind(), FileError::Kind::kOpen);
      EXPECT_NE(error.Message().find("brak.txt"), std::string::npos);
    }
  }
}

// A temporary file left by a run that was killed goes with the next run of
// its name; those of other names stay. (The in-memory Files makes none.)
using SystemFilesCreate = FilesContract<SystemTree>;
TEST_F(SystemFilesCreate, LeftoversOfKilledRunsGo) {
  tree_.Write("work/.A.txt.0badf00d.tmp", "left by a killed run");
  tree_.Write("work/.B.txt.0badf00d.tmp", "another name's");
  auto file = files_.Create("A.txt");
  ASSERT_NE(file, nullptr);
  EXPECT_TRUE(file->Close(Placement::kReplace));
  EXPECT_EQ(Names("work"), (std::set<std::string>{".B.txt.0badf00d.tmp", "A.txt"}));
}

}  // namespace
}  // namespace zbk::testing
