// A folder tree far deeper than the system's longest path: 200 levels of
// 100-byte names, over 20000 bytes of path. Every folder is walked, and the
// file at the bottom is catalogued, its folder cut to 200 characters.
#include <dirent.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "script_output.h"
#include "support/headless_run.h"
#include "support/temp_folder.h"

namespace zbk::testing {
namespace {

// Removes the folder `name` of the open folder `parent` with everything in
// it, each level opened relative to the one above.
void RemoveTree(int parent, const std::string& name) {
  const int fd = openat(parent, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) return;
  DIR* dir = fdopendir(fd);
  while (const dirent* d = readdir(dir)) {
    const std::string entry = d->d_name;
    if (entry == "." || entry == "..") continue;
    if (d->d_type == DT_DIR) {
      RemoveTree(fd, entry);
    } else {
      unlinkat(fd, entry.c_str(), 0);
    }
  }
  closedir(dir);
  unlinkat(parent, name.c_str(), AT_REMOVEDIR);
}

struct DeepTree {
  explicit DeepTree(const TempFolder& disk) : root(disk.path().string()) {
    int fd = open(root.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    for (int level = 0; level < 200; ++level) {
      const std::string name(100, static_cast<char>('a' + level % 26));
      mkdirat(fd, name.c_str(), 0755);
      const int next = openat(fd, name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
      close(fd);
      fd = next;
    }
    const int file = openat(fd, "dno.bin", O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    created = file >= 0 && ftruncate(file, 5000000) == 0;
    if (file >= 0) close(file);
    close(fd);
  }
  ~DeepTree() {
    const int fd = open(root.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    RemoveTree(fd, std::string(100, 'a'));
    close(fd);
  }
  DeepTree(const DeepTree&) = delete;
  DeepTree& operator=(const DeepTree&) = delete;

  std::string root;
  bool created = false;
};

TEST(DeepTree, EveryLevelIsWalkedWhateverTheLengthOfItsPath) {
  TempFolder disk;
  TempFolder work;
  const DeepTree tree(disk);
  ASSERT_TRUE(tree.created);
  const auto result = RunHeadless(CatalogueScript(tree.root, "GLEBIA"), work.path());
  ASSERT_EQ(result.status, 0) << result.err;
  ASSERT_EQ(Values(result.out, "status").size(), 1u) << result.out;
  EXPECT_TRUE(Values(result.out, "status")[0].starts_with(" Koniec C:")) << result.out;
  const std::string folder = std::string(100, 'a') + "\\" + std::string(99, 'b');
  EXPECT_EQ(work.Read("GLEBIA.txt"), "      5.000.000  " + folder + "dno.bin\r\n");
}

}  // namespace
}  // namespace zbk::testing
