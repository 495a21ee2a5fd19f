// The QTest suites of the window, by name.
#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace zbk::testing {

using SuiteMaker = std::function<std::unique_ptr<QObject>()>;

std::unique_ptr<QObject> NewLayoutSuite();
std::unique_ptr<QObject> NewKeysSuite();
std::unique_ptr<QObject> NewCommandsSuite();
std::unique_ptr<QObject> NewDrivesSuite();
std::unique_ptr<QObject> NewListBoxSuite();

inline std::vector<std::pair<const char*, SuiteMaker>> Suites() {
  return {{"layout", NewLayoutSuite},
          {"keys", NewKeysSuite},
          {"commands", NewCommandsSuite},
          {"drives", NewDrivesSuite},
          {"listbox", NewListBoxSuite}};
}

}  // namespace zbk::testing
