// The QTest suites of the window, by name.
#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <vector>

namespace zbk::testing {

using SuiteMaker = std::function<std::unique_ptr<QObject>()>;

struct Suite {
  const char* name;
  SuiteMaker make;
  // Runs only when named: it needs the screen its test sets up.
  bool by_name_only = false;
};

std::unique_ptr<QObject> NewLayoutSuite();
std::unique_ptr<QObject> NewKeysSuite();
std::unique_ptr<QObject> NewCommandsSuite();
std::unique_ptr<QObject> NewDrivesSuite();
std::unique_ptr<QObject> NewListBoxSuite();
std::unique_ptr<QObject> NewScreenFitSuite();

inline std::vector<Suite> Suites() {
  return {{"layout", NewLayoutSuite},     {"keys", NewKeysSuite},
          {"commands", NewCommandsSuite}, {"drives", NewDrivesSuite},
          {"listbox", NewListBoxSuite},   {"scale2", NewScreenFitSuite, true}};
}

}  // namespace zbk::testing
