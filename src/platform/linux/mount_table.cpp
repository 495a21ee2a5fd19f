#include "platform/linux/mount_table.h"

#include <charconv>

namespace zbk {
namespace {

bool IsOctal(char c) {
  return c >= '0' && c <= '7';
}

std::vector<std::string_view> Fields(std::string_view line) {
  std::vector<std::string_view> fields;
  std::size_t at = 0;
  while (at < line.size()) {
    const std::size_t end = line.find(' ', at);
    const std::size_t stop = end == std::string_view::npos ? line.size() : end;
    if (stop > at) fields.push_back(line.substr(at, stop - at));
    at = stop + 1;
  }
  return fields;
}

// One line: ID PARENT MAJOR:MINOR ROOT MOUNT-POINT OPTIONS [OPTIONAL...] -
// FS-TYPE SOURCE SUPER-OPTIONS.
bool ParseLine(std::string_view line, Mount& mount) {
  const std::vector<std::string_view> f = Fields(line);
  if (f.size() < 9) return false;
  std::size_t dash = 6;
  while (dash < f.size() && f[dash] != "-") ++dash;
  if (dash + 2 >= f.size()) return false;
  const auto [end, error] = std::from_chars(f[0].data(), f[0].data() + f[0].size(), mount.id);
  if (error != std::errc() || end != f[0].data() + f[0].size()) return false;
  mount.root = DecodeOctalEscapes(f[3]);
  mount.mount_point = DecodeOctalEscapes(f[4]);
  mount.fs_type = DecodeOctalEscapes(f[dash + 1]);
  mount.source = DecodeOctalEscapes(f[dash + 2]);
  return !mount.mount_point.empty() && mount.mount_point.front() == '/';
}

}  // namespace

std::string DecodeOctalEscapes(std::string_view field) {
  std::string out;
  out.reserve(field.size());
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && i + 3 < field.size() && IsOctal(field[i + 1]) &&
        IsOctal(field[i + 2]) && IsOctal(field[i + 3])) {
      const int value = (field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0');
      if (value < 256) {
        out.push_back(static_cast<char>(value));
        i += 3;
        continue;
      }
    }
    out.push_back(field[i]);
  }
  return out;
}

std::vector<Mount> ParseMountInfo(std::string_view text) {
  std::vector<Mount> mounts;
  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t end = text.find('\n', at);
    if (end == std::string_view::npos) end = text.size();
    Mount mount;
    if (ParseLine(text.substr(at, end - at), mount)) mounts.push_back(std::move(mount));
    at = end + 1;
  }
  return mounts;
}

}  // namespace zbk
