// Catalogue runs through the scripted driver, on real folders.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/headless_run.h"
#include "support/temp_folder.h"

namespace zbk::testing {
namespace {

namespace fs = std::filesystem;

// A disk with a bit of everything the walk treats specially.
struct CatalogueRunTest : ::testing::Test {
  CatalogueRunTest() {
    disk.File("b.iso", 200000);
    disk.File("a.iso", 150000);
    disk.File("small.bin", 99999);
    disk.File("exact.bin", 100000);
    disk.File("README", 300000);
    disk.File(".profile", 500000);
    disk.File("huge.img", 5000000000ull);
    disk.File("Foto/Lato/IMG_0001.JPG", 2345678);
    disk.File("Gry/gra.dat", 100000);
    for (int i = 1; i <= 130; ++i) disk.File("Gry/f" + std::to_string(i) + ".dat", 0);
    disk.File(".git/objects.pack", 500000);
    disk.File("$RECYCLE.BIN/deleted.bin", 500000);
    disk.File("$Recycle.Bin/kept.bin", 500000);
    disk.File("System Volume Information/index.bin", 500000);
    disk.File("system volume information/other.bin", 500000);
  }

  HeadlessResult Run(const std::string& commands) {
    return RunHeadless("drive X 2 1073741824 2147483648 " + disk.path().string() +
                           " TEST DISK\nstart\ntick\nselect Li 24\n" + commands,
                       work.path());
  }

