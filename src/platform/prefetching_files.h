// Files that lists folders before they are needed, on worker threads. The
// walk names the folders it is about to list, in the order it will list
// them (Prefetch); the workers list them in that order, sizes and all, and
// List then takes a listing that is ready. The walk itself stays on one
// thread and sees every listing in its own order, so nothing it shows
// changes; the system's work on the folders (most of a catalogue run) is
// shared among the processor's cores.
//
// What is bounded: the listings read ahead and not yet taken hold at most
// `held_bytes` together (8 MiB unless told), counted as the room of the
// entries and of their names. A worker counts its entries a piece of 1,024
// at a time, so beyond the bound each worker holds at most the piece it is
// reading. A worker starts no listing while the bound is reached, and a
// listing whose next piece would pass it is dropped and left to the walk,
// which lists that folder itself when it reaches it; so a folder larger
// than the bound is never held ahead whole.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "ports/os.h"

namespace zbk {

inline constexpr std::size_t kPrefetchBytes = std::size_t{8} << 20;

class PrefetchingFiles : public FilesWrapper {
 public:
  explicit PrefetchingFiles(Files& inner, int workers = 2, std::size_t held_bytes = kPrefetchBytes);
  ~PrefetchingFiles() override;
  PrefetchingFiles(const PrefetchingFiles&) = delete;
  PrefetchingFiles& operator=(const PrefetchingFiles&) = delete;

  void Prefetch(const std::vector<NativePath>& folders) override;
  // On any thread, as every List; a walk's listing that a worker has in
  // hand is waited for.
  std::unique_ptr<FolderListing> List(const NativePath& folder, std::string_view pattern,
                                      ListingDetail detail) override;

  // The most that listings ahead have held together so far, in bytes.
  std::size_t peak_held() const;

 private:
  struct Job;

  void Work();
  std::shared_ptr<Job> NextJob();  // with the lock held
  void Drop(Job& job);             // with the lock held: its entries go

  const std::size_t held_bytes_;
  mutable std::mutex mutex_;
  std::condition_variable work_;            // a job may be waiting, or the end
  std::condition_variable done_;            // a job is done, or dropped
  std::deque<std::shared_ptr<Job>> queue_;  // in the order they will be listed
  std::size_t held_ = 0;                    // bytes of the entries of jobs ahead
  std::size_t peak_ = 0;
  bool stopping_ = false;
  std::vector<std::thread> workers_;
};

}  // namespace zbk
