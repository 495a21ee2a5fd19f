#include "platform/win32/win32_catalogue_file.h"

#include <windows.h>

#include <string>

#include "platform/temporary_name.h"
#include "platform/win32/safe_file_name.h"
#include "platform/win32/wide_text.h"

namespace zbk {
namespace {

constexpr int kAttempts = 100;
constexpr std::size_t kLargestCall = std::size_t{1} << 30;

// A temporary file of `name` that can be deleted was left by a run that
// died: one that is still being written is open without delete sharing, so
// its deletion fails.
void RemoveLeftovers(std::string_view name) {
  WIN32_FIND_DATAW data{};
  const HANDLE find =
      FindFirstFileExW(L".\\*", FindExInfoBasic, &data, FindExSearchNameMatch, nullptr, 0);
  if (find == INVALID_HANDLE_VALUE) return;
  do {
    if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
        IsTemporaryOf(Cp1250FromWide(data.cFileName), name)) {
      DeleteFileW(data.cFileName);
    }
  } while (FindNextFileW(find, &data) != FALSE);
  FindClose(find);
}

class Win32CatalogueFile : public OutputFile {
 public:
  Win32CatalogueFile(HANDLE handle, std::wstring temporary, std::wstring target, std::string shown)
      : handle_(handle),
        temporary_(std::move(temporary)),
        target_(std::move(target)),
        shown_(std::move(shown)) {}
  ~Win32CatalogueFile() override { Discard(); }
  Win32CatalogueFile(const Win32CatalogueFile&) = delete;
  Win32CatalogueFile& operator=(const Win32CatalogueFile&) = delete;

  void Write(std::string_view bytes) override {
    while (!bytes.empty()) {
      const auto piece = static_cast<DWORD>(std::min(bytes.size(), kLargestCall));
      DWORD written = 0;
      if (WriteFile(handle_, bytes.data(), piece, &written, nullptr) == FALSE || written == 0) {
        Fail(FileError::Kind::kWrite);
      }
      bytes.remove_prefix(written);
    }
  }

  bool Close(Placement placement) override {
    if (FlushFileBuffers(handle_) == FALSE) Fail(FileError::Kind::kClose);
    const HANDLE handle = handle_;
    handle_ = INVALID_HANDLE_VALUE;
    if (CloseHandle(handle) == FALSE) Fail(FileError::Kind::kClose);
    DWORD flags = MOVEFILE_WRITE_THROUGH;
    if (placement == Placement::kReplace) flags |= MOVEFILE_REPLACE_EXISTING;
    if (MoveFileExW(temporary_.c_str(), target_.c_str(), flags) == FALSE) {
      const DWORD error = GetLastError();
      const bool taken = error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS;
      if (placement == Placement::kIfNew && taken) {
        Discard();
        return false;
      }
      Fail(FileError::Kind::kClose);
    }
    done_ = true;
    return true;
  }

 private:
  [[noreturn]] void Fail(FileError::Kind kind) {
    Discard();
    throw FileError(kind, shown_);
  }
  void Discard() {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
    if (!done_) DeleteFileW(temporary_.c_str());
    done_ = true;
  }

  HANDLE handle_;
  std::wstring temporary_;
  std::wstring target_;
  std::string shown_;
  bool done_ = false;
};

}  // namespace

std::unique_ptr<OutputFile> CreateWin32Catalogue(std::string_view name) {
  if (!IsSafeFileName(name)) return nullptr;
  std::wstring target = WideFromCp1250(name);
  const DWORD attributes = GetFileAttributesW(target.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    return nullptr;
  }
  RemoveLeftovers(name);
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    std::wstring temporary = WideFromCp1250(TemporaryName(name, UniqueNumber()));
    // CREATE_NEW: a new file, never one that is there already, and never
    // through a link of that name.
    const HANDLE handle = CreateFileW(temporary.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                      CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
      const DWORD error = GetLastError();
      if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS) continue;
      return nullptr;
    }
    return std::make_unique<Win32CatalogueFile>(handle, std::move(temporary), std::move(target),
                                                std::string(name));
  }
  return nullptr;
}

}  // namespace zbk
