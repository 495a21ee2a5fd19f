// While alive, the calling thread gets no system message box for a drive
// without a medium ("insert a disk"): the call fails quietly instead.
#pragma once

#include <windows.h>

namespace zbk {

class QuietErrors {
 public:
  QuietErrors() { SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &before_); }
  ~QuietErrors() { SetThreadErrorMode(before_, nullptr); }
  QuietErrors(const QuietErrors&) = delete;
  QuietErrors& operator=(const QuietErrors&) = delete;

 private:
  DWORD before_ = 0;
};

}  // namespace zbk
