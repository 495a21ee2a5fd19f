// A thread of its own that runs calls one at a time for a caller that waits
// and stays answerable: every kPatienceStepMs the caller's Patience is
// asked whether to go on waiting. A call given up goes on unseen, and the
// courier's thread with it; the next call gets a new thread. The thread is
// never joined: what a call touches it must own (or the program keeps
// alive), so that a call blocked in the system can outlive the caller.
#pragma once

#include <functional>
#include <memory>

#include "ports/os.h"

namespace zbk {

class Courier {
 public:
  Courier() = default;
  // An idle thread ends; one that is still in a call ends after it.
  ~Courier();
  Courier(Courier&&) = default;
  Courier& operator=(Courier&&) = delete;

  // Runs `call` on the courier's thread and waits for it, asking `patience`
  // (none: waits as long as it takes). False when the patience gave up
  // first. An exception of the call is thrown here.
  bool Run(std::function<void()> call, Patience* patience);
  // Runs `call` on the courier's thread after what it has in hand, without
  // waiting; its captures are destroyed there. A courier whose last call
  // was given up has no thread: the call is dropped here.
  void Post(std::function<void()> call);
  // False once a call was given up (or before the first).
  bool has_thread() const { return line_ != nullptr; }

 private:
  struct Line;

  Line& Ready();
  void Push(std::function<void()> call);

  std::shared_ptr<Line> line_;
};

}  // namespace zbk
