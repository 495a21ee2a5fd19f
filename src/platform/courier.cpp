#include "platform/courier.h"

#include <chrono>
#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>
#include <thread>
#include <utility>

namespace zbk {

struct Courier::Line {
  std::mutex mutex;
  std::condition_variable changed;
  std::deque<std::function<void()>> calls;
  bool busy = false;  // calls are queued or one runs
  bool leaving = false;
  std::exception_ptr error;

  void Work() {
    std::unique_lock lock(mutex);
    for (;;) {
      changed.wait(lock, [&] { return !calls.empty() || leaving; });
      if (calls.empty()) return;
      std::function<void()> call = std::move(calls.front());
      calls.pop_front();
      lock.unlock();
      std::exception_ptr thrown;
      try {
        call();
      } catch (...) {
        thrown = std::current_exception();
      }
      call = nullptr;  // its captures go here, on this thread
      lock.lock();
      if (thrown) error = thrown;
      busy = !calls.empty();
      changed.notify_all();
    }
  }
};

Courier::~Courier() {
  if (!line_) return;
  {
    const std::lock_guard lock(line_->mutex);
    line_->leaving = true;
  }
  line_->changed.notify_all();
}

Courier::Line& Courier::Ready() {
  if (!line_) {
    // Ready only once its thread runs: a thread that cannot start leaves no
    // line behind that nobody would serve.
    auto line = std::make_shared<Line>();
    std::thread([line] { line->Work(); }).detach();
    line_ = std::move(line);
  }
  return *line_;
}

void Courier::Post(std::function<void()> call) {
  if (!line_) return;
  Push(std::move(call));
}

void Courier::Push(std::function<void()> call) {
  Line& line = Ready();
  {
    const std::lock_guard lock(line.mutex);
    line.calls.push_back(std::move(call));
    line.busy = true;
  }
  line.changed.notify_all();
}

bool Courier::Run(std::function<void()> call, Patience* patience) {
  Push(std::move(call));
  Line& line = *line_;
  std::unique_lock lock(line.mutex);
  while (line.busy) {
    if (line.changed.wait_for(lock, std::chrono::milliseconds(kPatienceStepMs),
                              [&] { return !line.busy; })) {
      break;
    }
    if (patience == nullptr) continue;
    lock.unlock();
    const bool keep = patience->KeepWaiting();
    lock.lock();
    if (!keep && line.busy) {
      // Given up: the thread finishes the call and leaves.
      line.leaving = true;
      lock.unlock();
      line_.reset();
      return false;
    }
  }
  if (line.error) std::rethrow_exception(std::exchange(line.error, nullptr));
  return true;
}

}  // namespace zbk
