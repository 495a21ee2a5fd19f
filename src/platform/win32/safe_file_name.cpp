#include "platform/win32/safe_file_name.h"

#include <array>
#include <string>

#include "text/upper.h"

namespace zbk {
namespace {

constexpr std::size_t kLongestName = 255;
constexpr std::string_view kForbidden = "<>:\"/\\|?*";
constexpr std::array<std::string_view, 6> kDevices = {"CON", "PRN",    "AUX",
                                                      "NUL", "CONIN$", "CONOUT$"};

bool IsDeviceName(std::string_view name) {
  std::string base(name.substr(0, name.find('.')));
  while (!base.empty() && base.back() == ' ') base.pop_back();
  base = Upper(base);
  for (const std::string_view device : kDevices) {
    if (base == device) return true;
  }
  return base.size() == 4 && (base.starts_with("COM") || base.starts_with("LPT")) &&
         base[3] >= '1' && base[3] <= '9';
}

}  // namespace

bool IsSafeFileName(std::string_view name) {
  if (name.empty() || name.size() > kLongestName) return false;
  if (name.back() == ' ' || name.back() == '.') return false;
  for (const char c : name) {
    if (static_cast<unsigned char>(c) < 32 || kForbidden.find(c) != std::string_view::npos) {
      return false;
    }
  }
  return !IsDeviceName(name);
}

}  // namespace zbk
