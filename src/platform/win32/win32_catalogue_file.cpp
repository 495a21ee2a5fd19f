#include "platform/win32/win32_catalogue_file.h"

#include <windows.h>

#include <algorithm>
#include <string>
#include <utility>

#include "platform/temporary_file.h"
#include "platform/win32/safe_file_name.h"
#include "platform/win32/wide_text.h"

namespace zbk {
namespace {

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

class Win32CatalogueFile : public TemporaryOutputFile {
 public:
  Win32CatalogueFile(HANDLE handle, std::wstring temporary, std::wstring target, std::string shown)
      : TemporaryOutputFile(std::move(shown)),
        handle_(handle),
        temporary_(std::move(temporary)),
        target_(std::move(target)) {}
  ~Win32CatalogueFile() override { Drop(); }

 private:
  std::size_t WriteSome(std::string_view bytes) override {
    const auto piece = static_cast<DWORD>(std::min(bytes.size(), kLargestCall));
    DWORD written = 0;
    return WriteFile(handle_, bytes.data(), piece, &written, nullptr) != FALSE ? written : 0;
  }
  Placed Place(Placement placement) override {
    const bool flushed = FlushFileBuffers(handle_) != FALSE;
    if (CloseHandle(std::exchange(handle_, INVALID_HANDLE_VALUE)) == FALSE || !flushed) {
      return Placed::kFailed;
    }
    DWORD flags = MOVEFILE_WRITE_THROUGH;
    if (placement == Placement::kReplace) flags |= MOVEFILE_REPLACE_EXISTING;
    if (MoveFileExW(temporary_.c_str(), target_.c_str(), flags) != FALSE) return Placed::kDone;
    const DWORD error = GetLastError();
    const bool taken = error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS;
    return placement == Placement::kIfNew && taken ? Placed::kTaken : Placed::kFailed;
  }
  void Remove() override {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(std::exchange(handle_, INVALID_HANDLE_VALUE));
    DeleteFileW(temporary_.c_str());
  }

  HANDLE handle_;
  std::wstring temporary_;
  std::wstring target_;
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
  return CreateTemporary(name, [&](const std::string& temporary, bool& taken) {
    std::unique_ptr<TemporaryOutputFile> file;
    std::wstring wide = WideFromCp1250(temporary);
    // CREATE_NEW: a new file, never one that is there already, and never
    // through a link of that name.
    const HANDLE handle = CreateFileW(wide.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                      CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle != INVALID_HANDLE_VALUE) {
      file =
          std::make_unique<Win32CatalogueFile>(handle, std::move(wide), target, std::string(name));
    } else {
      const DWORD error = GetLastError();
      taken = error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS;
    }
    return file;
  });
}

}  // namespace zbk
