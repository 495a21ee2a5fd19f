#include "platform/prefetching_files.h"

#include <algorithm>
#include <deque>
#include <exception>
#include <string>

namespace zbk {
namespace {

// The walk's listing: every entry, with sizes.
bool IsWalkListing(std::string_view pattern, ListingDetail detail) {
  return pattern == "*.*" && detail == ListingDetail::kWithSizes;
}

// What a name takes on the heap beside its entry, near enough: nothing
// while it fits in the string itself.
std::size_t NameBytes(const std::string& name) {
  constexpr std::size_t kInPlace = 15;
  constexpr std::size_t kAllocation = 16;  // the allocator's own share
  return name.size() <= kInPlace ? 0 : name.size() + 1 + kAllocation;
}

// Entries a worker lists between two looks at the bound.
constexpr std::size_t kCountEvery = 1024;

// Entries in pieces of kCountEvery: each piece goes as soon as the walk has
// taken it, so a listing taken from ahead is not held twice.
using Pieces = std::deque<std::vector<FolderEntry>>;

class ReadyListing : public FolderListing {
 public:
  explicit ReadyListing(Pieces pieces) : pieces_(std::move(pieces)) {}
  bool Next(FolderEntry& entry) override {
    while (!pieces_.empty() && next_ == pieces_.front().size()) {
      pieces_.pop_front();
      next_ = 0;
    }
    if (pieces_.empty()) return false;
    std::swap(entry, pieces_.front()[next_++]);
    return true;
  }

 private:
  Pieces pieces_;
  std::size_t next_ = 0;
};

}  // namespace

struct PrefetchingFiles::Job {
  enum class State {
    kWaiting,  // for a worker
    kListing,  // a worker has it in hand
    kDone,     // its listing is ready
    kLeft,     // too large to hold ahead, or forgotten: the walk lists it
  };
  NativePath folder;
  State state = State::kWaiting;
  bool listed = false;    // the folder could be listed
  std::size_t bytes = 0;  // counted in held_
  Pieces entries;
  std::exception_ptr failure;  // what listing it threw
};

PrefetchingFiles::PrefetchingFiles(Files& inner, int workers, std::size_t held_bytes)
    : FilesWrapper(inner), held_bytes_(held_bytes) {
  for (int i = 0; i < workers; ++i) workers_.emplace_back([this] { Work(); });
}

PrefetchingFiles::~PrefetchingFiles() {
  {
    const std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  work_.notify_all();
  for (std::thread& worker : workers_) worker.join();
}

std::size_t PrefetchingFiles::peak_held() const {
  const std::lock_guard lock(mutex_);
  return peak_;
}

void PrefetchingFiles::Drop(Job& job) {
  held_ -= job.bytes;
  job.bytes = 0;
  job.entries = {};
  job.state = Job::State::kLeft;
}

void PrefetchingFiles::Prefetch(const std::vector<NativePath>& folders) {
  {
    const std::lock_guard lock(mutex_);
    if (folders.empty()) {
      for (const auto& job : queue_) Drop(*job);  // jobs being listed finish unseen
      queue_.clear();
      done_.notify_all();
      return;
    }
    std::vector<std::shared_ptr<Job>> jobs;
    for (const NativePath& folder : folders) {
      jobs.push_back(std::make_shared<Job>());
      jobs.back()->folder = folder;
    }
    queue_.insert(queue_.begin(), jobs.begin(), jobs.end());
  }
  work_.notify_all();
}

std::unique_ptr<FolderListing> PrefetchingFiles::List(const NativePath& folder,
                                                      std::string_view pattern,
                                                      ListingDetail detail) {
  if (!IsWalkListing(pattern, detail)) return inner().List(folder, pattern, detail);
  std::shared_ptr<Job> job;
  {
    std::unique_lock lock(mutex_);
    const auto it = std::find_if(queue_.begin(), queue_.end(),
                                 [&](const auto& queued) { return queued->folder == folder; });
    if (it != queue_.end()) {
      job = *it;
      queue_.erase(it);
      // Still counted while a worker lists it: a folder that turns out too
      // large to hold ahead is dropped, and listed here.
      done_.wait(lock, [&] { return job->state != Job::State::kListing; });
      held_ -= job->bytes;
      job->bytes = 0;
      if (job->state != Job::State::kDone) {
        job->state = Job::State::kLeft;
        job.reset();  // nobody listed it: listed here
      }
    }
  }
  work_.notify_all();  // there may be room ahead again
  if (!job) return inner().List(folder, pattern, detail);
  if (job->failure) std::rethrow_exception(job->failure);
  if (!job->listed) return nullptr;
  return std::make_unique<ReadyListing>(std::move(job->entries));
}

std::shared_ptr<PrefetchingFiles::Job> PrefetchingFiles::NextJob() {
  if (held_ >= held_bytes_) return nullptr;
  for (const auto& job : queue_) {
    if (job->state == Job::State::kWaiting) return job;
  }
  return nullptr;
}

void PrefetchingFiles::Work() {
  for (;;) {
    std::shared_ptr<Job> job;
    {
      std::unique_lock lock(mutex_);
      work_.wait(lock, [&] { return stopping_ || (job = NextJob()) != nullptr; });
      if (stopping_) return;
      job->state = Job::State::kListing;
    }
    Pieces entries;
    std::vector<FolderEntry> piece;
    bool listed = false;
    std::exception_ptr failure;
    bool dropped = false;
    // Counts a piece in; false when the job must go.
    const auto count = [&](std::size_t bytes) {
      const std::lock_guard lock(mutex_);
      if (job->state != Job::State::kListing || held_ + bytes > held_bytes_) return false;
      held_ += bytes;
      job->bytes += bytes;
      peak_ = std::max(peak_, held_);
      return true;
    };
    const auto add_piece = [&](std::size_t& names) {
      const std::size_t bytes = piece.capacity() * sizeof(FolderEntry) + names;
      entries.push_back(std::move(piece));
      piece = {};
      names = 0;
      return count(bytes);
    };
    try {
      if (const auto listing = inner().List(job->folder, "*.*", ListingDetail::kWithSizes)) {
        listed = true;
        FolderEntry entry;
        std::size_t names = 0;  // bytes the piece's names take beside it
        while (!dropped && listing->Next(entry)) {
          names += NameBytes(entry.name) + NameBytes(entry.native);
          piece.push_back(entry);
          if (piece.size() == kCountEvery) {
            dropped = !add_piece(names);
          }
        }
        if (!dropped && !piece.empty()) dropped = !add_piece(names);
      }
    } catch (...) {
      failure = std::current_exception();  // the walk meets it where it lists the folder
      listed = false;
      entries.clear();
    }
    {
      const std::lock_guard lock(mutex_);
      if (dropped || job->state != Job::State::kListing) {
        Drop(*job);  // a failure it met is met again where the walk lists it
      } else {
        job->listed = listed;
        job->failure = failure;
        job->entries = std::move(entries);
        job->state = Job::State::kDone;
      }
    }
    done_.notify_all();
    work_.notify_all();
  }
}

}  // namespace zbk
