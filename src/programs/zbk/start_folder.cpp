#include "start_folder.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QMessageBox>
#include <QString>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace zbk {

bool TakeOwnFolderOption(int& argc, char** argv) {
  bool found = false;
  int kept = 1;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], kOwnFolderOption) == 0) {
      found = true;
    } else {
      argv[kept++] = argv[i];
    }
  }
  if (kept < argc) argv[kept] = nullptr;
  argc = kept;
  return found;
}

std::string EnterOwnFolder(const char* home) {
  if (home == nullptr || home[0] == '\0') return "Nie wiem, gdzie jest folder domowy (brak HOME).";
  std::string folder = home;
  if (folder.back() != '/') folder += '/';
  folder += kOwnFolderName;
  if (mkdir(folder.c_str(), 0777) != 0 && errno != EEXIST) {
    return "Nie mogę utworzyć folderu " + folder + ": " + std::strerror(errno);
  }
  if (chdir(folder.c_str()) != 0) {
    return "Nie mogę pracować w folderze " + folder + ": " + std::strerror(errno);
  }
  return {};
}

namespace {

const char* HomeFolder() {
  const char* home = std::getenv("HOME");
  if (home == nullptr || home[0] == '\0') {
    const passwd* user = getpwuid(getuid());
    home = user != nullptr ? user->pw_dir : nullptr;
  }
  return home;
}

}  // namespace

bool EnterOwnFolderOrPrint() {
  const std::string error = EnterOwnFolder(HomeFolder());
  if (error.empty()) return true;
  std::fprintf(stderr, "%s\n", error.c_str());
  return false;
}

bool EnterOwnFolderOrSay() {
  const std::string error = EnterOwnFolder(HomeFolder());
  if (error.empty()) return true;
  QMessageBox::critical(nullptr, QStringLiteral("Zbiorek"), QString::fromStdString(error));
  return false;
}

}  // namespace zbk
