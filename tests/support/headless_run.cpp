#include "support/headless_run.h"

#include <fcntl.h>
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <stdexcept>

#include "support/temp_folder.h"

#ifndef ZBK_HEADLESS
#error "ZBK_HEADLESS must name the zbk-headless program"
#endif

namespace zbk::testing {
namespace {

std::string Slurp(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

HeadlessResult RunHeadless(const std::string& script, const std::filesystem::path& working_folder,
                           int as_user) {
  TempFolder io;
  io.Write("script", script);
  const std::string in = (io / "script").string();
  const std::string out = (io / "out").string();
  const std::string err = (io / "err").string();
  const pid_t pid = fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    const int fd_in = open(in.c_str(), O_RDONLY);
    const int fd_out = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int fd_err = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (fd_in < 0 || fd_out < 0 || fd_err < 0 || chdir(working_folder.c_str()) != 0) _exit(127);
    if (as_user >= 0) {
      const auto id = static_cast<uid_t>(as_user);
      if (setgroups(0, nullptr) != 0 || setgid(id) != 0 || setuid(id) != 0) _exit(127);
    }
    dup2(fd_in, 0);
    dup2(fd_out, 1);
    dup2(fd_err, 2);
    execl(ZBK_HEADLESS, ZBK_HEADLESS, static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  HeadlessResult result;
  result.out = Slurp(out);
  result.err = Slurp(err);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  return result;
}

}  // namespace zbk::testing
