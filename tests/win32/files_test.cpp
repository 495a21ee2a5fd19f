// What only the Windows file operations do (what every Files does is in the
// contract tests), on real folders of the Wine prefix: names in
// Windows-1250 and UTF-16, devices, reparse points.
#include <gtest/gtest.h>
#include <windows.h>

#include <map>

#include "platform/win32/safe_file_name.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_listing.h"
#include "support/temp_folder.h"
#include "text/literal.h"
#include "win32/wine_support.h"

namespace zbk::testing {
namespace {

namespace fs = std::filesystem;

// Every entry of a listing by its shown name.
std::map<std::string, FolderEntry> ListAll(Files& files, const fs::path& folder,
                                           std::string_view pattern = "*.*") {
  std::map<std::string, FolderEntry> entries;
  const auto listing = files.List(NativeOf(folder.wstring()), pattern, ListingDetail::kWithSizes);
  if (!listing) return entries;
  FolderEntry entry;
  while (listing->Next(entry)) entries[entry.name] = entry;
  return entries;
}

TEST(Win32Listing, ShowsNamesInWindows1250AndKeepsTheRealOnes) {
  TempFolder temp;
  MakeFile(temp.path() / L"źródło.dat", 150000);
  fs::create_directories(temp.path() / L"日本");
  fs::create_directories(temp.path() / L"Zdjęcia");
  Win32Files files;
  const auto entries = ListAll(files, temp.path());

  const std::string zrodlo(std::string("źródło.dat"_cp));
  ASSERT_TRUE(entries.contains(zrodlo));
  EXPECT_EQ(zrodlo, "\x9Fr\xF3\x64\xB3o.dat");
  EXPECT_EQ(WideOf(entries.at(zrodlo).native), L"źródło.dat");
  EXPECT_FALSE(entries.at(zrodlo).folder());
  EXPECT_EQ(entries.at(zrodlo).size, 150000u);

  // A name Windows-1250 cannot show is shown with question marks, and the
  // real name still leads into the folder.
  ASSERT_TRUE(entries.contains("??"));
  const FolderEntry& japan = entries.at("??");
  EXPECT_TRUE(japan.folder());
  MakeFile(temp.path() / L"日本" / L"wewnątrz.bin", 7);
  const auto inside =
      ListAll(files, fs::path(WideOf(files.Child(NativeOf(temp.path().wstring()), japan.native))));
  EXPECT_TRUE(inside.contains(std::string("wewnątrz.bin"_cp)));
  EXPECT_TRUE(entries.at(std::string("Zdjęcia"_cp)).folder());
}

TEST(Win32Listing, LinksToFoldersAreLinksNotFolders) {  // by their reparse tags
  WIN32_FIND_DATAW data{};
  data.dwFileAttributes = FILE_ATTRIBUTE_DIRECTORY;
  EXPECT_EQ(KindOf(data), EntryKind::kFolder);
  data.dwFileAttributes |= FILE_ATTRIBUTE_REPARSE_POINT;
  data.dwReserved0 = IO_REPARSE_TAG_MOUNT_POINT;  // a junction
  EXPECT_EQ(KindOf(data), EntryKind::kLink);
  data.dwReserved0 = IO_REPARSE_TAG_SYMLINK;
  EXPECT_EQ(KindOf(data), EntryKind::kLink);
  data.dwReserved0 = IO_REPARSE_TAG_DEDUP;  // contents kept here
  EXPECT_EQ(KindOf(data), EntryKind::kFolder);
  data.dwFileAttributes = FILE_ATTRIBUTE_NORMAL;
  EXPECT_EQ(KindOf(data), EntryKind::kFile);
}

TEST(Win32Files, CreateWritesWindows1250NamesAndRefusesDevicesAndOtherFolders) {
  TempFolder temp;
  const WorkingFolderScope in(temp.path());
  Win32Files files;
  for (const std::string_view name :
       {"CON.txt", "con.txt", "NUL", "nul .txt", "AUX.x.txt", "PRN.txt", "COM1.txt", "lpt9.txt",
        "CONIN$.txt", "..\\x.txt", "C:x.txt", "x?.txt", "x.txt ", "x.", "a\tb.txt"}) {
    EXPECT_EQ(files.Create(name), nullptr) << name;
  }
  EXPECT_FALSE(fs::exists(temp.path().parent_path() / L"x.txt"));
  for (const std::string_view name : {"COM0.txt", "COM10.txt", "CONSOLE.txt", "NULL.txt"}) {
    EXPECT_TRUE(IsSafeFileName(name)) << name;
  }

  const std::string name(std::string("Dysk ąę.txt"_cp));
  auto file = files.Create(name);
  ASSERT_NE(file, nullptr);
  file->Write("     150.000  Zdj\xEA\x63ia\\\r\n");
  EXPECT_TRUE(file->Close(Placement::kReplace));
  EXPECT_EQ(ReadBytes(temp.path() / L"Dysk ąę.txt"), "     150.000  Zdj\xEA\x63ia\\\r\n");
}

// A catalogue replaces a link of its name and never writes through it. Wine
// makes no links itself: the build prepares a folder with Unix links (a
// link to a file outside, one leading nowhere) before this test runs.
TEST(Win32Files, ALinkNamedLikeTheCatalogueIsReplacedNotFollowed) {
  std::wstring folder = L"Z:";
  for (const char c : std::string_view(ZBK_LINK_FIXTURE)) {
    folder.push_back(c == '/' ? L'\\' : static_cast<wchar_t>(c));
  }
  const fs::path links(folder);
  ASSERT_EQ(ReadBytes(links / L"L.txt"), "keep\r\n") << "the folder of links is prepared";
  const WorkingFolderScope in(links);
  Win32Files files;
  for (const std::string_view name : {"L.txt", "D.txt"}) {
    auto file = files.Create(name);
    ASSERT_NE(file, nullptr) << name;
    file->Write("new\r\n");
    EXPECT_TRUE(file->Close(Placement::kReplace));
  }
  EXPECT_EQ(ReadBytes(links / L"outside"), "keep\r\n");
  EXPECT_FALSE(fs::exists(links / L"nowhere"));
  EXPECT_EQ(ReadBytes(links / L"L.txt"), "new\r\n");
  EXPECT_EQ(ReadBytes(links / L"D.txt"), "new\r\n");
}

TEST(Win32Files, ChildJoinsWithOneBackslash) {
  Win32Files files;
  EXPECT_EQ(WideOf(files.Child(NativeOf(L"\\\\?\\C:\\"), NativeOf(L"Zdjęcia"))),
            L"\\\\?\\C:\\Zdjęcia");
  EXPECT_EQ(WideOf(files.Child(NativeOf(L"C:\\a"), NativeOf(L"b"))), L"C:\\a\\b");
  EXPECT_EQ(WideOf(NativeOf(L"\xD800x")), L"\xD800x");  // even a lone surrogate
}

}  // namespace
}  // namespace zbk::testing
