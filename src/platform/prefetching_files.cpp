#include "platform/prefetching_files.h"

#include <algorithm>
#include <exception>

namespace zbk {
namespace {

// The walk's listing: every entry, with sizes.
bool IsWalkListing(std::string_view pattern, ListingDetail detail) {
  return pattern == "*.*" && detail == ListingDetail::kWithSizes;
}

class ReadyListing : public FolderListing {
 public:
  explicit ReadyListing(std::vector<FolderEntry> entries) : entries_(std::move(entries)) {}
  bool Next(FolderEntry& entry) override {
    if (next_ == entries_.size()) return false;
    std::swap(entry, entries_[next_++]);
    return true;
  }

 private:
  std::vector<FolderEntry> entries_;
  std::size_t next_ = 0;
};

}  // namespace

struct PrefetchingFiles::Job {
  enum class State { kWaiting, kListing, kDone };
  NativePath folder;
  State state = State::kWaiting;
  bool listed = false;  // the folder could be listed
  std::vector<FolderEntry> entries;
  std::exception_ptr failure;  // what listing it threw
};

PrefetchingFiles::PrefetchingFiles(Files& inner, int workers, std::size_t ahead)
    : FilesWrapper(inner), ahead_(ahead) {
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

void PrefetchingFiles::Prefetch(const std::vector<NativePath>& folders) {
  {
    const std::lock_guard lock(mutex_);
    if (folders.empty()) {
      queue_.clear();  // jobs being listed finish unseen
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
      if (job->state == Job::State::kWaiting) {
        job.reset();  // nobody started it: listed here
      } else {
        done_.wait(lock, [&] { return job->state == Job::State::kDone; });
      }
    }
  }
  work_.notify_all();  // a place ahead is free
  if (!job) return inner().List(folder, pattern, detail);
  if (job->failure) std::rethrow_exception(job->failure);
  if (!job->listed) return nullptr;
  return std::make_unique<ReadyListing>(std::move(job->entries));
}

std::shared_ptr<PrefetchingFiles::Job> PrefetchingFiles::NextJob() {
  const std::size_t near = std::min(ahead_, queue_.size());
  for (std::size_t i = 0; i < near; ++i) {
    if (queue_[i]->state == Job::State::kWaiting) return queue_[i];
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
    std::vector<FolderEntry> entries;
    bool listed = false;
    std::exception_ptr failure;
    try {
      if (const auto listing = inner().List(job->folder, "*.*", ListingDetail::kWithSizes)) {
        listed = true;
        FolderEntry entry;
        while (listing->Next(entry)) entries.push_back(entry);
      }
    } catch (...) {
      failure = std::current_exception();  // the walk meets it where it lists the folder
      listed = false;
      entries.clear();
    }
    {
      const std::lock_guard lock(mutex_);
      job->listed = listed;
      job->failure = failure;
      job->entries = std::move(entries);
      job->state = Job::State::kDone;
    }
    done_.notify_all();
  }
}

}  // namespace zbk
