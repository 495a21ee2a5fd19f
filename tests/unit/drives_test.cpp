// The drive list: the fields of a line and the refresh at each tick.
#include <gtest/gtest.h>

#include "drives/drive_line.h"
#include "support/window_fixture.h"
#include "text/literal.h"

namespace zbk::testing {
namespace {

constexpr std::int64_t kGiB = std::int64_t{1} << 30;

DriveInfo Fixed(std::string label, std::int64_t free_gib, std::int64_t total_gib) {
  DriveInfo drive;
  drive.type = kDriveFixed;
  drive.label = std::move(label);
  drive.free = free_gib * kGiB;
  drive.total = total_gib * kGiB;
  drive.root = "/";
  return drive;
}

DriveInfo EmptyCdDrive() {
  DriveInfo drive;
  drive.type = kDriveCdRom;
  return drive;
}

TEST(GigabyteText, WholeGibibytesRightAlignedWithLetterOAndAThousandsGap) {
  EXPECT_EQ(GigabyteText(0), "      O");
  EXPECT_EQ(GigabyteText(kGiB - 1), "      O");
  EXPECT_EQ(GigabyteText(kGiB), "      1");
  EXPECT_EQ(GigabyteText(37 * kGiB), "     37");
  EXPECT_EQ(GigabyteText(100 * kGiB), "    1OO");
  EXPECT_EQ(GigabyteText(931 * kGiB), "    931");
  EXPECT_EQ(GigabyteText(1024 * kGiB), "  1 O24");
  EXPECT_EQ(GigabyteText(2000 * kGiB), "  2 OOO");
  EXPECT_EQ(GigabyteText(10000 * kGiB), " 1O OOO");
  EXPECT_EQ(GigabyteText(123456 * kGiB), "123 456");
  EXPECT_EQ(GigabyteText(1000000 * kGiB), "1OO OOOO");
  EXPECT_EQ(GigabyteText(std::nullopt), "");
  EXPECT_EQ(GigabyteText(INT64_MAX), "858 9934591");
}

TEST(DriveLine, FieldsLineUpUnderTheHeader) {
  DriveInfo stick = Fixed("ZDJECIA_RODZINNE_01", 2000, 3726);
  stick.type = kDriveRemovable;
  EXPECT_EQ(DriveLine('C', Fixed("SYSTEM", 37, 931)).str(),
            " C:   lokalny  SYSTEM              37    931");
  EXPECT_EQ(DriveLine('D', stick).str(), " D:  wymienny  ZDJECIA_RODZINNE_01  2 OOO  3 726");
  EXPECT_EQ(DriveLine('E', EmptyCdDrive()).str(), " E:  CD / DVD                 ");
  EXPECT_EQ(DriveLine('B', DriveInfo{}).str(), " B:   -brak-                  ");
  EXPECT_EQ(DriveLine('C', Fixed("SYSTEM", 37, 931)).size(), 44u);
}

TEST(DriveLine, TypeNamesLabelsAndFailingQueries) {
  const char* names[] = {"nieznany", " -brak- ", "wymienny", " lokalny",
                         "sieciowy", "CD / DVD", "RAMdisk "};
  for (int code = 0; code <= 6; ++code) EXPECT_EQ(DriveTypeName(code), names[code]);
  EXPECT_EQ(DriveTypeName(7), "nieznany");
  EXPECT_EQ(LabelField(std::string("AB\0CD", 5)), "AB             ");
  EXPECT_EQ(LabelField(std::string(15, 'L')), std::string(15, 'L'));
  EXPECT_EQ(LabelField(std::string(300, 'L')), std::string(201, 'L'));
  EXPECT_EQ(LabelField(std::nullopt), std::string(15, ' '));
  // A failing free-space query leaves its field empty; the total moves left.
  DriveInfo drive = Fixed(std::string(300, 'L'), 1, 2);
  drive.free.reset();
  EXPECT_EQ(DriveLine('F', drive).size(), 223u);
  drive.label = "X";
  EXPECT_EQ(DriveLine('F', drive).str(), " F:   lokalny  X                    2");
}

struct RefreshTest : ::testing::Test {
  RefreshTest() {
    f.drives.Set('C', Fixed("SYSTEM", 37, 931));
    f.drives.Set('D', EmptyCdDrive());
    f.Start();
  }
  WindowFixture f;
};

TEST_F(RefreshTest, FirstTickAppendsEveryLetterAndSelectsNothing) {
  f.toolkit.Focus(FocusControl::kE);
  f.toolkit.Tick();
  ASSERT_EQ(f.toolkit.li().Count(), 27);
  EXPECT_EQ(f.toolkit.li().Row(1), " A:   -brak-                  ");
  EXPECT_EQ(f.toolkit.li().Row(3), " C:   lokalny  SYSTEM              37    931");
  EXPECT_EQ(f.toolkit.li().Row(4), " D:  CD / DVD                 ");
  EXPECT_EQ(f.toolkit.li().Row(26), " Z:   -brak-                  ");
  EXPECT_EQ(f.toolkit.li().Selected(), -1);
  EXPECT_EQ(f.toolkit.yes().Caption(), "Szukaj");
  EXPECT_EQ(f.toolkit.caption(), "");
}

TEST_F(RefreshTest, CaptionShowsTheTimeAtEveryEvenTick) {
  f.toolkit.Tick();
  f.toolkit.Tick();
  EXPECT_EQ(f.toolkit.caption(), "  jan  on  PC1   5 s");
  f.toolkit.Tick();
  EXPECT_EQ(f.toolkit.caption(), "  jan  on  PC1   5 s");
  f.toolkit.Tick();
  EXPECT_EQ(f.toolkit.caption(), "  jan  on  PC1   10 s");
}

TEST_F(RefreshTest, AChangedRowIsReplacedSelectedAndArmsAnalizuj) {
  f.toolkit.Tick();
  f.toolkit.Focus(FocusControl::kE);
  // Less free space, but the same whole number of GiB: nothing changes.
  DriveInfo c = Fixed("SYSTEM", 37, 931);
  *c.free += kGiB / 2;
  f.drives.Set('C', c);
  f.toolkit.Tick();
  EXPECT_EQ(f.toolkit.li().Selected(), -1);
  EXPECT_EQ(f.toolkit.yes().Caption(), "Szukaj");
  f.drives.Set('C', Fixed("SYSTEM", 36, 931));
  f.toolkit.Tick();
  EXPECT_EQ(f.toolkit.li().Row(3), " C:   lokalny  SYSTEM              36    931");
  EXPECT_EQ(f.toolkit.li().Selected(), 3);
  EXPECT_EQ(f.toolkit.yes().Caption(), "Analizuj");
}

TEST_F(RefreshTest, SeveralChangesInOneTickEndOnTheHighestLetter) {
  f.toolkit.Tick();
  f.drives.Set('D', Fixed("FILMY", 0, 4));
  f.drives.Set('F', Fixed("STICK", 1, 15));
  f.toolkit.Tick();
  EXPECT_EQ(f.toolkit.li().Selected(), 6);
  // A removed medium: the row loses its label and sizes and is selected.
  f.toolkit.li().Select(1);
  f.drives.Set('D', EmptyCdDrive());
  f.toolkit.Tick();
  EXPECT_EQ(f.toolkit.li().Row(4), " D:  CD / DVD                 ");
  EXPECT_EQ(f.toolkit.li().Selected(), 4);
}

TEST_F(RefreshTest, ATickFirstLetsWaitingMessagesThrough) {
  int seen_ticks = -1;
  f.toolkit.Post([&] { seen_ticks = static_cast<int>(f.state().TickCount); });
  f.toolkit.Tick();
  EXPECT_EQ(seen_ticks, 0);
  EXPECT_EQ(f.state().TickCount, 1u);
}

}  // namespace
}  // namespace zbk::testing
