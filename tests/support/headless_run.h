// Runs zbk-headless on a script in a given working folder.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace zbk::testing {

struct HeadlessResult {
  std::string out;
  std::string err;
  int status = -1;  // the exit code
};

// With `as_user` (run as root) the program runs under that user id and group
// id instead, so that permissions apply to it. With `file_limit` no file it
// writes may grow beyond that many bytes: a write past it fails, as on a
// full disk.
HeadlessResult RunHeadless(const std::string& script, const std::filesystem::path& working_folder,
                           int as_user = -1, long file_limit = -1);

// Runs `program` with `arguments` the same way, `input` on its standard input.
HeadlessResult RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                          const std::string& input, const std::filesystem::path& working_folder,
                          int as_user = -1, long file_limit = -1);

}  // namespace zbk::testing
