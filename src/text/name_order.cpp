#include "text/name_order.h"

#include <algorithm>
#include <numeric>

#include "text/upper.h"

namespace zbk {

std::vector<std::size_t> NameOrder(const std::vector<std::string>& names) {
  std::vector<std::string> keys;
  keys.reserve(names.size());
  for (const auto& name : names) keys.push_back(Upper(name));
  std::vector<std::size_t> order(names.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  // std::string compares through char_traits<char>, i.e. memcmp: unsigned
  // bytes, a prefix before the longer text.
  std::stable_sort(order.begin(), order.end(),
                   [&keys](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
  return order;
}

}  // namespace zbk
