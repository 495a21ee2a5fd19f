// A FUSE file system of one folder holding one file, for the tests of a
// drive that stops answering: stopped with SIGSTOP, every call that reaches
// it waits until it is continued.
#define FUSE_USE_VERSION 31
#include <fuse.h>
#include <sys/stat.h>
#include <sys/statvfs.h>

#include <cerrno>
#include <cstring>
#include <initializer_list>

namespace {

constexpr const char* kFile = "/plik.zip";

int GetAttr(const char* path, struct stat* st, fuse_file_info* /*info*/) {
  std::memset(st, 0, sizeof *st);
  if (std::strcmp(path, "/") == 0) {
    st->st_mode = S_IFDIR | 0755;
    st->st_nlink = 2;
    return 0;
  }
  if (std::strcmp(path, kFile) == 0) {
    st->st_mode = S_IFREG | 0644;
    st->st_nlink = 1;
    st->st_size = 200000;
    return 0;
  }
  return -ENOENT;
}

int ReadDir(const char* path, void* buffer, fuse_fill_dir_t fill, off_t /*offset*/,
            fuse_file_info* /*info*/, fuse_readdir_flags /*flags*/) {
  if (std::strcmp(path, "/") != 0) return -ENOENT;
  for (const char* name : {".", "..", kFile + 1}) fill(buffer, name, nullptr, 0, {});
  return 0;
}

int StatFs(const char* /*path*/, struct statvfs* st) {
  std::memset(st, 0, sizeof *st);
  st->f_bsize = st->f_frsize = 4096;
  st->f_blocks = 10u << 18;  // 10 GiB
  st->f_bavail = st->f_bfree = 3u << 18;
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  fuse_operations ops{};
  ops.getattr = GetAttr;
  ops.readdir = ReadDir;
  ops.statfs = StatFs;
  return fuse_main(argc, argv, &ops, nullptr);
}
