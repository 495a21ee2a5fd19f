// The catalogue format and the catalogue file's name.
#include <gtest/gtest.h>

#include "catalogue/catalogue_line.h"
#include "catalogue/catalogue_run.h"
#include "drives/drive_line.h"
#include "text/literal.h"

namespace zbk {
namespace {

TEST(SizeField, GroupedRightAlignedOrOver4GB) {
  EXPECT_EQ(SizeField(100000), "        100.000");
  EXPECT_EQ(SizeField(123456), "        123.456");
  EXPECT_EQ(SizeField(1234567), "      1.234.567");
  EXPECT_EQ(SizeField(3000000000u), "  3.000.000.000");
  EXPECT_EQ(SizeField(4294967294u), "  4.294.967.294");
  EXPECT_EQ(SizeField(4294967295u), std::string("większy niż 4GB"_cp));
  EXPECT_EQ(SizeField(4294967295u).size(), 15u);
  EXPECT_EQ(GroupedDigits(0), "0");
  EXPECT_EQ(GroupedDigits(999), "999");
  EXPECT_EQ(GroupedDigits(1000), "1.000");
}

TEST(CatalogueLine, SizeTwoSpacesFolderWithoutDriveAndName) {
  EXPECT_EQ(CatalogueLine(2345678, "C:\\Foto\\Lato\\", "IMG_0001.JPG"),
            "      2.345.678  Foto\\Lato\\IMG_0001.JPG");
  EXPECT_EQ(CatalogueLine(100000, "C:\\", "a.iso"), "        100.000  a.iso");
  // One file, one line: a name never holds a line end or a Ctrl-Z.
  EXPECT_EQ(CatalogueLine(100000, "C:\\a\r\nb\\", "x\r\n        200.000  y\x1A\t"),
            "        100.000  a??b\\x??        200.000  y??");
  // The folder part is characters 4 to 203 of the path; the name is cut to 250.
  const std::string path = "C:\\" + std::string(246, 'p') + "\\";
  const std::string line = CatalogueLine(100000, path, std::string(300, 'n'));
  EXPECT_EQ(line, "        100.000  " + std::string(200, 'p') + std::string(250, 'n'));
}

std::string NameOf(std::optional<std::string> label, std::optional<std::string> serial,
                   bool exact = true) {
  DriveInfo drive;
  drive.label = std::move(label);
  drive.label_exact = exact;
  drive.serial = std::move(serial);
  return CatalogueFileName(IdentityOf(drive)).str();
}

TEST(CatalogueFileName, TheWholeLabelWithSpacesBeforePeriodsRemoved) {
  const std::optional<std::string> serial = "1A2B-3C4D";
  EXPECT_EQ(NameOf("ARCHIWUM 01", serial), "ARCHIWUM 01.txt");
  EXPECT_EQ(NameOf("A .B  ", serial), "A.B.txt");
  EXPECT_EQ(NameOf("BACKUP_2019_DISC1", serial), "BACKUP_2019_DISC1.txt");
  EXPECT_EQ(NameOf("BACKUP_2019_DISC2 .", serial), "BACKUP_2019_DISC2..txt");
  EXPECT_EQ(NameOf(std::string(250, 'x'), serial), std::string(201, 'x') + ".txt");
  // Periods at the start would hide the catalogue from the search.
  EXPECT_EQ(NameOf(".hidden", serial), "_hidden.txt");
  EXPECT_EQ(NameOf(".", serial), "_.txt");
  EXPECT_EQ(NameOf("..", serial), "__.txt");
  EXPECT_EQ(NameOf(" .x", serial), "_x.txt");
}

TEST(CatalogueFileName, ADriveWithoutALabelItCanHoldIsNamedAfterItsSerial) {
  EXPECT_EQ(NameOf(std::nullopt, "1A2B-3C4D"), "1A2B-3C4D.txt");
  EXPECT_EQ(NameOf("   ", std::nullopt), "bez etykiety.txt");
  EXPECT_EQ(NameOf("????", "1A2B-3C4D", false), "1A2B-3C4D.txt");
  EXPECT_EQ(NameOf("????", std::nullopt, false), "bez etykiety.txt");
}

TEST(RowShowsLabel, TheWholeLabelAndNothingButTheSpaceBehind) {
  DriveInfo drive;
  drive.type = kDriveRemovable;
  drive.label = "BACKUP_2019_DISC1";
  drive.free = std::int64_t{5} << 30;
  drive.total = std::int64_t{1234567} << 30;
  const std::string row = DriveLine('F', drive).str();
  EXPECT_TRUE(RowShowsLabel(row, LabelField(drive.label)));
  EXPECT_FALSE(RowShowsLabel(row, LabelField("BACKUP_2019_DISC")));
  EXPECT_FALSE(RowShowsLabel(row, LabelField("BACKUP_2019_DISC12")));
  EXPECT_FALSE(RowShowsLabel(row, LabelField("BACKUP")));
  drive.free.reset();
  drive.total.reset();
  EXPECT_TRUE(RowShowsLabel(DriveLine('F', drive).str(), LabelField(drive.label)));
  EXPECT_FALSE(RowShowsLabel(DriveLine('F', drive).str(), LabelField("BACKUP_2019_DISC")));
  EXPECT_FALSE(RowShowsLabel(" B:   -brak-  ", LabelField(std::nullopt)));
  EXPECT_TRUE(RowShowsLabel(DriveLine('B', DriveInfo{}).str(), LabelField(std::nullopt)));
}

TEST(CatalogueFileName, OnlyNamesInsideTheWorkingFolderAreCreated) {
  EXPECT_TRUE(StaysInWorkingFolder("ARCHIWUM.txt"));
  EXPECT_TRUE(StaysInWorkingFolder("...txt"));
  EXPECT_FALSE(StaysInWorkingFolder("../x.txt"));
  EXPECT_FALSE(StaysInWorkingFolder("a\\b.txt"));
  EXPECT_FALSE(StaysInWorkingFolder("C:x.txt"));
}

TEST(DriveOfRow, OnlyDriveRowsNameADrive) {
  EXPECT_EQ(DriveOfRow(" C:   lokalny  SYSTEM"), 'C');
  EXPECT_EQ(DriveOfRow(" ?  typ dysku  nazwa            wolne   w GB"), std::nullopt);
  EXPECT_EQ(DriveOfRow(""), std::nullopt);
  EXPECT_EQ(DriveOfRow("  "), std::nullopt);
}

}  // namespace
}  // namespace zbk
