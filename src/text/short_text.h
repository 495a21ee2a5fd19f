// ShortText: the texts the program keeps in its variables and tables hold at
// most 250 single-byte characters; a longer text is cut when it is stored.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>

namespace zbk {

inline constexpr std::size_t kShortTextCapacity = 250;

// The first `count` bytes of `text` (all of it when shorter).
constexpr std::string_view Head(std::string_view text, std::size_t count) {
  return text.substr(0, std::min(count, text.size()));
}

class ShortText {
 public:
  ShortText() = default;
  ShortText(std::string_view text) : text_(Head(text, kShortTextCapacity)) {}  // NOLINT
  ShortText(const std::string& text) : ShortText(std::string_view(text)) {}    // NOLINT
  ShortText(const char* text) : ShortText(std::string_view(text)) {}           // NOLINT

  const std::string& str() const { return text_; }
  std::string_view view() const { return text_; }
  operator std::string_view() const { return text_; }  // NOLINT
  std::size_t size() const { return text_.size(); }
  bool empty() const { return text_.empty(); }

  friend bool operator==(const ShortText&, const ShortText&) = default;

 private:
  std::string text_;
};

// Joins pieces into one std::string (the caller decides where it is cut).
template <typename... Pieces>
std::string Join(const Pieces&... pieces) {
  std::string out;
  out.reserve((std::string_view(pieces).size() + ... + 0));
  (out.append(std::string_view(pieces)), ...);
  return out;
}

}  // namespace zbk
