// Listings that stay on one file system leave out the folders other file
// systems are mounted on.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "platform/linux/one_file_system.h"
#include "platform/posix/posix_files.h"
#include "support/temp_folder.h"

namespace zbk {
namespace {

std::set<std::string> Names(Files& files, const NativePath& folder) {
  std::set<std::string> names;
  const auto listing = files.List(folder, "*.*", ListingDetail::kWithSizes);
  FolderEntry entry;
  while (listing && listing->Next(entry)) names.insert(entry.name);
  return names;
}

bool EndsWith(const std::string& path, const std::string& end) {
  return path.size() >= end.size() && path.compare(path.size() - end.size(), end.size(), end) == 0;
}

TEST(OneFileSystem, FoldersOfOtherDevicesAreLeftOutAndEverythingElseStays) {
  testing::TempFolder disk;
  disk.Folder("Dokumenty");
  disk.Folder("media/PENDRIVE");
  disk.Folder("proc");
  disk.Folder("niewiadomy");
  disk.File("duzy.bin", 200000);
  PosixFiles posix;
  OneFileSystemFiles files(posix, [](const NativePath& folder) -> std::optional<dev_t> {
    if (EndsWith(folder, "/proc") || EndsWith(folder, "/PENDRIVE")) return 2;
    if (EndsWith(folder, "/niewiadomy")) return std::nullopt;
    return 1;
  });
  const std::string root = disk.path().string();
  EXPECT_EQ(Names(files, root),
            (std::set<std::string>{".", "..", "Dokumenty", "duzy.bin", "media", "niewiadomy"}));
  EXPECT_EQ(Names(files, root + "/media"), (std::set<std::string>{".", ".."}));
  EXPECT_EQ(files.List(root + "/brak", "*.*", ListingDetail::kNamesAndKinds), nullptr);
}

TEST(OneFileSystem, TheRealDevicesOfTheRootAndProcDiffer) {
  PosixFiles posix;
  OneFileSystemFiles files(posix);
  const std::set<std::string> names = Names(files, "/");
  EXPECT_EQ(names.count("proc"), 0u);
  EXPECT_EQ(names.count("."), 1u);
}

}  // namespace
}  // namespace zbk
