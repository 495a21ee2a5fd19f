// Measures a catalogue run of a folder tree in process, the window on the
// in-memory toolkit: the longest time the window went without processing
// its messages (how long Esc may wait to be heard), the run's time and the
// process's peak memory. With --no-prefetch the folders are listed only
// when the walk reaches them. Written against the program's interfaces
// only, so that it builds against earlier versions too; where there are
// PatientFiles, its Files are those of the desktop program.
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "app/main_window.h"
#include "platform/drivetable/drive_table.h"
#include "platform/memory/memory_toolkit.h"
#include "platform/posix/posix_files.h"
#include "platform/prefetching_files.h"
#if __has_include("platform/patient_files.h")
#include "platform/patient_files.h"
#define ZBK_PATIENT_FILES 1
#endif

namespace {

using Clock = std::chrono::steady_clock;

class Hosts : public zbk::Hosts {
 public:
  std::string ComputerName() override { return "PC"; }
  std::string UserName() override { return "bench"; }
};

double Ms(Clock::duration d) {
  return std::chrono::duration<double, std::milli>(d).count();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s FOLDER [--no-prefetch]\n", argv[0]);
    return 2;
  }
  const bool prefetch = !(argc > 2 && std::strcmp(argv[2], "--no-prefetch") == 0);
  zbk::PosixFiles posix;
  std::unique_ptr<zbk::PrefetchingFiles> prefetching;
  zbk::Files* files = &posix;
  if (prefetch) {
    prefetching = std::make_unique<zbk::PrefetchingFiles>(posix);
    files = prefetching.get();
  }
#ifdef ZBK_PATIENT_FILES
  zbk::PatientFiles patient(*files);
  files = &patient;
#endif
  zbk::DriveTable drives;
  zbk::DriveInfo drive;
  drive.type = zbk::kDriveFixed;
  drive.root = argv[1];
  drive.label = "BENCH";
  drives.Set('C', drive);
  Hosts hosts;
  zbk::MemoryToolkit toolkit;
  zbk::TFo window(zbk::Os{drives, *files, hosts}, toolkit.widgets());
  toolkit.Start(window);
  toolkit.Tick();
  toolkit.li().Select(3);
  toolkit.Focus(zbk::FocusControl::kL);
  toolkit.Focus(zbk::FocusControl::kLi);

  Clock::time_point last = Clock::now();
  Clock::duration longest{};
  toolkit.SetProcessHook([&](int) {
    const Clock::time_point now = Clock::now();
    if (now - last > longest) longest = now - last;
    last = now;
  });
  const Clock::time_point start = Clock::now();
  last = start;
  toolkit.ClickYes();
  const Clock::time_point end = Clock::now();
  if (end - last > longest) longest = end - last;

  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf(
      "%s: longest time without processing messages %.0f ms; run %.0f ms; peak memory %.0f MB\n",
      prefetch ? "prefetch" : "no prefetch", Ms(longest), Ms(end - start),
      static_cast<double>(usage.ru_maxrss) / 1024.0);
  std::printf("status:%s\n", toolkit.pa().caption().c_str());
  return 0;
}
