#include "platform/posix/posix_terminal.h"

#include <spawn.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#include "platform/encoding/cp1250.h"

extern char** environ;

namespace zbk {
namespace {

void WriteLine(std::FILE* stream, std::string_view line) {
  const std::string text = Cp1250ToUtf8(line) + '\n';
  std::fwrite(text.data(), 1, text.size(), stream);
}

// The working folder's path, UTF-8 ("." when it cannot be had).
std::string Folder() {
  std::vector<char> path(4096);
  while (getcwd(path.data(), path.size()) == nullptr) {
    if (errno != ERANGE) return ".";
    path.resize(path.size() * 2);
  }
  return path.data();
}

class PosixTerminal : public Terminal {
 public:
  ~PosixTerminal() override { std::fflush(stdout); }
  void Out(std::string_view line) override { WriteLine(stdout, line); }
  void Err(std::string_view line) override { WriteLine(stderr, line); }
  bool EnterFolder(const NativePath& folder) override { return chdir(folder.c_str()) == 0; }
  std::string FolderShown() override { return Utf8ToCp1250(Folder()); }
  char Separator() const override { return '/'; }
  std::string Now() override {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local);
    return text;
  }
  bool Show(std::string_view name) override {
    // The page opens in the background; the command does not wait for it.
    const std::string page = Folder() + "/" + Cp1250ToUtf8(name);
    char program[] = "xdg-open";
    std::vector<char> argument(page.begin(), page.end());
    argument.push_back('\0');
    char* args[] = {program, argument.data(), nullptr};
    pid_t pid = 0;
    std::fflush(nullptr);
    return posix_spawnp(&pid, program, nullptr, nullptr, args, environ) == 0;
  }
};

}  // namespace

std::vector<Argument> PosixArguments(int argc, char** argv) {
  std::vector<Argument> arguments;
  for (int i = 1; i < argc; ++i) arguments.push_back({Utf8ToCp1250(argv[i]), argv[i]});
  return arguments;
}

std::unique_ptr<Terminal> NewPosixTerminal() {
  return std::make_unique<PosixTerminal>();
}

}  // namespace zbk
