// Files whose listing of one folder, or whose reads of one file, wait at a
// gate until it opens, as on a drive that hangs. The gate is shared with
// the threads that wait at it, so a test may end while they are still on
// their way out.
#pragma once

#include <condition_variable>
#include <memory>
#include <mutex>

#include "ports/os.h"

namespace zbk::testing {

class GatedFiles : public FilesWrapper {
 public:
  struct Gate {
    std::mutex mutex;
    std::condition_variable changed;
    bool open = false;
    int waiting = 0;
  };

  using FilesWrapper::FilesWrapper;
  ~GatedFiles() override { Release(); }

  // Before the command: what waits.
  void HoldUp(const NativePath& folder_or_file) { held_ = folder_or_file; }
  void Release() {
    {
      const std::lock_guard lock(gate_->mutex);
      gate_->open = true;
    }
    gate_->changed.notify_all();
  }
  int waiting() const {
    const std::lock_guard lock(gate_->mutex);
    return gate_->waiting;
  }

  std::unique_ptr<FolderListing> List(const NativePath& folder, std::string_view pattern,
                                      ListingDetail detail) override {
    auto listing = inner().List(folder, pattern, detail);
    if (folder == held_) Wait(gate_);
    return listing;
  }
  std::unique_ptr<InputFile> Open(const NativePath& file, std::string_view shown) override {
    auto opened = inner().Open(file, shown);
    if (file != held_) return opened;
    return std::make_unique<GatedInput>(std::move(opened), gate_);
  }

 private:
  class GatedInput : public InputFile {
   public:
    GatedInput(std::unique_ptr<InputFile> inner, std::shared_ptr<Gate> gate)
        : inner_(std::move(inner)), gate_(std::move(gate)) {}
    std::size_t Read(char* buffer, std::size_t size) override {
      Wait(gate_);
      return inner_->Read(buffer, size);
    }
    void Close() override { inner_->Close(); }

   private:
    std::unique_ptr<InputFile> inner_;
    std::shared_ptr<Gate> gate_;
  };

  // Touches nothing of the GatedFiles once the gate has opened.
  static void Wait(std::shared_ptr<Gate> gate) {
    std::unique_lock lock(gate->mutex);
    ++gate->waiting;
    gate->changed.wait(lock, [&] { return gate->open; });
    --gate->waiting;
  }

  std::shared_ptr<Gate> gate_ = std::make_shared<Gate>();
  NativePath held_;
};

}  // namespace zbk::testing
