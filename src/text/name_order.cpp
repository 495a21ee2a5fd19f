#include "text/name_order.h"

#include <numeric>

#include "text/upper.h"

namespace zbk {

std::vector<std::size_t> NameOrder(const std::vector<std::string>& names) {
  std::vector<std::string> uppers;
  uppers.reserve(names.size());
  for (const auto& name : names) uppers.push_back(Upper(name));
  std::vector<std::size_t> order(names.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  SortInNameOrder(
      order, [&uppers](std::size_t p) { return NameHead(uppers[p]); },
      [&uppers](std::size_t p) { return std::string_view(uppers[p]); }, names.size() + 1);
  return order;
}

}  // namespace zbk
