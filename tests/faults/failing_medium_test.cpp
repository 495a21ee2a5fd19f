// A medium that fails under the walk: a FUSE file system of the tests'
// own whose folder "zly" fails with EIO, when opened or part way through
// its listing. The run is incomplete: an earlier catalogue stays, and
// without one the part walked is kept and called incomplete.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <thread>

#include "script_output.h"
#include "support/headless_run.h"
#include "support/temp_folder.h"

#ifndef ZBK_FAILING_FS
#define ZBK_FAILING_FS ""
#endif

namespace zbk::testing {
namespace {

namespace fs = std::filesystem;

// The failing file system mounted at `mount_point` while it lives.
class FailingMount {
 public:
  FailingMount(const fs::path& mount_point, const char* mode) : mount_point_(mount_point) {
    pid_ = fork();
    if (pid_ == 0) {
      setenv("ZBK_FAILING_FS", mode, 1);
      execl(ZBK_FAILING_FS, ZBK_FAILING_FS, mount_point.c_str(), "-f", "-s", nullptr);
      _exit(127);
    }
    for (int i = 0; i < 100 && !mounted(); ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
  }
  ~FailingMount() {
    if (pid_ <= 0) return;
    if (mounted()) {
      [[maybe_unused]] const int unmounted =
          std::system(("fusermount3 -u " + mount_point_.string()).c_str());
    }
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
  }
  FailingMount(const FailingMount&) = delete;
  FailingMount& operator=(const FailingMount&) = delete;

  bool mounted() const {
    struct stat st {};
    return stat((mount_point_ / "dobry" / "duzy.bin").c_str(), &st) == 0;
  }

 private:
  fs::path mount_point_;
  pid_t pid_ = -1;
};

TEST(FailingMedium, AFolderFailingWithEioMakesTheRunIncomplete) {
  if (std::string_view(ZBK_FAILING_FS).empty()) {
    GTEST_SKIP() << "built without libfuse3 (libfuse3-dev), so without the failing file system";
  }
  if (geteuid() != 0) GTEST_SKIP() << "mounting a FUSE file system needs root";
  if (access("/dev/fuse", R_OK | W_OK) != 0) GTEST_SKIP() << "no /dev/fuse here";
  for (const char* mode : {"open", "part"}) {
    SCOPED_TRACE(mode);
    TempFolder tmp;
    const FailingMount mount(tmp.Folder("disk"), mode);
    ASSERT_TRUE(mount.mounted()) << "the failing file system did not come up";
    tmp.Write("work/STARY.txt", "        100.000  stary.bin\r\n");
    const std::string root = (tmp / "disk").string();
    const auto result = RunHeadless(CatalogueScript(root, "STARY") + "drive D 3 1 1 " + root +
                                        " NOWY\ntick\nselect Li 4\nfocus Li\nkey Enter\nshow\n",
                                    tmp / "work");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(Values(result.out, "status"),
              (std::vector<std::string>{" Przerwane, zostaje poprzedni STARY.txt.",
                                        " Przerwane, niepełny NOWY.txt."}));
    EXPECT_EQ(tmp.Read("work/STARY.txt"), "        100.000  stary.bin\r\n");
    EXPECT_EQ(tmp.Read("work/NOWY.txt"), "        200.000  dobry\\duzy.bin\r\n");
  }
}

}  // namespace
}  // namespace zbk::testing
