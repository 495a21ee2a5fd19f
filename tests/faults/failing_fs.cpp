// A small FUSE file system for the tests that fails on purpose, as a dying
// disk does: "dobry" holds a file of 200000 bytes; "zly" fails with EIO,
// at once (ZBK_FAILING_FS=open) or after one entry of its listing
// (ZBK_FAILING_FS=part). Run: failing_fs MOUNT_POINT -f -s
#define FUSE_USE_VERSION 31

#include <fuse.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace {

bool part_way = false;

int Attributes(const char* path, struct stat* st, struct fuse_file_info* /*fi*/) {
  *st = {};
  if (std::strcmp(path, "/") == 0 || std::strcmp(path, "/dobry") == 0 ||
      std::strcmp(path, "/zly") == 0) {
    st->st_mode = S_IFDIR | 0755;
    st->st_nlink = 2;
    return 0;
  }
  if (std::strcmp(path, "/dobry/duzy.bin") == 0 || std::strcmp(path, "/zly/a.bin") == 0) {
    st->st_mode = S_IFREG | 0644;
    st->st_nlink = 1;
    st->st_size = 200000;
    return 0;
  }
  return -ENOENT;
}

int OpenFolder(const char* path, struct fuse_file_info* /*fi*/) {
  return std::strcmp(path, "/zly") == 0 && !part_way ? -EIO : 0;
}

int List(const char* path, void* buffer, fuse_fill_dir_t fill, off_t offset,
         struct fuse_file_info* /*fi*/, enum fuse_readdir_flags /*flags*/) {
  const char* names[3] = {".", "..", "a.bin"};
  if (std::strcmp(path, "/") == 0) {
    if (offset > 0) return 0;
    fill(buffer, ".", nullptr, 0, static_cast<fuse_fill_dir_flags>(0));
    fill(buffer, "..", nullptr, 0, static_cast<fuse_fill_dir_flags>(0));
    fill(buffer, "dobry", nullptr, 0, static_cast<fuse_fill_dir_flags>(0));
    fill(buffer, "zly", nullptr, 0, static_cast<fuse_fill_dir_flags>(0));
    return 0;
  }
  if (std::strcmp(path, "/dobry") == 0) {
    if (offset > 0) return 0;
    fill(buffer, ".", nullptr, 0, static_cast<fuse_fill_dir_flags>(0));
    fill(buffer, "..", nullptr, 0, static_cast<fuse_fill_dir_flags>(0));
    fill(buffer, "duzy.bin", nullptr, 0, static_cast<fuse_fill_dir_flags>(0));
    return 0;
  }
  if (std::strcmp(path, "/zly") != 0) return -ENOENT;
  // One batch of entries, each with its offset; asked for more, it fails.
  if (offset >= 3) return -EIO;
  for (off_t i = offset; i < 3; ++i) {
    if (fill(buffer, names[static_cast<std::size_t>(i)], nullptr, i + 1,
             static_cast<fuse_fill_dir_flags>(0)) != 0)
      break;
  }
  return 0;
}

fuse_operations Operations() {
  fuse_operations operations{};
  operations.getattr = Attributes;
  operations.opendir = OpenFolder;
  operations.readdir = List;
  return operations;
}

}  // namespace

int main(int argc, char* argv[]) {
  const char* mode = std::getenv("ZBK_FAILING_FS");
  part_way = mode != nullptr && std::strcmp(mode, "part") == 0;
  const fuse_operations operations = Operations();
  return fuse_main(argc, argv, &operations, nullptr);
}
