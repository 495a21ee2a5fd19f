// Failing writes and reads on real files, through the program itself: a
// write failing at the close, and the window still in use after it; a
// catalogue file name taken by a folder or a FIFO, or by links, or in a
// read-only working folder; catalogue files that are not files a search
// can read.
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fstream>

#include <gtest/gtest.h>

#include "real_drive.h"
#include "script_output.h"
#include "support/headless_run.h"

namespace zbk::testing {
namespace {

namespace fs = std::filesystem;

class HeadlessFaults : public ::testing::Test {
 protected:
  HeadlessFaults() : work_(tmp_.Folder("work")) {
    tmp_.File("disk/a.zip", 200000);
    WriteOldFile(work_ / "INNY.txt", "        100.000  stary.zip\r\n");
    other_ = Stamp(work_ / "INNY.txt");
  }

  HeadlessResult Run(const std::string& script, long file_limit = -1) {
    auto result = RunHeadless(script, work_, -1, file_limit);
    EXPECT_EQ(result.status, 0) << result.err;
    return result;
  }

  // The run ended with the error report and the window stayed usable: Yes
  // disabled, the refresh and the sort button working, the first Esc
  // clearing the stop flag and giving Yes back, the second closing the
  // window.
  void ExpectErrorThenUsable(const HeadlessResult& result, const std::string& error) {
    EXPECT_NE(result.out.find("error: " + error + "\n"), std::string::npos) << result.out;
    const std::vector<std::string> stopped{"-1", "-1", "-1", "-1", "0"};
    EXPECT_EQ(Values(result.out, "busy"), stopped) << result.out;
    const auto yes = Values(result.out, "yes");
    ASSERT_EQ(yes.size(), 5u);
    for (std::size_t i = 0; i < 4; ++i) EXPECT_TRUE(yes[i].ends_with(" disabled")) << yes[i];
    EXPECT_TRUE(yes[4].ends_with(" enabled")) << yes[4];
    EXPECT_EQ(Values(result.out, "Li.selected")[2], "6");
    EXPECT_EQ(Values(result.out, "L.sorted")[3], "on");
    EXPECT_EQ(Values(result.out, "status").back(), " Zatrzymane.");
    EXPECT_TRUE(result.out.ends_with("closed\n")) << result.out;
    EXPECT_EQ(Stamp(work_ / "INNY.txt"), other_);
  }

