#include "support/faulty_files.h"

#include <algorithm>

namespace zbk::testing {
namespace {

class FaultyOutputFile : public OutputFile {
 public:
  FaultyOutputFile(std::unique_ptr<OutputFile> inner, std::string name,
                   std::optional<std::size_t> room, bool fail_close)
      : inner_(std::move(inner)), name_(std::move(name)), room_(room), fail_close_(fail_close) {}

  void Write(std::string_view bytes) override {
    if (room_ && bytes.size() > *room_) {
      inner_->Write(bytes.substr(0, *room_));
      *room_ = 0;
      throw FileError(FileError::Kind::kWrite, name_);
    }
    inner_->Write(bytes);
    if (room_) *room_ -= bytes.size();
  }
  // A failing close fails before the file takes its name, as a failing
  // flush does.
  bool Close(Placement placement) override {
    if (fail_close_) throw FileError(FileError::Kind::kClose, name_);
    return inner_->Close(placement);
  }

 private:
  std::unique_ptr<OutputFile> inner_;
  std::string name_;
  std::optional<std::size_t> room_;
  bool fail_close_;
};

class FaultyInputFile : public InputFile {
 public:
  FaultyInputFile(std::unique_ptr<InputFile> inner, std::string shown, std::size_t room)
      : inner_(std::move(inner)), shown_(std::move(shown)), room_(room) {}

  std::size_t Read(char* buffer, std::size_t size) override {
    if (room_ == 0) throw FileError(FileError::Kind::kRead, shown_);
    const std::size_t got = inner_->Read(buffer, std::min(size, room_));
    room_ -= got;
    return got;
  }
  void Close() override { inner_->Close(); }

 private:
  std::unique_ptr<InputFile> inner_;
  std::string shown_;
  std::size_t room_;
};

}  // namespace

std::unique_ptr<FolderListing> FaultyFiles::List(const NativePath& folder, std::string_view pattern,
                                                 ListingDetail detail) {
  int earlier = 0;
  {
    const std::lock_guard lock(mutex_);
    earlier = listings_[folder]++;
  }
  if (faults.before_list) faults.before_list(folder, earlier);
  if (faults.deny_list && faults.deny_list(folder, earlier)) return nullptr;
  return inner().List(folder, pattern, detail);
}

std::unique_ptr<OutputFile> FaultyFiles::Create(std::string_view name) {
  if (faults.refuse_create) return nullptr;
  auto file = inner().Create(name);
  if (!file) return nullptr;
  return std::make_unique<FaultyOutputFile>(std::move(file), std::string(name), faults.write_room,
                                            faults.fail_close);
}

std::unique_ptr<InputFile> FaultyFiles::Open(const NativePath& file, std::string_view shown) {
  if (faults.before_open) faults.before_open(file);
  if (faults.deny_open && faults.deny_open(file)) {
    throw FileError(FileError::Kind::kOpen, shown);
  }
  auto opened = inner().Open(file, shown);
  if (!faults.read_room) return opened;
  return std::make_unique<FaultyInputFile>(std::move(opened), std::string(shown),
                                           *faults.read_room);
}

}  // namespace zbk::testing
