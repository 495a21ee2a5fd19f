// The collection report: file lines read back, copies across catalogues
// figure by figure, the report's statuses and texts, and the command line.
#include <gtest/gtest.h>

#include "app/command_line.h"
#include "report/collection.h"
#include "report/collection_report.h"
#include "report/file_line.h"
#include "report/report_text.h"
#include "support/faulty_files.h"
#include "support/memory_files.h"
#include "text/literal.h"
#include "text/short_text.h"

namespace zbk::testing {
namespace {

TEST(FileLine, OnlyLinesOfTheCatalogueShapeAreFiles) {
  const auto file = ReadFileLine("      2.345.678  Foto\\Lato\\IMG_1.JPG");
  ASSERT_TRUE(file);
  EXPECT_EQ(file->size, 2345678u);
  EXPECT_EQ(file->path, "Foto\\Lato\\IMG_1.JPG");
  EXPECT_EQ(file->name, "IMG_1.JPG");
  const auto big = ReadFileLine(Join("większy niż 4GB"_cp, "  a.mkv"));
  ASSERT_TRUE(big);
  EXPECT_EQ(big->size, kSizeLimit);
  for (const std::string& line :
       {std::string("to nie jest plik"), std::string("      1.000.00  zly.bin"),
        std::string("      01.000.000  zly.bin"), std::string("      2.345.678 x.bin"),
        std::string("      2.345.678  Folder\\"), std::string("  4.294.967.295  x.bin"),
        std::string("      2.345.678  ") + std::string(451, 'x')}) {
    EXPECT_FALSE(ReadFileLine(line)) << line;
  }
  EXPECT_TRUE(ReadFileLine(std::string("      2.345.678  ") + std::string(450, 'x')));
  // The name decides, letters a to z in either case; the folder does not.
  EXPECT_EQ(FileKey(*ReadFileLine("        100.000  Foto\\a.jpg")),
            FileKey(*ReadFileLine("        100.000  Kopie\\A.JPG")));
  EXPECT_NE(FileKey(*ReadFileLine("        100.000  a.jpg")),
            FileKey(*ReadFileLine("        100.001  a.jpg")));
  EXPECT_NE(FileKey(*ReadFileLine(Join("        100.000  ", "ą.jpg"_cp))),
            FileKey(*ReadFileLine(Join("        100.000  ", "Ą.jpg"_cp))));
}

// A fully copied disk A, files on three disks, lines of more than 4 GB,
// lines that are no file lines, copies within one disk, and D.txt that
// cannot be read.
struct CollectionTest : ::testing::Test {
  CollectionTest() : files(memory) {
    const std::string big(("większy niż 4GB"_cp));
    Add("A.txt", {"        100.000  Foto\\a.jpg", "      2.345.678  Foto\\Lato\\IMG_1.JPG",
                  big + "  Filmy\\duzy.mkv", "        100.000  dlugi.bin"});
    Add("B.txt",
        {"        100.000  Kopie\\A.JPG", "      2.345.678  x\\img_1.jpg", big + "  DUZY.MKV",
         "      9.000.000  tylko.iso", "      9.000.000  Inne\\tylko.iso",
         "      2.345.679  inny\\img_1.jpg", "to nie jest plik", "      1.000.00  zly.bin"});
    Add("D.txt", {"      2.345.678  img_1.jpg"});
    // A line longer than the search reads (250 characters): its name counts.
    Add("C.txt", {"      2.345.678  img_1.jpg",
                  "        100.000  " + std::string(250, 'f') + "\\dlugi.bin"});
    files.faults.deny_open = [](const NativePath& file) { return file.ends_with("D.txt"); };
  }
  void Add(std::string_view name, std::initializer_list<std::string> lines) {
    std::string bytes;
    for (const auto& line : lines) bytes += line + "\r\n";
    memory.AddFile(std::string(MemoryFiles::kWorkingFolder), name, bytes);
  }
  MemoryFiles memory;
  FaultyFiles files;
};

TEST_F(CollectionTest, FiguresOfEveryCatalogue) {
  const auto figures = ReadCollection(files, files.WorkingFolder());
  ASSERT_TRUE(figures);
  ASSERT_EQ(figures->catalogues.size(), 4u);
  const CatalogueFigures& a = figures->catalogues[0];
  const CatalogueFigures& b = figures->catalogues[1];
  const CatalogueFigures& c = figures->catalogues[2];
  const CatalogueFigures& d = figures->catalogues[3];
  EXPECT_EQ(a.name + b.name + c.name + d.name, "A.txtB.txtC.txtD.txt");
  EXPECT_EQ(d.error, std::string("Nie mogę otworzyć pliku D.txt"_cp));
  EXPECT_EQ(figures->unread(), 1u);

  EXPECT_EQ(a.files, 4u);
  EXPECT_EQ(a.bytes, 2545678u);
  EXPECT_EQ(a.copied_bytes, 2545678u);
  EXPECT_EQ(a.over_4gb, 1u);
  EXPECT_EQ(a.over_4gb_copied, 1u);
  EXPECT_TRUE(a.fully_copied());
  EXPECT_TRUE(a.largest_single.empty());

  EXPECT_EQ(b.files, 6u);
  EXPECT_EQ(b.bytes, 22791357u);
  EXPECT_EQ(b.copied_files, 3u);
  EXPECT_EQ(b.copied_bytes, 2445678u);
  EXPECT_EQ(b.single_files(), 3u);
  EXPECT_EQ(b.single_bytes(), 20345679u);
  EXPECT_FALSE(b.fully_copied());
  ASSERT_EQ(b.largest_single.size(), 3u);
  EXPECT_EQ(b.largest_single[0].path, "tylko.iso");
  EXPECT_EQ(b.largest_single[1].path, "Inne\\tylko.iso");
  EXPECT_EQ(b.largest_single[2].path, "inny\\img_1.jpg");
  EXPECT_EQ(b.largest_single[2].size, 2345679u);

  EXPECT_TRUE(c.fully_copied());
  EXPECT_EQ(c.bytes, 2445678u);

  ASSERT_EQ(figures->most_copied.size(), 1u);
  EXPECT_EQ(figures->most_copied[0].file.path, "Foto\\Lato\\IMG_1.JPG");
  EXPECT_EQ(figures->most_copied[0].catalogues, (std::vector<std::size_t>{0, 1, 2}));

  const CatalogueFigures totals = figures->Totals();
  EXPECT_EQ(totals.files, 12u);
  EXPECT_EQ(totals.bytes, 27782713u);
  EXPECT_EQ(totals.copied_bytes, 7437034u);
  EXPECT_EQ(totals.single_bytes(), 20345679u);
}

struct Collected : ReportOutput {
  void Line(std::string_view line) override { lines.emplace_back(line); }
  void Error(std::string_view line) override { errors.emplace_back(line); }
  std::vector<std::string> lines;
  std::vector<std::string> errors;
};

TEST_F(CollectionTest, TheReportGoesOnWithoutTheCatalogueItCannotRead) {
  Collected output;
  const ReportPlace place{"/dyski", "/dyski/zbiorek-raport.html", "2026-12-08 21:30"};
  EXPECT_EQ(CollectionReport(files, place, output), kReportIncomplete);
  EXPECT_EQ(output.errors, (std::vector<std::string>{Join(
                               "Nie mogę otworzyć pliku D.txt, raport bez tego katalogu"_cp)}));
  EXPECT_EQ(output.lines,
            (std::vector<std::string>{
                "Raport zbioru: /dyski/zbiorek-raport.html",
                "Katalogi: 3, pliki: 12, bajty: 26,5 MB",
                Join("Tylko na jednym dysku: 19,4 MB, z kopią na innym dysku: 7,1 MB"_cp),
                Join("A.txt    100% z kopią, tylko tutaj 0 B, można zwolnić"_cp),
                Join("C.txt    100% z kopią, tylko tutaj 0 B, można zwolnić"_cp),
                Join("B.txt   10,7% z kopią, tylko tutaj 19,4 MB"_cp),
            }));
  const MemoryFiles::Node* page = memory.Find("/work/zbiorek-raport.html");
  ASSERT_NE(page, nullptr);
  EXPECT_NE(page->bytes.find("<meta charset=\"windows-1250\">"), std::string::npos);
  EXPECT_NE(page->bytes.find(std::string("<li>") + std::string("Nie mogę otworzyć pliku D.txt"_cp)),
            std::string::npos);
  EXPECT_EQ(page->bytes.find("<script"), std::string::npos);
}

TEST_F(CollectionTest, AFolderThatCannotBeListedGivesNoReport) {
  files.faults.before_list = [](const NativePath&, int) { throw ListingFailed("/work"); };
  Collected output;
  EXPECT_EQ(CollectionReport(files, {"/work", "/work/zbiorek-raport.html", ""}, output),
            kReportNotWritten);
  EXPECT_EQ(output.errors, (std::vector<std::string>{Join("Błąd odczytu pliku /work"_cp)}));
  EXPECT_TRUE(memory.created().empty());
}

TEST(ReportText, SizesAndCounts) {
  EXPECT_EQ(SizeText(1023), "1023 B");
  EXPECT_EQ(SizeText(1048575), "1,0 MB");  // not "1024,0 KB"
  EXPECT_EQ(SizeText(1048575 - 52), "1023,9 KB");
  EXPECT_EQ(GroupedDigits(18446744073709551615u), "18.446.744.073.709.551.615");
}

TEST(CollectionReport, WithoutCataloguesNothingIsWritten) {
  MemoryFiles memory;
  memory.AddFile(std::string(MemoryFiles::kWorkingFolder), ".ukryty.txt", "      2.345.678  a\r\n");
  Collected output;
  EXPECT_EQ(CollectionReport(memory, {"/dyski", "/dyski/zbiorek-raport.html", ""}, output),
            kReportNotWritten);
  EXPECT_EQ(output.errors,
            (std::vector<std::string>{Join("Nie ma plików *.TXT w folderze /dyski"_cp)}));
  EXPECT_TRUE(memory.created().empty());
}

std::vector<Argument> Arguments(std::initializer_list<const char*> texts) {
  std::vector<Argument> arguments;
  for (const char* text : texts) arguments.push_back({text, text});
  return arguments;
}

TEST(CommandLine, CommandsAndTheirOptions) {
  using Command = CommandLine::Command;
  EXPECT_EQ(ParseCommandLine(Arguments({"-platform", "offscreen"}), false).command,
            Command::kWindow);
  const CommandLine search =
      ParseCommandLine(Arguments({"-C", "dyski", "--szukaj", "foto", "-C"}), false);
  EXPECT_EQ(search.command, Command::kSearch);
  EXPECT_EQ(search.folder, "dyski");
  EXPECT_EQ(search.query, "foto -C");
  const CommandLine report = ParseCommandLine(Arguments({"/raport", "C:\\dyski", "/pokaz"}), true);
  EXPECT_EQ(report.command, Command::kReport);
  EXPECT_EQ(report.folder, "C:\\dyski");
  EXPECT_TRUE(report.show);
  EXPECT_EQ(ParseCommandLine(Arguments({"/raport"}), false).command, Command::kWindow);
  EXPECT_EQ(ParseCommandLine(Arguments({"--raport", "/dyski"}), false).folder, "/dyski");
  EXPECT_EQ(ParseCommandLine(Arguments({"--raport", "--pokaz"}), false).folder, std::nullopt);
  EXPECT_EQ(ParseCommandLine(Arguments({"--help"}), false).command, Command::kHelp);
  for (const auto& wrong : {Arguments({"--raport", "a", "b"}), Arguments({"--pokaz"}),
                            Arguments({"--raport", "--szukaj", "x"}), Arguments({"-C"})}) {
    EXPECT_EQ(ParseCommandLine(wrong, false).command, Command::kWrong);
  }
}

}  // namespace
}  // namespace zbk::testing
