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
  EXPECT_EQ(drives.DriveType("C:\\"), kDriveFixed);
  EXPECT_GT(drives.DiskSize(3), 0);
  EXPECT_GE(drives.DiskFree(3), 0);
  EXPECT_LE(drives.DiskFree(3), drives.DiskSize(3));
  std::string label = "unchanged";
  EXPECT_TRUE(drives.VolumeLabel("C:\\", label));
  EXPECT_NE(label, "unchanged");

  // A letter with no drive behind it.
  const DWORD present = GetLogicalDrives();
  int missing = 0;
  for (int i = 1; i <= 26 && missing == 0; ++i) {
    if ((present & (1u << (i - 1))) == 0) missing = i;
  }
  ASSERT_NE(missing, 0);
  const std::string root = {static_cast<char>('A' + missing - 1), ':', '\\'};
  EXPECT_EQ(drives.DriveType(root), kDriveNoRoot);
  EXPECT_EQ(drives.DiskFree(missing), -1);
  EXPECT_EQ(drives.DiskSize(missing), -1);
  EXPECT_FALSE(drives.VolumeLabel(root, label));
  EXPECT_EQ(drives.DiskFree(0), -1);
  EXPECT_EQ(drives.DiskFree(27), -1);

  // The root folder is listed in its long-path form.
  Win32Files files;
  const auto listing = files.List(drives.RootFolder('C'), "*.*", ListingDetail::kNamesAndKinds);
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
