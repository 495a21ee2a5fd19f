// A temporary folder for a test, removed with everything in it at the end.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace zbk::testing {

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(std::string_view relative) const { return path_ / relative; }

  // A file of `size` bytes (sparse: no space taken), its folders created.
  std::filesystem::path File(std::string_view relative, std::uint64_t size);
  std::filesystem::path Folder(std::string_view relative);
  void Write(std::string_view relative, std::string_view bytes);
  std::string Read(std::string_view relative) const;

 private:
  std::filesystem::path path_;
};

}  // namespace zbk::testing
