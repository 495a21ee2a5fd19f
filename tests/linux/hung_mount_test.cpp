// A real mounted drive that stops answering: a FUSE file system whose
// daemon is stopped with SIGSTOP. The window's ticks come back, the drive's
// row shows a failing query, a run on it does not start, and once the
// daemon goes on the row comes back. Needs root and FUSE; skipped without.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <iterator>
#include <thread>

#include "app/main_window.h"
#include "platform/linux/mount_drives.h"
#include "platform/memory/memory_toolkit.h"
#include "platform/posix/posix_files.h"
#include "platform/time_bound_drives.h"
#include "support/temp_folder.h"
#include "support/window_fixture.h"
#include "text/literal.h"

namespace zbk {
namespace {

using Clock = std::chrono::steady_clock;
using testing::FixedHosts;
using testing::TempFolder;

// The line of /proc/self/mountinfo whose mount point is `where`.
std::string MountLine(const std::string& where) {
  std::ifstream in("/proc/self/mountinfo");
  std::string line;
  while (std::getline(in, line)) {
    if (line.find(" " + where + " ") != std::string::npos) return line;
  }
  return {};
}

class HungMount : public ::testing::Test {
 protected:
  void SetUp() override {
#ifndef ZBK_HANGING_FS
    GTEST_SKIP() << "built without libfuse3 (libfuse3-dev)";
#else
    if (geteuid() != 0) GTEST_SKIP() << "mounting a FUSE file system needs root";
    if (access("/dev/fuse", R_OK | W_OK) != 0) GTEST_SKIP() << "no /dev/fuse";
    mount_ = tmp_.Folder("mnt").string();
    daemon_ = fork();
    if (daemon_ == 0) {
      execl(ZBK_HANGING_FS, "hanging_fs", "-f", "-s", mount_.c_str(), nullptr);
      _exit(127);
    }
    std::string line;
    for (int i = 0; i < 250 && (line = MountLine(mount_)).empty(); ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    if (line.empty()) GTEST_SKIP() << "the FUSE file system could not be mounted";
    tmp_.Write("mountinfo", line + "\n");  // its only drive, D:
    tmp_.Folder("none");
#endif
  }
  void TearDown() override {
    if (daemon_ <= 0) return;
    kill(daemon_, SIGCONT);
    umount2(mount_.c_str(), MNT_DETACH);
    kill(daemon_, SIGTERM);
    waitpid(daemon_, nullptr, 0);
  }

  // One tick; it must come back though the drive does not answer.
  void Tick() {
    const auto start = Clock::now();
    toolkit_.Tick();
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(2));
  }
  // Ticks until row 4 reads `row` (a slow machine, a sanitizer, may take
  // more than one tick's wait for the daemon to answer).
  void TickUntil(const std::string& row) {
    for (int i = 0; i < 20 && toolkit_.li().Row(4) != row; ++i) Tick();
    EXPECT_EQ(toolkit_.li().Row(4), row);
  }

  TempFolder tmp_;
  std::string mount_;
  pid_t daemon_ = -1;
  MemoryToolkit toolkit_;
};

TEST_F(HungMount, WindowGoesOnAndTheRunDoesNotStartWhileTheDaemonIsStopped) {
  const std::string none = (tmp_ / "none").string();
  TimeBoundDrives drives(
      std::make_shared<MountDrives>(MountSources{(tmp_ / "mountinfo").string(), none, none, none}));
  PosixFiles files;
  FixedHosts hosts;
  TFo window(Os{drives, files, hosts}, toolkit_.widgets());
  toolkit_.Start(window);
  Tick();
  const std::string answering = " D:   lokalny  mnt                  3     1O";
  TickUntil(answering);

  kill(daemon_, SIGSTOP);
  Tick();
  Tick();
  EXPECT_EQ(toolkit_.li().Row(4), " D:   lokalny                 ");
  toolkit_.li().Select(4);
  toolkit_.ClickYes();
  EXPECT_EQ(toolkit_.pa().caption(), " Dysk się zmienił, wybierz go jeszcze raz."_cp);

  kill(daemon_, SIGCONT);
  TickUntil(answering);
}

}  // namespace
}  // namespace zbk