  TempFolder tmp_;
  fs::path work_;
  FileStamp other_;
};

// The one line is written at the close, where no room is left for it: the
// old catalogue stays as it was and no temporary file is left.
TEST_F(HeadlessFaults, AWriteFailingAtTheCloseEndsTheRunWithTheErrorReport) {
  WriteOldFile(work_ / "DYSK.txt", "        100.000  poprzedni.zip\r\n");
  const FileStamp old = Stamp(work_ / "DYSK.txt");
  const auto result =
      Run(CatalogueScript((tmp_ / "disk").string(), "DYSK") + "rows L\n" + std::string(kAfterError),
          10);
  ExpectErrorThenUsable(result, "Błąd zapisu pliku DYSK.txt");
  EXPECT_NE(result.out.find("L[0]:         200.000  a.zip\n"), std::string::npos);
  EXPECT_EQ(Values(result.out, "status")[0], " Szukam plików w C:\\.");
  EXPECT_EQ(Stamp(work_ / "DYSK.txt"), old);
  EXPECT_EQ(std::distance(fs::directory_iterator(work_), fs::directory_iterator()), 2);
}

// A real full disk: the working folder on a small tmpfs, with an old
// catalogue that leaves no room for a new one of the same size.
TEST_F(HeadlessFaults, AFullDiskLeavesTheOldCatalogueWhole) {
  if (geteuid() != 0) GTEST_SKIP() << "mounting a small tmpfs needs root";
  const fs::path small = tmp_.Folder("small");
  if (mount("tmpfs", small.c_str(), "tmpfs", 0, "size=128k") != 0) {
    GTEST_SKIP() << "this machine lets no tmpfs be mounted: " << std::strerror(errno);
  }
  struct Unmount {
    const fs::path& at;
    ~Unmount() { umount2(at.c_str(), MNT_DETACH); }
  } unmount{small};
  for (int i = 0; i < 3000; ++i) tmp_.File("big/f" + std::to_string(100000 + i) + ".zip", 100000);
  std::string old;
  for (int i = 0; i < 3000; ++i) {
    old += "        100.000  f" + std::to_string(100000 + i) + ".zip\r\n";
  }
  std::ofstream(small / "DYSK.txt", std::ios::binary) << old;
  const auto result = RunHeadless(CatalogueScript((tmp_ / "big").string(), "DYSK"), small);
  EXPECT_NE(result.out.find("error: Błąd zapisu pliku DYSK.txt\n"), std::string::npos)
      << result.out;
  EXPECT_EQ(Stamp(small / "DYSK.txt").bytes, old);
  EXPECT_EQ(std::distance(fs::directory_iterator(small), fs::directory_iterator()), 1);
}

// The temporary files of a catalogue in `folder`.
std::vector<std::string> Temporaries(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    if (name.starts_with(".DYSK.txt.") && name.ends_with(".tmp")) names.push_back(name);
  }
  return names;
}

// The program killed in the middle of a run: the old catalogue stays whole,
// and the temporary file it leaves goes with the next run of that label.
TEST_F(HeadlessFaults, AProgramKilledDuringARunLeavesTheOldCatalogue) {
  for (int i = 0; i < 50; ++i) tmp_.File("disk/d" + std::to_string(i) + "/f.zip", 100000);
  WriteOldFile(work_ / "DYSK.txt", "        100.000  poprzedni.zip\r\n");
  const FileStamp old = Stamp(work_ / "DYSK.txt");
  // Inside the walk the program writes more than a pipe holds and nobody
  // reads it: it stands still there until it is killed.
  std::string script = CatalogueScript((tmp_ / "disk").string(), "DYSK");
  for (int i = 0; i < 200; ++i) script.insert(script.find("click Yes"), "during 4 rows Li\n");
  tmp_.Write("script", script);
  int out[2];
  ASSERT_EQ(pipe(out), 0);
  const pid_t pid = fork();
  ASSERT_GE(pid, 0);
  if (pid == 0) {
    const int in = open((tmp_ / "script").c_str(), O_RDONLY);
    if (in < 0 || chdir(work_.c_str()) != 0) _exit(127);
    dup2(in, 0);
    dup2(out[1], 1);
    execl(ZBK_HEADLESS, ZBK_HEADLESS, static_cast<char*>(nullptr));
    _exit(127);
  }
  close(out[1]);
  for (int i = 0; i < 1000 && Temporaries(work_).empty(); ++i) usleep(10000);
  usleep(100000);
  kill(pid, SIGKILL);
  int status = 0;
  waitpid(pid, &status, 0);
  close(out[0]);
  ASSERT_TRUE(WIFSIGNALED(status)) << "killed, not ended";
  EXPECT_EQ(Stamp(work_ / "DYSK.txt"), old);
  EXPECT_EQ(Temporaries(work_).size(), 1u);

  Run(CatalogueScript((tmp_ / "disk").string(), "DYSK"));
  EXPECT_TRUE(Stamp(work_ / "DYSK.txt").bytes.starts_with("        100.000  d0\\f.zip\r\n"));
  EXPECT_TRUE(Temporaries(work_).empty());
}

// The run ends with its own message; nothing is created or replaced.
void ExpectRefused(const HeadlessResult& result) {
  EXPECT_EQ(result.out.find("error:"), std::string::npos) << result.out;
  EXPECT_EQ(Values(result.out, "status"), std::vector<std::string>{" Nie mogę stworzyć DYSK.txt."});
  EXPECT_EQ(Values(result.out, "yes"), std::vector<std::string>{"Analizuj enabled"});
  EXPECT_EQ(Values(result.out, "busy"), std::vector<std::string>{"0"});
  EXPECT_EQ(Values(result.out, "L.count"), std::vector<std::string>{"0"});
}

TEST_F(HeadlessFaults, CatalogueNameTakenByAFolderOrAFifoIsRefused) {
  tmp_.File("work/DYSK.txt/inside.zip", 5);
  ExpectRefused(Run(CatalogueScript((tmp_ / "disk").string(), "DYSK")));
  EXPECT_EQ(fs::file_size(work_ / "DYSK.txt/inside.zip"), 5u);
  fs::remove_all(work_ / "DYSK.txt");
  ASSERT_EQ(mkfifo((work_ / "DYSK.txt").c_str(), 0644), 0);
  ExpectRefused(Run(CatalogueScript((tmp_ / "disk").string(), "DYSK")));
  EXPECT_TRUE(fs::is_fifo(work_ / "DYSK.txt"));
  EXPECT_EQ(Stamp(work_ / "INNY.txt"), other_);
}

// A link named like the catalogue is replaced by it: whatever it leads to,
// a file outside, nothing or a device, is never followed or touched.
TEST_F(HeadlessFaults, ALinkNamedLikeTheCatalogueIsReplacedNotFollowed) {
  WriteOldFile(tmp_ / "outside.txt", "keep\r\n");
  const FileStamp outside = Stamp(tmp_ / "outside.txt");
  const std::pair<const char*, fs::path> links[] = {
      {"PLIK", tmp_ / "outside.txt"}, {"NIC", tmp_ / "missing/DYSK.txt"}, {"URZ", "/dev/null"}};
  for (const auto& [label, target] : links) {
    fs::create_symlink(target, work_ / (std::string(label) + ".txt"));
    const auto result = Run(CatalogueScript((tmp_ / "disk").string(), label));
    EXPECT_EQ(Values(result.out, "status")[0].substr(0, 11), " Koniec C:,") << label;
    const fs::path catalogue = work_ / (std::string(label) + ".txt");
    EXPECT_FALSE(fs::is_symlink(catalogue)) << label;
    EXPECT_EQ(Stamp(catalogue).bytes, "        200.000  a.zip\r\n") << label;
  }
  EXPECT_EQ(Stamp(tmp_ / "outside.txt"), outside);
  EXPECT_FALSE(fs::exists(tmp_ / "missing"));
  EXPECT_TRUE(fs::is_character_file("/dev/null"));
}

// Root writes into any folder, so as root the program runs as "nobody".
TEST_F(HeadlessFaults, ReadOnlyWorkingFolderRefusesTheCatalogueFile) {
  constexpr int kNobody = 65534;
  const int as_user = geteuid() == 0 ? kNobody : -1;
  fs::permissions(tmp_.path(),
                  fs::perms::owner_all | fs::perms::others_read | fs::perms::others_exec);
  fs::permissions(work_, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read |
                             fs::perms::others_exec);
  const auto result =
      RunHeadless(CatalogueScript((tmp_ / "disk").string(), "DYSK"), work_, as_user);
  if (result.status == 127) GTEST_SKIP() << "the program cannot run as user " << as_user;
  ExpectRefused(result);
  EXPECT_FALSE(fs::exists(work_ / "DYSK.txt"));
  EXPECT_EQ(Stamp(work_ / "INNY.txt"), other_);
}

// A *.TXT entry that is not a file the search can read ends the search with
// the error report, without waiting for ever: the hits before it stay.
class UnreadableCatalogue : public HeadlessFaults,
                            public ::testing::WithParamInterface<const char*> {};

TEST_P(UnreadableCatalogue, EndsTheSearchWithTheErrorReport) {
  WriteOldFile(work_ / "A.txt", "        100.000  kot.zip\r\n");
  const fs::path b = work_ / "B.txt";
  const std::string_view kind = GetParam();
  if (kind == "fifo") {
    ASSERT_EQ(mkfifo(b.c_str(), 0644), 0);
  }
  if (kind == "link to an endless device") fs::create_symlink("/dev/zero", b);
  const auto result =
      Run("start\ntick\ntext kot\nfocus E\nkey Enter\nshow\nrows L\n" + std::string(kAfterError));
  ExpectErrorThenUsable(result, "Nie mogę otworzyć pliku B.txt");
  EXPECT_NE(result.out.find("L[0]:     A.txt:         100.000  kot.zip\n"), std::string::npos)
      << result.out;
  EXPECT_EQ(Values(result.out, "L.count")[0], "1");
}

INSTANTIATE_TEST_SUITE_P(Kinds, UnreadableCatalogue,
                         ::testing::Values("fifo", "link to an endless device"));

// A link to a folder named like a catalogue, or one leading nowhere, is no
// catalogue: the search passes it by.
TEST_F(HeadlessFaults, LinksToFoldersAndLinksLeadingNowhereAreNotSearched) {
  WriteOldFile(work_ / "A.txt", "        100.000  kot.zip\r\n");
  fs::create_symlink(tmp_ / "gone.txt", work_ / "B.txt");
  fs::create_directory_symlink(tmp_ / "disk", work_ / "C.txt");
  WriteOldFile(work_ / "D.txt", "        100.000  kot2.zip\r\n");
  const auto result = Run("start\ntick\ntext kot\nfocus E\nkey Enter\nshow\nrows L\n");
  EXPECT_EQ(result.out.find("error:"), std::string::npos) << result.out;
  EXPECT_EQ(Values(result.out, "status"), std::vector<std::string>{" Koniec szukania."});
  EXPECT_NE(result.out.find("L[1]:     D.txt:         100.000  kot2.zip\nL[2]:  Dyski:\n"),
            std::string::npos)
      << result.out;
}

}  // namespace
}  // namespace zbk::testing
