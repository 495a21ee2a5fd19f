// The mount table as the kernel gives it in /proc/self/mountinfo: one line
// per mount, with the mount point's spaces, tabs, newlines and backslashes
// written as octal escapes (\040, \011, \012, \134).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zbk {

struct Mount {
  int id = 0;
  std::string root;         // the folder of the file system that is mounted
  std::string mount_point;  // UTF-8 bytes, escapes decoded
  std::string fs_type;      // "ext4", "vfat", "fuse.sshfs", ...
  std::string source;       // "/dev/sdb1", "server:/share", "tmpfs", ...
};

// The mounts in table order; lines that do not have the mountinfo shape are
// left out.
std::vector<Mount> ParseMountInfo(std::string_view text);

// A field with its octal escapes (a backslash and three octal digits)
// turned back into the bytes they stand for.
std::string DecodeOctalEscapes(std::string_view field);

}  // namespace zbk
