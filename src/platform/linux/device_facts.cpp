#include "platform/linux/device_facts.h"

#include <dirent.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <fstream>
#include <memory>

namespace zbk {
namespace {

std::optional<std::string> RealPath(const std::string& path) {
  std::unique_ptr<char, decltype(&std::free)> real(realpath(path.c_str(), nullptr), &std::free);
  if (!real) return std::nullopt;
  return std::string(real.get());
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string BaseName(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool FileSaysOne(const std::string& path) {
  std::ifstream in(path);
  char c = '\0';
  return in.get(c) && c == '1';
}

}  // namespace

std::string DecodeUdevEscapes(std::string_view name) {
  std::string out;
  out.reserve(name.size());
  for (std::size_t i = 0; i < name.size(); ++i) {
    if (name[i] == '\\' && i + 3 < name.size() && name[i + 1] == 'x') {
      const int high = HexDigit(name[i + 2]);
      const int low = HexDigit(name[i + 3]);
      if (high >= 0 && low >= 0) {
        out.push_back(static_cast<char>(high * 16 + low));
        i += 3;
        continue;
      }
    }
    out.push_back(name[i]);
  }
  return out;
}

std::optional<std::string> LabelOfDevice(const std::string& labels_folder,
                                         const std::string& source) {
  if (source.empty() || source.front() != '/') return std::nullopt;
  const std::optional<std::string> device = RealPath(source);
  if (!device) return std::nullopt;
  DIR* dir = opendir(labels_folder.c_str());
  if (dir == nullptr) return std::nullopt;
  std::optional<std::string> label;
  while (const dirent* entry = readdir(dir)) {
    const std::string_view name = entry->d_name;
    if (name == "." || name == "..") continue;
    if (RealPath(labels_folder + "/" + entry->d_name) == device) {
      label = DecodeUdevEscapes(name);
      break;
    }
  }
  closedir(dir);
  return label;
}

bool RemovableDevice(const std::string& block_folder, const std::string& source) {
  if (source.empty() || source.front() != '/') return false;
  const std::string device = RealPath(source).value_or(source);
  const std::string entry = block_folder + "/" + BaseName(device);
  if (access((entry + "/partition").c_str(), F_OK) == 0) {
    return FileSaysOne(entry + "/../removable");
  }
  return FileSaysOne(entry + "/removable");
}

}  // namespace zbk
