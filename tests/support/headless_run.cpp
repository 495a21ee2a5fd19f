#include "support/headless_run.h"

#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <stdexcept>

#include "support/temp_folder.h"

#ifndef ZBK_HEADLESS
#error "ZBK_HEADLESS must name the zbk-headless program"
#endif

namespace zbk::testing {
HeadlessResult RunHeadless(const std::string& script, const std::filesystem::path& working_folder,
                           int as_user, long file_limit) {
  return RunProgram(ZBK_HEADLESS, {}, script, working_folder, as_user, file_limit);
}

HeadlessResult RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                          const std::string& input, const std::filesystem::path& working_folder,
                          int as_user, long file_limit) {
  TempFolder io;
  io.Write("script", input);
  std::vector<char*> argv{const_cast<char*>(program.c_str())};
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  const std::string in = (io / "script").string();
  // Pipes, not files, take the output: a limit on file sizes must not cut it.
  int out_pipe[2];
  int err_pipe[2];
  if (pipe(out_pipe) != 0 || pipe(err_pipe) != 0) throw std::runtime_error("pipe failed");
  const pid_t pid = fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    const int fd_in = open(in.c_str(), O_RDONLY);
    if (fd_in < 0 || chdir(working_folder.c_str()) != 0) _exit(127);
    if (as_user >= 0) {
      const auto id = static_cast<uid_t>(as_user);
      if (setgroups(0, nullptr) != 0 || setgid(id) != 0 || setuid(id) != 0) _exit(127);
    }
    if (file_limit >= 0) {
      // The write fails with EFBIG instead of the signal ending the program.
      signal(SIGXFSZ, SIG_IGN);
      const rlimit limit{static_cast<rlim_t>(file_limit), static_cast<rlim_t>(file_limit)};
      if (setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(127);
    }
    dup2(fd_in, 0);
    dup2(out_pipe[1], 1);
    dup2(err_pipe[1], 2);
    execv(program.c_str(), argv.data());
    _exit(127);
  }
  close(out_pipe[1]);
  close(err_pipe[1]);
  HeadlessResult result;
  pollfd fds[2] = {{out_pipe[0], POLLIN, 0}, {err_pipe[0], POLLIN, 0}};
  std::string* sinks[2] = {&result.out, &result.err};
  int open_pipes = 2;
  while (open_pipes > 0 && poll(fds, 2, -1) >= 0) {
    for (int i = 0; i < 2; ++i) {
      if (fds[i].fd < 0 || fds[i].revents == 0) continue;
      char buffer[65536];
      const ssize_t n = read(fds[i].fd, buffer, sizeof buffer);
      if (n > 0) {
        sinks[i]->append(buffer, static_cast<std::size_t>(n));
      } else if (n == 0 || errno != EINTR) {
        close(fds[i].fd);
        fds[i].fd = -1;
        --open_pipes;
      }
    }
  }
  int status = 0;
  waitpid(pid, &status, 0);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  return result;
}

}  // namespace zbk::testing