  TempFolder disk;
  TempFolder work;
};

TEST_F(CatalogueRunTest, WritesTheCatalogueSubFoldersFirstInNameOrder) {
  const auto result = Run("key Enter\nshow\nrows L\n");
  ASSERT_EQ(result.status, 0) << result.err;
  const std::string expected_lines[] = {
      "        500.000  $Recycle.Bin\\kept.bin",
      "      2.345.678  Foto\\Lato\\IMG_0001.JPG",
      "        100.000  Gry\\gra.dat",
      "        500.000  system volume information\\other.bin",
      "        150.000  a.iso",
      "        200.000  b.iso",
      "        100.000  exact.bin",
      "wi\xEAkszy ni\xBF 4GB  huge.img",
      "        300.000  README",
  };
  std::string catalogue;
  for (const auto& line : expected_lines) catalogue += line + "\r\n";
  EXPECT_EQ(work.Read("TEST DISK.txt"), catalogue);

  EXPECT_EQ(result.out,
            "caption: \n"
            "status:  Koniec X:, ew. podziękowania proszę wysyłać dobrym słowem do autorów "
            "Zbiorka.\n"
            "yes: Zmień enabled\n"
            "focus: L\n"
            "busy: 0\n"
            "Li.selected: 24\n"
            "L.selected: 10\n"
            "L.sorted: off\n"
            "L.count: 11\n"
            "L[0]:         500.000  $Recycle.Bin\\kept.bin\n"
            "L[1]:       2.345.678  Foto\\Lato\\IMG_0001.JPG\n"
            "L[2]:         100.000  Gry\\gra.dat\n"
            "L[3]:         500.000  system volume information\\other.bin\n"
            "L[4]:         150.000  a.iso\n"
            "L[5]:         200.000  b.iso\n"
            "L[6]:         100.000  exact.bin\n"
            "L[7]: większy niż 4GB  huge.img\n"
            "L[8]:         300.000  README\n"
            "L[9]: X:\\ 134 .DAT 131 .ISO 2 .IMG 1 \n"
            "L[10]: X:\\Gry\\ 131 .DAT 131 \n");
}

TEST_F(CatalogueRunTest, TheFirstFolderMessageNamesTheDeepestFirstFolder) {
  const auto result = Run("during 2 show\nkey Enter\n");
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_NE(result.out.find("status:  Szukam plików w X:\\$Recycle.Bin\\.\nyes: Analizuj disabled\n"
                            "focus: Li\nbusy: -1\n"),
            std::string::npos)
      << result.out;
}

TEST_F(CatalogueRunTest, NoDriveSelectedOrTheHeaderSelectedKeepsTheList) {
  auto result = Run("select Li -1\nclick Yes\nshow\nselect Li 0\nclick Yes\nshow\n");
  ASSERT_EQ(result.status, 0) << result.err;
  const std::string after = "status:  Wybierz napęd.\nyes: Analizuj enabled\nfocus: Li\nbusy: 0\n";
  EXPECT_NE(
      result.out.find(after + "Li.selected: -1\nL.selected: -1\nL.sorted: off\nL.count: 26\n"),
      std::string::npos)
      << result.out;
  EXPECT_NE(result.out.find(after + "Li.selected: 0\nL.selected: -1\nL.sorted: off\nL.count: 26\n"),
            std::string::npos)
      << result.out;
  EXPECT_TRUE(fs::is_empty(work.path()));
}

// Esc winds the walk down. A stopped run replaces no catalogue: without an
// earlier one the part walked is kept, and the message says it is partial.
TEST_F(CatalogueRunTest, EscDuringAFolderMessageWindsTheWalkDown) {
  TempFolder small;
  for (const char* folder : {"A", "B", "C"}) small.File(std::string(folder) + "/f.bin", 100000);
  small.File("root.bin", 100000);
  // Messages: 1 the start, 2 folder A, 3 folder B (Esc here), then the root.
  const std::string script = "drive D 2 0 0 " + small.path().string() +
                             " SMALL\nstart\ntick\nselect Li 4\nduring 3 key Esc\n"
                             "key Enter\nshow\nrows L\n";
  auto result = RunHeadless(script, work.path());
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(work.Read("SMALL.txt"), "        100.000  A\\f.bin\r\n");
  EXPECT_NE(result.out.find("status:  Przerwane, niepełny SMALL.txt.\n"), std::string::npos);
  EXPECT_NE(result.out.find("yes: Zmień enabled\nfocus: L\nbusy: 0\n"), std::string::npos);
  EXPECT_NE(result.out.find("L.count: 1\nL[0]:         100.000  A\\f.bin\n"), std::string::npos)
      << result.out;

  work.Write("SMALL.txt", "        100.000  stary.bin\r\n");
  result = RunHeadless(script, work.path());
  EXPECT_EQ(work.Read("SMALL.txt"), "        100.000  stary.bin\r\n");
  EXPECT_NE(result.out.find("status:  Przerwane, zostaje poprzedni SMALL.txt.\n"),
            std::string::npos);
  EXPECT_NE(result.out.find("L.count: 1\nL[0]:         100.000  A\\f.bin\n"), std::string::npos);
  EXPECT_EQ(std::distance(fs::directory_iterator(work.path()), fs::directory_iterator()), 1)
      << "no temporary file is left";
}

// The drive row may be up to a refresh old: a run checks the label afresh,
// and does not start for another medium.
TEST_F(CatalogueRunTest, AMediumSwappedBeforeTheRunDoesNotStartIt) {
  const auto result = Run("drive X 2 0 0 " + disk.path().string() + " INNY\nkey Enter\nshow\n");
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_NE(result.out.find("status:  Dysk się zmienił, wybierz go jeszcze raz.\n"
                            "yes: Analizuj enabled\n"),
            std::string::npos)
      << result.out;
  EXPECT_NE(result.out.find("L.count: 26\n"), std::string::npos);
  EXPECT_TRUE(fs::is_empty(work.path()));
}

// A medium taken out, or swapped for another with the same label, during a
// run: the run is incomplete and the old catalogue stays.
TEST_F(CatalogueRunTest, AMediumGoneOrSwappedDuringTheRunReplacesNothing) {
  work.Write("TEST DISK.txt", "        100.000  stary.bin\r\n");
  const std::string changes[] = {"drive X 2 -1 -1 - TEST DISK",
                                 "drive X 2 0 0 " + disk.path().string() + " TEST DISK"};
  for (const std::string& change : changes) {
    const auto result = Run("serial X 0000-0001\nduring 3 " + change + "\nkey Enter\nshow\n");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("status:  Przerwane, zostaje poprzedni TEST DISK.txt.\n"),
              std::string::npos)
        << result.out;
    EXPECT_EQ(work.Read("TEST DISK.txt"), "        100.000  stary.bin\r\n");
  }
}

// A drive without a label is catalogued under its serial number, or under
// "bez etykiety" without one; a search finds its files.
TEST(CatalogueRun, ADriveWithoutALabelIsNamedAfterItsSerial) {
  TempFolder disk;
  disk.File("Film/wakacje.mkv", 700000);
  TempFolder work;
  const auto result = RunHeadless("drive D 5 -1 -1 -\ndrive E 2 0 0 " + disk.path().string() +
                                      " \nserial E 1A2B-3C4D\nstart\ntick\nselect Li 4\n"
                                      "key Enter\nshow\nselect Li 5\nfocus Li\nkey Enter\n"
                                      "text wakacje\nfocus E\nkey Enter\nrows L\n",
                                  work.path());
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(work.Read("bez etykiety.txt"), "") << "a drive without a medium";
  EXPECT_NE(result.out.find("status:  Koniec D:"), std::string::npos);
  EXPECT_NE(result.out.find("L.selected: -1\nL.sorted: off\nL.count: 0\n"), std::string::npos);
  EXPECT_EQ(work.Read("1A2B-3C4D.txt"), "        700.000  Film\\wakacje.mkv\r\n");
  EXPECT_NE(result.out.find("L[0]:     1A2B-3C4D.txt:         700.000  Film\\wakacje.mkv\n"
                            "L[1]:  Dyski:\n"
                            "L[2]:            1A2B-3C4D.txt\n"),
            std::string::npos)
      << result.out;
}

// Every disk its own catalogue: long labels whole, labels Windows-1250
// cannot hold by their serials; a search finds all four disks. A long label
// that changed in its last letter is another disk.
TEST(CatalogueRun, EveryDiskGetsItsOwnCatalogue) {
  TempFolder disk;
  disk.File("x.bin", 100000);
  TempFolder work;
  const std::string root = " 2 0 0 " + disk.path().string() + " ";
  const auto result = RunHeadless(
      "drive E" + root + "BACKUP_2019_DISC1\ndrive F" + root + "BACKUP_2019_DISC2\ndrive G" + root +
          "Фото\nserial G 1111-AAAA\ndrive H" + root + "Дача\nserial H 2222-BBBB\n" +
          "start\ntick\nselect Li 5\nkey Enter\nselect Li 6\nfocus Li\nkey Enter\n"
          "select Li 7\nfocus Li\nkey Enter\nselect Li 8\nfocus Li\nkey Enter\n"
          "text x.bin\nfocus E\nkey Enter\nrows L\n"
          "select Li 5\nfocus Li\ndrive E" +
          root + "BACKUP_2019_DISC\nkey Enter\nshow\n",
      work.path());
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_NE(result.out.find("L[3]:  BACKUP_2019_DISC2.txt:         100.000  x.bin\n"
                            "L[4]:  Dyski:\n"
                            "L[5]:                 1111-AAAA.txt\n"
                            "L[6]:                 2222-BBBB.txt\n"
                            "L[7]:         BACKUP_2019_DISC1.txt\n"
                            "L[8]:         BACKUP_2019_DISC2.txt\n"),
            std::string::npos)
      << result.out;
  EXPECT_EQ(work.Read("BACKUP_2019_DISC2.txt"), "        100.000  x.bin\r\n");
  EXPECT_NE(result.out.find("status:  Dysk się zmienił, wybierz go jeszcze raz.\n"),
            std::string::npos)
      << result.out;
}

TEST(CatalogueRun, LabelsBecomeFileNamesInsideTheWorkingFolderOnly) {
  TempFolder disk;
  disk.File("x.bin", 100000);
  TempFolder work;
  work.Write("OLD.txt", "keep me\r\n");
  const std::string root = disk.path().string();
  const auto result = RunHeadless("drive E 2 0 0 " + root + " A .B\ndrive F 2 0 0 " + root +
                                      " ../../ESCAPE\ndrive G 2 0 0 " + root +
                                      " C:EVIL\nstart\ntick\n"
                                      "select Li 5\nkey Enter\nselect Li 6\nfocus Li\nkey Enter\n"
                                      "show\nselect Li 7\nfocus Li\nkey Enter\nshow\n",
                                  work.path());
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(work.Read("A.B.txt"), "        100.000  x.bin\r\n");
  EXPECT_NE(result.out.find("status:  Nie mogę stworzyć __/../ESCAPE.txt.\n"), std::string::npos)
      << result.out;
  EXPECT_NE(result.out.find("status:  Nie mogę stworzyć C:EVIL.txt.\nyes: Analizuj enabled\n"),
            std::string::npos);
  EXPECT_NE(result.out.find("L.count: 0\n"), std::string::npos);
  EXPECT_FALSE(fs::exists(work.path().parent_path().parent_path() / "ESCAPE.txt"));
  EXPECT_EQ(work.Read("OLD.txt"), "keep me\r\n");
  std::size_t files = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(work.path())) ++files;
  EXPECT_EQ(files, 2u);
}

