// The report's page without what differs from run to run: the folder it was
// made from and the date.
#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>

namespace zbk::testing {

inline std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

inline std::string WithoutPlaceAndDate(std::string page) {
  for (const auto& [open, close] :
       {std::pair<std::string_view, std::string_view>{"<b class=\"folder\">", "</b>"},
        {"<span class=\"data\">", "</span>"}}) {
    const auto from = page.find(open);
    if (from == std::string::npos) continue;
    const auto to = page.find(close, from + open.size());
    if (to != std::string::npos) page.replace(from + open.size(), to - from - open.size(), "...");
  }
  return page;
}

}  // namespace zbk::testing
