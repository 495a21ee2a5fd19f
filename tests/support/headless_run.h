// Runs zbk-headless on a script in a given working folder.
#pragma once

#include <filesystem>
#include <string>

namespace zbk::testing {

struct HeadlessResult {
  std::string out;
  std::string err;
  int status = -1;  // the exit code
};

HeadlessResult RunHeadless(const std::string& script, const std::filesystem::path& working_folder);

}  // namespace zbk::testing
