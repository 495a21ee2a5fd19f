// zbk's commands as a user runs them: --szukaj prints the rows the window
// shows for the same query, and the exit statuses of both commands; the
// page of --raport is the expected one (Zbk.exe's tests expect it too).
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "report/page_compare.h"
#include "support/headless_run.h"
#include "support/temp_folder.h"

namespace zbk::testing {
namespace {

namespace fs = std::filesystem;

const fs::path kFixtures = ZBK_REPORT_FIXTURES;

void CopyCatalogues(const TempFolder& work) {
  for (const auto& entry : fs::directory_iterator(kFixtures / "catalogues")) {
    fs::copy_file(entry.path(), work / entry.path().filename().string());
  }
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// The hit rows of the window for `query`: its rows before " Dyski:".
std::vector<std::string> WindowRows(const std::string& query, const fs::path& folder) {
  const auto result =
      RunHeadless("start\nfocus E\ntext " + query + "\nkey Enter\nrows L\n", folder);
  std::vector<std::string> rows;
  for (const std::string& line : Lines(result.out)) {
    const std::string row = line.substr(line.find(": ") + 2);
    if (row == " Dyski:") break;
    rows.push_back(row);
  }
  return rows;
}

HeadlessResult Zbk(const std::vector<std::string>& arguments, const fs::path& folder,
                   int as_user = -1) {
  return RunProgram(ZBK_PROGRAM, arguments, "", folder, as_user);
}

TEST(CommandLineSearch, PrintsTheRowsOfTheWindow) {
  TempFolder work;
  CopyCatalogues(work);
  for (const std::vector<std::string>& words :
       {std::vector<std::string>{"img_0001"}, {"zdjęcia", "jpg"}, {"2003", "IMG", "jpg"}}) {
    std::string query;
    for (const auto& word : words) query += (query.empty() ? "" : " ") + word;
    const std::vector<std::string> rows = WindowRows(query, work.path());
    ASSERT_FALSE(rows.empty()) << query;
    std::vector<std::string> arguments{"-C", work.path().string(), "--szukaj"};
    arguments.insert(arguments.end(), words.begin(), words.end());
    const auto result = Zbk(arguments, "/");
    EXPECT_EQ(result.status, 0) << query;
    EXPECT_EQ(Lines(result.out), rows) << query;
    EXPECT_EQ(result.err, "");
  }
}

TEST(CommandLineSearch, ExitStatuses) {
  TempFolder work;
  CopyCatalogues(work);
  const auto none = Zbk({"--szukaj", "nic", "takiego"}, work.path());
  EXPECT_EQ(none.status, 1);
  EXPECT_EQ(none.out, "");
  const auto four = Zbk({"--szukaj", "a", "b", "c", "d"}, work.path());
  EXPECT_EQ(four.status, 2);
  EXPECT_EQ(four.err, "Tylko 3 słowa\n");
  const auto empty = Zbk({"--szukaj", " "}, work.path());
  EXPECT_EQ(empty.status, 2);
  EXPECT_EQ(empty.err, "Nie wpisałeś czego szukasz\n");
  TempFolder nothing;
  const auto no_catalogues = Zbk({"--szukaj", "img"}, nothing.path());
  EXPECT_EQ(no_catalogues.status, 1);
  EXPECT_EQ(no_catalogues.err, "Nie ma plików *.TXT\n");
  EXPECT_EQ(Zbk({"--szukaj"}, nothing.path(), -1).status, 2);
  EXPECT_EQ(Zbk({"--raport", "--nie-ma-takiej"}, nothing.path()).status, 2);
}

TEST(CommandLineReport, ExitStatuses) {
  TempFolder nothing;
  const auto none = Zbk({"--raport"}, nothing.path());
  EXPECT_EQ(none.status, 2);
  EXPECT_EQ(none.err, "Nie ma plików *.TXT w folderze " + nothing.path().string() + "\n");
  EXPECT_FALSE(fs::exists(nothing / "zbiorek-raport.html"));
  if (geteuid() != 0) GTEST_SKIP() << "an unreadable catalogue needs another user: run as root";
  TempFolder work;
  CopyCatalogues(work);
  work.Write("Zamknięty.txt", "        123.456  a.bin\r\n");
  fs::permissions(work / "Zamknięty.txt", fs::perms::none);
  fs::permissions(work.path(), fs::perms::all);
  const auto result = Zbk({"--raport", work.path().string()}, "/", 65534);
  EXPECT_EQ(result.status, 3);
  EXPECT_EQ(result.err, "Nie mogę otworzyć pliku Zamknięty.txt, raport bez tego katalogu\n");
  EXPECT_NE(ReadFile(work / "zbiorek-raport.html").find("Zamkni\xeaty.txt"), std::string::npos);
}

TEST(CommandLineReport, WritesTheExpectedPageAndSummary) {
  TempFolder work;
  CopyCatalogues(work);
  const auto result = Zbk({"--raport", work.path().string()}, "/");
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(Lines(result.out),
            (std::vector<std::string>{
                "Raport zbioru: " + (work / "zbiorek-raport.html").string(),
                "Katalogi: 4, pliki: 17, bajty: 1,4 GB",
                "Tylko na jednym dysku: 1,4 GB, z kopią na innym dysku: 45,2 MB",
                "KOPIA_ZAPASOWA.txt    100% z kopią, tylko tutaj 0 B, można zwolnić",
                "Pendrive.txt         99,2% z kopią, tylko tutaj 120,6 KB",
                "ARCHIWUM_2003.txt     0,7% z kopią, tylko tutaj 700,0 MB",
                "DVD_FOTO.txt          0,7% z kopią, tylko tutaj 712,0 MB",
            }));
  EXPECT_EQ(WithoutPlaceAndDate(ReadFile(work / "zbiorek-raport.html")),
            WithoutPlaceAndDate(ReadFile(kFixtures / "expected_page.html")));
  // Nothing else is left in the folder.
  EXPECT_EQ(std::distance(fs::directory_iterator(work.path()), fs::directory_iterator()), 5);
}

TEST(CommandLineReport, ShowOpensThePageWithXdgOpen) {
  TempFolder work;
  CopyCatalogues(work);
  // An xdg-open of the test's own, first in the PATH, notes what it is given.
  TempFolder tools;
  tools.Write("xdg-open", "#!/bin/sh\nprintf '%s' \"$1\" > \"$0.opened\"\n");
  fs::permissions(tools / "xdg-open", fs::perms::owner_all);
  const std::string path = std::getenv("PATH");
  setenv("PATH", (tools.path().string() + ":" + path).c_str(), 1);
  const auto result = Zbk({"--raport", work.path().string(), "--pokaz"}, "/");
  setenv("PATH", path.c_str(), 1);
  EXPECT_EQ(result.status, 0) << result.err;
  // The page opens in the background.
  for (int i = 0; i < 100 && !fs::exists(tools / "xdg-open.opened"); ++i) usleep(20000);
  usleep(20000);
  EXPECT_EQ(ReadFile(tools / "xdg-open.opened"), (work / "zbiorek-raport.html").string());
}

}  // namespace
}  // namespace zbk::testing
