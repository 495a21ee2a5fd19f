#include "platform/win32/win32_listing.h"

#include "platform/read_ahead_listing.h"
#include "platform/wildcard.h"
#include "platform/win32/quiet_errors.h"
#include "platform/win32/wide_text.h"

namespace zbk {
namespace {

// Whether a failed listing leaves out files that are there because the
// medium failed or went away; a folder refused, gone, or a drive without
// a medium is skipped without it.
bool MediumFailed(DWORD error) {
  switch (error) {
    case ERROR_CRC:
    case ERROR_SECTOR_NOT_FOUND:
    case ERROR_READ_FAULT:
    case ERROR_GEN_FAILURE:
    case ERROR_IO_DEVICE:
    case ERROR_DEV_NOT_EXIST:
    case ERROR_DEVICE_NOT_CONNECTED:
    case ERROR_UNEXP_NET_ERR:
    case ERROR_NETNAME_DELETED:
    case ERROR_SEM_TIMEOUT:
    case ERROR_FILE_INVALID:
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_NO_SYSTEM_RESOURCES:
    case ERROR_FILENAME_EXCED_RANGE:
      return true;
    default:
      return false;
  }
}

class Win32Listing : public ReadAheadListing {
 public:
  Win32Listing(HANDLE find, const WIN32_FIND_DATAW& first, std::wstring folder, std::string pattern)
      : find_(find), data_(first), folder_(std::move(folder)), pattern_(std::move(pattern)) {}
  ~Win32Listing() override { FindClose(find_); }
  Win32Listing(const Win32Listing&) = delete;
  Win32Listing& operator=(const Win32Listing&) = delete;

 private:
  // The entry in data_ (if any) and those after it, up to the first that
  // matches; data_ then holds the entry after that one.
  bool Advance(FolderEntry& entry) override {
    while (has_data_) {
      std::string name = Cp1250FromWide(data_.cFileName);
      const bool matches = MatchesPattern(name, pattern_);
      if (matches) {
        entry.name = std::move(name);
        entry.native = NativeOf(data_.cFileName);
        entry.kind = KindOf(data_);
        entry.size =
            entry.file()
                ? ClampedSize((std::uint64_t{data_.nFileSizeHigh} << 32) | data_.nFileSizeLow)
                : 0;
      }
      has_data_ = FindNextFileW(find_, &data_) != FALSE;
      // Not the end: the listing broke off, and its other entries are lost.
      if (!has_data_ && GetLastError() != ERROR_NO_MORE_FILES) {
        throw ListingFailed(Cp1250FromWide(folder_));
      }
      if (matches) return true;
    }
    return false;
  }

  HANDLE find_;
  WIN32_FIND_DATAW data_;
  bool has_data_ = true;
  std::wstring folder_;
  std::string pattern_;
};

}  // namespace

EntryKind KindOf(const WIN32_FIND_DATAW& data) {
  if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) return EntryKind::kFile;
  if ((data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) return EntryKind::kFolder;
  // The reparse tag: links name another place; other tags (cloud or
  // deduplicated folders) keep their contents here.
  return IsReparseTagNameSurrogate(data.dwReserved0) ? EntryKind::kLink : EntryKind::kFolder;
}

std::unique_ptr<FolderListing> ListFolder(const std::wstring& folder, std::string_view pattern) {
  if (folder.empty()) return nullptr;
  std::wstring query = folder;
  if (query.back() != L'\\' && query.back() != L'/') query.push_back(L'\\');
  query.push_back(L'*');
  const QuietErrors quiet;
  WIN32_FIND_DATAW data{};
  const HANDLE find = FindFirstFileExW(query.c_str(), FindExInfoBasic, &data, FindExSearchNameMatch,
                                       nullptr, FIND_FIRST_EX_LARGE_FETCH);
  if (find == INVALID_HANDLE_VALUE) {
    if (MediumFailed(GetLastError())) throw ListingFailed(Cp1250FromWide(folder));
    return nullptr;
  }
  auto listing = std::make_unique<Win32Listing>(find, data, folder, std::string(pattern));
  if (!listing->Prime()) return nullptr;
  return listing;
}

}  // namespace zbk
