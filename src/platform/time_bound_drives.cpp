#include "platform/time_bound_drives.h"

#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>

namespace zbk {
namespace {

constexpr std::size_t kLetters = 26;

char LetterAt(std::size_t i) {
  return static_cast<char>('A' + static_cast<int>(i));
}

// What a letter shows while its drive does not answer.
DriveInfo Unanswered(int type) {
  DriveInfo info;
  info.type = type;
  info.answered = false;
  return info;
}

}  // namespace

struct TimeBoundDrives::Shared {
  struct Letter {
    bool asking = false;  // a question is out
    bool fresh = false;   // an answer no round has shown yet
    DriveInfo answer;
  };

  explicit Shared(std::shared_ptr<Drives> drives) : inner(std::move(drives)) {}

  // Asks every letter that has no question out, each on a thread of its
  // own. With the lock held.
  static void AskAll(const std::shared_ptr<Shared>& shared) {
    for (std::size_t i = 0; i < kLetters; ++i) {
      Letter& letter = shared->letters[i];
      if (letter.asking) continue;
      letter.asking = true;
      if (!Spawn([shared, i] { shared->Ask(i); })) letter.asking = false;
    }
  }

  static bool Spawn(auto work) {
    try {
      std::thread(std::move(work)).detach();
      return true;
    } catch (const std::system_error&) {
      return false;  // no thread to be had: the letter fails this round
    }
  }

  void Ask(std::size_t i) {
    DriveInfo answer;
    try {
      answer = inner->Query(LetterAt(i));
    } catch (...) {
      answer = Unanswered(kDriveUnknown);
    }
    {
      const std::lock_guard lock(mutex);
      letters[i].answer = std::move(answer);
      letters[i].fresh = true;
      letters[i].asking = false;
    }
    changed.notify_all();
  }

  bool AllAnswered() const {
    if (refreshing) return false;
    for (const Letter& letter : letters) {
      if (letter.asking) return false;
    }
    return true;
  }

  const std::shared_ptr<Drives> inner;
  std::mutex mutex;
  std::condition_variable changed;
  bool refreshing = false;
  std::array<Letter, kLetters> letters;
};

TimeBoundDrives::TimeBoundDrives(std::shared_ptr<Drives> inner, std::chrono::milliseconds wait)
    : shared_(std::make_shared<Shared>(std::move(inner))), wait_(wait) {
  shown_.fill(Unanswered(kDriveUnknown));
}

void TimeBoundDrives::Refresh() {
  const auto deadline = std::chrono::steady_clock::now() + wait_;
  std::unique_lock lock(shared_->mutex);
  if (shared_->refreshing) {
    // The drives are still being read from an earlier round: the letters
    // are asked as that reading left them.
    Shared::AskAll(shared_);
  } else {
    shared_->refreshing = true;
    const bool spawned = Shared::Spawn([shared = shared_] {
      try {
        shared->inner->Refresh();
      } catch (...) {
        // the letters answer as the last reading left them
      }
      {
        const std::lock_guard inner_lock(shared->mutex);
        shared->refreshing = false;
        Shared::AskAll(shared);
      }
      shared->changed.notify_all();
    });
    if (!spawned) {
      shared_->refreshing = false;
      Shared::AskAll(shared_);
    }
  }
  shared_->changed.wait_until(lock, deadline, [&] { return shared_->AllAnswered(); });
  for (std::size_t i = 0; i < kLetters; ++i) {
    Shared::Letter& letter = shared_->letters[i];
    if (letter.fresh) {
      shown_[i] = letter.answer;
      letter.fresh = false;
    } else {
      shown_[i] = Unanswered(shown_[i].type);
    }
  }
}

DriveInfo TimeBoundDrives::Query(char letter) {
  const int i = DriveIndex(letter);
  return i < 0 ? DriveInfo{} : shown_[static_cast<std::size_t>(i)];
}

}  // namespace zbk
