// The window tests with QTest on Qt's offscreen platform (no display
// needed). With a suite's name as the first argument only that suite runs;
// without one, every suite that needs no screen of its own.
#include <QApplication>
#include <QTest>
#include <cstring>
#include <functional>
#include <memory>
#include <vector>

#include "suites.h"

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  const char* only = argc > 1 && argv[1][0] != '-' ? argv[1] : nullptr;
  if (only != nullptr) {
    --argc;
    ++argv;
    argv[0] = argv[-1];
  }
  int failures = 0;
  bool ran = false;
  for (const auto& [name, make, by_name_only] : zbk::testing::Suites()) {
    if (only != nullptr ? std::strcmp(only, name) != 0 : by_name_only) continue;
    ran = true;
    const std::unique_ptr<QObject> suite = make();
    failures += QTest::qExec(suite.get(), argc, argv);
  }
  return ran ? (failures == 0 ? 0 : 1) : 2;
}
