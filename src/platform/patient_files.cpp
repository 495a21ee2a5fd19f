#include "platform/patient_files.h"

#include <cstring>
#include <mutex>
#include <string>
#include <vector>

#include "platform/courier.h"

namespace zbk {
namespace {

// Entries taken from the inner listing at one call of the courier.
constexpr std::size_t kBatch = 4096;
// Idle couriers kept for the next calls, so that a listing costs no new
// thread.
constexpr std::size_t kIdleCouriers = 4;

}  // namespace

struct PatientFiles::Couriers {
  std::mutex mutex;
  std::vector<Courier> idle;

  Courier Take() {
    const std::lock_guard lock(mutex);
    if (idle.empty()) return Courier();
    Courier courier(std::move(idle.back()));
    idle.pop_back();
    return courier;
  }
  // A courier whose call was given up has no thread left: nothing to keep.
  void Give(Courier&& courier) {
    const std::lock_guard lock(mutex);
    if (courier.has_thread() && idle.size() < kIdleCouriers) idle.push_back(std::move(courier));
  }
};

namespace {

using Couriers = std::shared_ptr<PatientFiles::Couriers>;

// The inner listing and the batch in hand, shared with the courier.
struct ListingState {
  std::unique_ptr<FolderListing> inner;
  std::vector<FolderEntry> batch;
  bool ended = false;

  void Fill() {
    batch.resize(kBatch);
    std::size_t count = 0;
    while (count < kBatch && inner->Next(batch[count])) ++count;
    batch.resize(count);
    ended = count < kBatch;
  }
};

// What a listing or a file handed to a courier holds: its state, shared
// with the courier, and the courier, given back for the next call when the
// caller is done. A call given up leaves the state to the courier's thread
// and an empty one here, and no call is made after it.
template <typename State>
class Handover {
 public:
  Handover(std::shared_ptr<State> state, Courier courier, Couriers couriers, Patience* patience)
      : state_(std::move(state)),
        courier_(std::move(courier)),
        couriers_(std::move(couriers)),
        patience_(patience) {}
  ~Handover() {
    courier_.Post([state = std::move(state_)] {});  // closed on the courier's thread
    couriers_->Give(std::move(courier_));
  }
  Handover(const Handover&) = delete;
  Handover& operator=(const Handover&) = delete;

  State& state() { return *state_; }
  bool gave_up() const { return gave_up_; }
  // Runs `call(state)` on the courier; false when it was given up (now or
  // before).
  template <typename Call>
  bool Run(Call call) {
    if (gave_up_) return false;
    if (courier_.Run([state = state_, call] { call(*state); }, patience_)) return true;
    gave_up_ = true;
    state_ = std::make_shared<State>();
    return false;
  }

 private:
  std::shared_ptr<State> state_;
  Courier courier_;
  Couriers couriers_;
  Patience* patience_;
  bool gave_up_ = false;
};

class HandedListing : public FolderListing {
 public:
  HandedListing(std::shared_ptr<ListingState> state, Courier courier, Couriers couriers,
                Patience* patience)
      : hand_(std::move(state), std::move(courier), std::move(couriers), patience) {}

  bool Next(FolderEntry& entry) override {
    if (next_ == hand_.state().batch.size()) {
      if (hand_.state().ended || hand_.gave_up()) return false;
      next_ = 0;
      if (!hand_.Run([](ListingState& state) { state.Fill(); })) return false;
      if (hand_.state().batch.empty()) return false;
    }
    std::swap(entry, hand_.state().batch[next_++]);
    return true;
  }

 private:
  Handover<ListingState> hand_;
  std::size_t next_ = 0;
};

// The inner file and the bytes of its last read, shared with the courier.
struct FileState {
  std::unique_ptr<InputFile> inner;
  std::vector<char> bytes;
  std::size_t got = 0;
};

class HandedFile : public InputFile {
 public:
  HandedFile(std::shared_ptr<FileState> state, Courier courier, Couriers couriers,
             Patience* patience)
      : hand_(std::move(state), std::move(courier), std::move(couriers), patience) {}

  std::size_t Read(char* buffer, std::size_t size) override {
    const auto read = [size](FileState& state) {
      state.bytes.resize(size);
      state.got = state.inner->Read(state.bytes.data(), size);
    };
    if (!hand_.Run(read)) return 0;
    std::memcpy(buffer, hand_.state().bytes.data(), hand_.state().got);
    return hand_.state().got;
  }
  void Close() override {
    hand_.Run([](FileState& state) { state.inner->Close(); });
  }

 private:
  Handover<FileState> hand_;
};

// A file whose opening was given up: it holds nothing.
class NoFile : public InputFile {
 public:
  std::size_t Read(char* /*buffer*/, std::size_t /*size*/) override { return 0; }
  void Close() override {}
};

}  // namespace

PatientFiles::PatientFiles(Files& inner)
    : FilesWrapper(inner), couriers_(std::make_shared<Couriers>()) {}

std::unique_ptr<FolderListing> PatientFiles::List(const NativePath& folder,
                                                  std::string_view pattern, ListingDetail detail) {
  if (patience_ == nullptr) return inner().List(folder, pattern, detail);
  auto state = std::make_shared<ListingState>();
  Courier courier = couriers_->Take();
  Files& files = inner();
  const auto open = [state, &files, folder, pattern = std::string(pattern), detail] {
    state->inner = files.List(folder, pattern, detail);
    if (state->inner) state->Fill();
  };
  if (!courier.Run(open, patience_)) return nullptr;
  if (!state->inner) {
    couriers_->Give(std::move(courier));
    return nullptr;
  }
  return std::make_unique<HandedListing>(std::move(state), std::move(courier), couriers_,
                                         patience_);
}

std::unique_ptr<InputFile> PatientFiles::Open(const NativePath& file, std::string_view shown) {
  if (patience_ == nullptr) return inner().Open(file, shown);
  auto state = std::make_shared<FileState>();
  Courier courier = couriers_->Take();
  Files& files = inner();
  const auto open = [state, &files, file, shown = std::string(shown)] {
    state->inner = files.Open(file, shown);
  };
  if (!courier.Run(open, patience_)) return std::make_unique<NoFile>();
  return std::make_unique<HandedFile>(std::move(state), std::move(courier), couriers_, patience_);
}

std::shared_ptr<void> PatientFiles::Hold(const NativePath& folder) {
  if (patience_ == nullptr) return inner().Hold(folder);
  auto held = std::make_shared<std::shared_ptr<void>>();
  Courier courier = couriers_->Take();
  Files& files = inner();
  // Given up, the folder is not held: what lies below it is then opened by
  // its path, as where the system needs no holding.
  if (!courier.Run([held, &files, folder] { *held = files.Hold(folder); }, patience_)) {
    return nullptr;
  }
  couriers_->Give(std::move(courier));
  return std::move(*held);
}

}  // namespace zbk
