// The Windows services under the core: a catalogue run and a search over
// real folders of the Wine prefix (with the in-memory window), the drives
// and the names of the system.
#include <gtest/gtest.h>
#include <windows.h>

#include "platform/win32/wide_text.h"
#include "platform/win32/win32_drives.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_hosts.h"
#include "support/temp_folder.h"
#include "support/window_fixture.h"
#include "text/literal.h"
#include "text/upper.h"
#include "win32/wine_support.h"

namespace zbk::testing {
namespace {

namespace fs = std::filesystem;

TEST(Win32Services, ACatalogueRunWritesPolishNamesInWindows1250) {
  TempFolder temp;
  const fs::path disk = temp.path() / L"dysk";
  MakeFile(disk / L"Zdjęcia" / L"źródło.dat", 150000);
  MakeFile(disk / L"日本" / L"big.bin", 200000);
  MakeFile(disk / L"日本" / L"small.bin", 99999);
  const fs::path work = temp.path() / L"katalogi";
  fs::create_directories(work);
  const WorkingFolderScope in(work);

  WindowFixture f;
  f.drives.Set('K', {kDriveRemovable, 1, 2, NativeOf(disk.wstring()), std::string("Wakacje ąę"_cp),
                     std::nullopt});
  f.Start();
  f.toolkit.Tick();
  f.toolkit.li().Select(11);
  f.toolkit.ClickYes();

  const std::string catalogue = ReadBytes(work / L"Wakacje ąę.txt");
  // In name order: "??" (63) before "Zdjęcia" (90).
  EXPECT_EQ(catalogue,
            "        200.000  ??\\big.bin\r\n"
            "        150.000  Zdj\xEA\x63ia\\\x9Fr\xF3\x64\xB3o.dat\r\n");

  // And the search finds it again, the catalogue named in Windows-1250.
  f.toolkit.Focus(FocusControl::kE);
  f.toolkit.SetQueryText("źródło"_cp);
  f.toolkit.PressEnter();
  const auto& rows = f.toolkit.l().rows();
  ASSERT_FALSE(rows.empty());
  EXPECT_EQ(rows.front(),
            " Wakacje \xB9\xEA.txt:         150.000  Zdj\xEA\x63ia\\\x9Fr\xF3\x64\xB3o.dat");
}

TEST(Win32Services, DrivesOfTheSystem) {
  Win32Drives drives;
  const DriveInfo c = drives.Query('C');
  EXPECT_EQ(c.type, kDriveFixed);
  ASSERT_TRUE(c.free && c.total);
  EXPECT_GT(*c.total, 0);
  EXPECT_GE(*c.free, 0);
  EXPECT_LE(*c.free, *c.total);
  EXPECT_TRUE(c.label);
  EXPECT_TRUE(c.serial);

  // A letter with no drive behind it.
  const DWORD present = GetLogicalDrives();
  char missing = 0;
  for (int i = 0; i < 26 && missing == 0; ++i) {
    if ((present & (1u << i)) == 0) missing = static_cast<char>('A' + i);
  }
  ASSERT_NE(missing, 0);
  const DriveInfo none = drives.Query(missing);
  EXPECT_EQ(none.type, kDriveNoRoot);
  EXPECT_FALSE(none.label || none.serial || none.free || none.total || none.root);

  // The root folder is listed in its long-path form.
  ASSERT_TRUE(c.root);
  EXPECT_EQ(WideOf(*c.root), L"\\\\?\\C:\\");
  Win32Files files;
  const auto listing = files.List(*c.root, "*.*", ListingDetail::kNamesAndKinds);
  ASSERT_NE(listing, nullptr);
  bool windows_folder = false;
  FolderEntry entry;
  while (listing->Next(entry)) windows_folder |= entry.folder() && Upper(entry.name) == "WINDOWS";
  EXPECT_TRUE(windows_folder);
}

TEST(Win32Services, NamesOfTheComputerAndTheUser) {
  Win32Hosts hosts;
  wchar_t computer[64];
  DWORD size = 64;
  ASSERT_TRUE(GetComputerNameW(computer, &size));
  EXPECT_EQ(hosts.ComputerName(), Cp1250FromWide(computer));
  EXPECT_FALSE(hosts.UserName().empty());
  EXPECT_EQ(hosts.UserName().find('\0'), std::string::npos);
}

}  // namespace
}  // namespace zbk::testing
