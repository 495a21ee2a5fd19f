#include "platform/win32/win32_catalogue_file.h"

#include <windows.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

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
  // Renamed through its handle, so that it stays open, and safe from the
  // clean-up of another run, until it has its name.
  Placed Place(Placement placement) override {
    if (FlushFileBuffers(handle_) == FALSE) return Placed::kFailed;
    const bool replace = placement == Placement::kReplace;
    bool renamed = RenameTo(target_, replace);
    const DWORD error = GetLastError();
    if (!renamed && replace && error == ERROR_ACCESS_DENIED) renamed = ReplaceHeld();
    if (!renamed) {
      const bool taken = error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS;
      return !replace && taken ? Placed::kTaken : Placed::kFailed;
    }
    temporary_.clear();  // it has its name now: nothing to remove
    return CloseHandle(std::exchange(handle_, INVALID_HANDLE_VALUE)) != FALSE ? Placed::kDone
                                                                              : Placed::kFailed;
  }

  bool RenameTo(const std::wstring& name, bool replace) {
    const std::size_t bytes = name.size() * sizeof(wchar_t);
    std::vector<char> buffer(sizeof(FILE_RENAME_INFO) + bytes, 0);
    auto* info = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
    info->ReplaceIfExists = replace ? TRUE : FALSE;
    info->RootDirectory = nullptr;
    info->FileNameLength = static_cast<DWORD>(bytes);
    std::copy(name.begin(), name.end(), info->FileName);
    return SetFileInformationByHandle(handle_, FileRenameInfo, info,
                                      static_cast<DWORD>(buffer.size())) != FALSE;
  }

  // The old catalogue, held open by a reader, cannot be replaced where the
  // system has no POSIX rename: it is moved aside to a temporary name of
  // its own, and deleted once the new one has its name (it goes when its
  // last reader closes it; a later run removes what is left).
  bool ReplaceHeld() {
    const std::wstring aside = WideFromCp1250(NewTemporaryName(shown()));
    if (MoveFileExW(target_.c_str(), aside.c_str(), 0) == FALSE) return false;
    if (!RenameTo(target_, true)) {
      MoveFileExW(aside.c_str(), target_.c_str(), 0);
      return false;
    }
    DeleteFileW(aside.c_str());
    return true;
  }
  void Remove() override {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(std::exchange(handle_, INVALID_HANDLE_VALUE));
    if (!temporary_.empty()) DeleteFileW(temporary_.c_str());
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
    // DELETE: renamed through this handle.
    const HANDLE handle = CreateFileW(wide.c_str(), GENERIC_WRITE | DELETE, FILE_SHARE_READ,
                                      nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
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
