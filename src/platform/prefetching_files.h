// Files that lists folders before they are needed, on worker threads. The
// walk names the folders it is about to list, in the order it will list
// them (Prefetch); the workers list the next few of them, sizes and all,
// and List then takes a listing that is ready. The walk itself stays on one
// thread and sees every listing in its own order, so nothing it shows
// changes; the system's work on the folders (most of a catalogue run) is
// shared among the processor's cores.
#pragma once

#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/os.h"

namespace zbk {

class PrefetchingFiles : public FilesWrapper {
 public:
  // `ahead`: how many of the named folders may be listed before they are
  // needed, which bounds the memory the waiting listings take.
  explicit PrefetchingFiles(Files& inner, int workers = 2, std::size_t ahead = 8);
  ~PrefetchingFiles() override;
  PrefetchingFiles(const PrefetchingFiles&) = delete;
  PrefetchingFiles& operator=(const PrefetchingFiles&) = delete;

  void Prefetch(const std::vector<NativePath>& folders) override;
  std::unique_ptr<FolderListing> List(const NativePath& folder, std::string_view pattern,
                                      ListingDetail detail) override;

 private:
  struct Job;

  void Work();
  std::shared_ptr<Job> NextJob();  // with the lock held

  const std::size_t ahead_;
  std::mutex mutex_;
  std::condition_variable work_;            // a job may be waiting, or the end
  std::condition_variable done_;            // a job is done
  std::deque<std::shared_ptr<Job>> queue_;  // in the order they will be listed
  bool stopping_ = false;
  std::vector<std::thread> workers_;
};

}  // namespace zbk