// A name is shown with "?" for what Windows-1250 lacks, for control bytes and
// for a "\\" (no folder separator here): one file is one line, and no name
// can forge a line or hide the lines after it from a search.
TEST(CatalogueRun, OddNamesAreWalkedAndShownWithQuestionMarksOneLineEach) {
  TempFolder disk;
  disk.File("日本/写真.jpg", 100000);
  disk.File("Zdjęcia/a\r\n        999.999  forged.bin", 100000);
  disk.File("Zdjęcia/b\r\x1A.bin", 100000);
  disk.File("Zdjęcia/c\\d.bin", 100000);
  disk.File("Zdjęcia/later.bin", 100000);
  TempFolder work;
  const auto result = RunHeadless("drive H 2 0 0 " + disk.path().string() +
                                      " ŁÓDŹ\nstart\ntick\nselect Li 8\nkey Enter\nrows L\n"
                                      "text bin\nfocus E\nkey Enter\nrows L\n",
                                  work.path());
  ASSERT_EQ(result.status, 0) << result.err;
  // "??" sorts before "ZDJĘCIA"; the file name on disk is UTF-8 again.
  const std::string lines[] = {
      "        100.000  ??\\??.jpg",
      "        100.000  Zdjęcia\\a??        999.999  forged.bin",
      "        100.000  Zdjęcia\\b??.bin",
      "        100.000  Zdjęcia\\c?d.bin",
      "        100.000  Zdjęcia\\later.bin",
  };
  std::string rows;
  std::string hits;
  for (int i = 0; i < 5; ++i) {
    rows += "L[" + std::to_string(i) + "]: " + lines[i] + "\n";
    if (i > 0) hits += "L[" + std::to_string(i - 1) + "]:  ŁÓDŹ.txt: " + lines[i] + "\n";
  }
  EXPECT_EQ(result.out, rows + hits + "L[4]:  Dyski:\nL[5]:         ŁÓDŹ.txt\n");
  EXPECT_EQ(work.Read("ŁÓDŹ.txt"),
            "        100.000  ??\\??.jpg\r\n"
            "        100.000  Zdj\xEA"
            "cia\\a??        999.999  forged.bin\r\n"
            "        100.000  Zdj\xEA"
            "cia\\b??.bin\r\n"
            "        100.000  Zdj\xEA"
            "cia\\c?d.bin\r\n"
            "        100.000  Zdj\xEA"
            "cia\\later.bin\r\n");
}

TEST(CatalogueRun, PathsBeyond250CharactersAreStillWalked) {
  TempFolder disk;
  std::string deep;
  for (int i = 0; i < 30; ++i) deep += std::string(20, static_cast<char>('a' + i % 26)) + "/";
  disk.File(deep + "deep.bin", 123456);
  TempFolder work;
  const auto result = RunHeadless(
      "drive H 2 0 0 " + disk.path().string() + " DEEP\nstart\ntick\nselect Li 8\nkey Enter\n",
      work.path());
  ASSERT_EQ(result.status, 0) << result.err;
  const std::string catalogue = work.Read("DEEP.txt");
  // The size, two spaces, 200 characters of the folder, the name.
  ASSERT_EQ(catalogue.size(), 15u + 2 + 200 + 8 + 2);
  EXPECT_EQ(catalogue.substr(0, 17), "        123.456  ");
  EXPECT_EQ(catalogue.substr(17, 21), std::string(20, 'a') + "\\");
  EXPECT_EQ(catalogue.substr(217), "deep.bin\r\n");
}

}  // namespace
}  // namespace zbk::testing
