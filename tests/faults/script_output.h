// Reading the output of zbk-headless in tests.
#pragma once

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace zbk::testing {

// The value of every output line "KEY: VALUE", in order.
inline std::vector<std::string> Values(const std::string& out, std::string_view key) {
  std::vector<std::string> values;
  std::istringstream lines(out);
  const std::string prefix = std::string(key) + ": ";
  for (std::string line; std::getline(lines, line);) {
    if (line.starts_with(prefix)) values.push_back(line.substr(prefix.size()));
  }
  return values;
}

// The script lines that declare drive C with its root at `root`, start the
// window and catalogue C.
inline std::string CatalogueScript(const std::string& root, std::string_view label) {
  return "drive C 3 1 1 " + root + " " + std::string(label) +
         "\nstart\ntick\nselect Li 3\nclick Yes\nshow\n";
}

// After a command aborted by an error: Enter, a changed drive, the sort
// button, then Esc twice, with the window shown after each.
inline constexpr std::string_view kAfterError =
    "key Enter\nshow\ndrive F 2 -1 -1 - NOWY\ntick\nshow\nclick AZ\nshow\nkey Esc\nshow\nkey Esc\n";

}  // namespace zbk::testing
