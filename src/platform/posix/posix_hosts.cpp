#include "platform/posix/posix_hosts.h"

#include <pwd.h>
#include <unistd.h>

#include <array>

#include "platform/encoding/cp1250.h"

namespace zbk {

std::string PosixHosts::ComputerName() {
  std::array<char, 256> buffer{};
  if (gethostname(buffer.data(), buffer.size() - 1) != 0) return {};
  return Utf8ToCp1250(buffer.data());
}

std::string PosixHosts::UserName() {
  if (const passwd* pw = getpwuid(geteuid()); pw != nullptr && pw->pw_name != nullptr) {
    return Utf8ToCp1250(pw->pw_name);
  }
  return {};
}

}  // namespace zbk
