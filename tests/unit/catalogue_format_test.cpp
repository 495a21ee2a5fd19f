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

TEST(CatalogueFileName, TheLabelColumnsWithSpacesBeforePeriodsRemoved) {
  const std::string prefix = " F:  wymienny  ";
  const std::optional<std::string> serial = "1A2B-3C4D";
  EXPECT_EQ(CatalogueFileName(prefix + "ARCHIWUM 01    " + "   1     2", serial).str(),
            "ARCHIWUM 01.txt");
  EXPECT_EQ(CatalogueFileName(prefix + "A .B           ", serial).str(), "A.B.txt");
  EXPECT_EQ(CatalogueFileName(prefix + "ZDJECIA_RODZINNE_01  2 OOO", serial).str(),
            "ZDJECIA_RODZINN.txt");
}

TEST(CatalogueFileName, ADriveWithoutALabelIsNamedAfterItsSerial) {
  const std::string row = " F:  wymienny  " + std::string(15, ' ') + "   1     2";
  EXPECT_EQ(CatalogueFileName(row, "1A2B-3C4D").str(), "1A2B-3C4D.txt");
  EXPECT_EQ(CatalogueFileName(row, std::nullopt).str(), "bez etykiety.txt");
  EXPECT_EQ(CatalogueFileName(" B:   -brak-  ", std::nullopt).str(), "bez etykiety.txt");
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
