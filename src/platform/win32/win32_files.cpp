#include "platform/win32/win32_files.h"

#include <windows.h>

#include <algorithm>
#include <utility>

#include "platform/win32/wide_text.h"
#include "platform/win32/win32_catalogue_file.h"
#include "platform/win32/win32_listing.h"

namespace zbk {
namespace {

// The largest piece one ReadFile or WriteFile call takes.
constexpr std::size_t kLargestCall = std::size_t{1} << 30;

// Closed when dropped, or by Close, which reports a failure.
class Win32InputFile : public InputFile {
 public:
  Win32InputFile(HANDLE handle, std::string shown) : handle_(handle), shown_(std::move(shown)) {}
  ~Win32InputFile() override {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
  }
  Win32InputFile(const Win32InputFile&) = delete;
  Win32InputFile& operator=(const Win32InputFile&) = delete;

  std::size_t Read(char* buffer, std::size_t size) override {
    DWORD read = 0;
    const auto piece = static_cast<DWORD>(std::min(size, kLargestCall));
    if (ReadFile(handle_, buffer, piece, &read, nullptr) == FALSE) {
      throw FileError(FileError::Kind::kRead, shown_);
    }
    return read;
  }
  void Close() override {
    if (CloseHandle(std::exchange(handle_, INVALID_HANDLE_VALUE)) == FALSE) {
      throw FileError(FileError::Kind::kClose, shown_);
    }
  }

 private:
  HANDLE handle_;
  std::string shown_;
};

}  // namespace

std::unique_ptr<FolderListing> Win32Files::List(const NativePath& folder, std::string_view pattern,
                                                ListingDetail /*detail*/) {
  return ListFolder(WideOf(folder), pattern);
}

NativePath Win32Files::Child(const NativePath& folder, const NativePath& name) {
  std::wstring path = WideOf(folder);
  if (!path.empty() && path.back() != L'\\' && path.back() != L'/') path.push_back(L'\\');
  return NativeOf(path + WideOf(name));
}

NativePath Win32Files::WorkingFolder() {
  return NativeOf(L".");
}

std::unique_ptr<OutputFile> Win32Files::Create(std::string_view name) {
  return CreateWin32Catalogue(name);
}

std::unique_ptr<InputFile> Win32Files::Open(const NativePath& file, std::string_view shown) {
  const std::wstring wide = WideOf(file);
  // Shared for every use: a run may replace, or move aside, the catalogue
  // being read; the reader goes on reading the old one whole.
  const HANDLE handle = CreateFileW(wide.c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (handle == INVALID_HANDLE_VALUE) throw FileError(FileError::Kind::kOpen, shown);
  return std::make_unique<Win32InputFile>(handle, std::string(shown));
}

}  // namespace zbk
