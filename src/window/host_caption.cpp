#include "window/host_caption.h"

namespace zbk {

void TrimName(std::string& text) {
  if (const auto nul = text.find('\0'); nul != std::string::npos) text.erase(nul);
  while (!text.empty() && static_cast<unsigned char>(text.back()) <= 32) text.pop_back();
}

std::string NameFromSystem(std::string_view raw) {
  std::string name(Head(raw, kNameCapacity - 1));
  TrimName(name);
  return name;
}

ShortText BuildHostCaption(Hosts& hosts) {
  const ShortText computer = NameFromSystem(hosts.ComputerName());
  const std::string user = NameFromSystem(hosts.UserName());
  return ShortText(Join("  ", user, "  on  ", computer));
}

}  // namespace zbk
