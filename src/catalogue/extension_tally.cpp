#include "catalogue/extension_tally.h"

#include <algorithm>
#include <numeric>
#include <unordered_set>

#include "text/framed_number.h"

namespace zbk {

std::string_view ExtensionOf(std::string_view name) {
  const auto dot = name.rfind('.');
  if (dot == std::string_view::npos) return {};
  const std::string_view extension = name.substr(dot);
  if (extension.find_first_of("\\:") != std::string_view::npos) return {};
  return extension;
}

bool IsUnusual(std::string_view extension) {
  // Every piece of the usual list that begins with a ".", as extensions do:
  // a table look-up instead of a search of the list for each file.
  static const std::unordered_set<std::string_view> kUsualPieces = [] {
    std::unordered_set<std::string_view> pieces;
    for (std::size_t at = 0; at < kUsualExtensions.size(); ++at) {
      if (kUsualExtensions[at] != '.') continue;
      for (std::size_t length = 1; at + length <= kUsualExtensions.size(); ++length) {
        pieces.insert(kUsualExtensions.substr(at, length));
      }
    }
    return pieces;
  }();
  if (extension.empty() || extension.front() != '.') {
    return kUsualExtensions.find(extension) == std::string_view::npos;
  }
  return !kUsualPieces.contains(extension);
}

void ExtensionTally::Clear() {
  used_ = 0;
  unnamed_ = 0;
}

void ExtensionTally::Add(std::string_view extension, std::uint32_t n) {
  const std::string_view key = Head(extension, kTextLength);
  for (std::size_t i = 0; i < used_; ++i) {
    if (entries_[i].Text() == key) {
      entries_[i].count += n;
      return;
    }
  }
  if (used_ == kNamed) {
    unnamed_ += n;
    return;
  }
  Entry& entry = entries_[used_++];
  std::copy(key.begin(), key.end(), entry.text.begin());
  entry.length = static_cast<std::uint8_t>(key.size());
  entry.count = n;
}

void ExtensionTally::Merge(const ExtensionTally& child) {
  for (std::size_t i = 0; i < child.used_; ++i)
    Add(child.entries_[i].Text(), child.entries_[i].count);
}

ShortText FolderReportText(std::string_view path, std::uint32_t count,
                           const ExtensionTally& tally) {
  std::string line(Head(Join(path, FramedNumber(count)), kShortTextCapacity));
  std::vector<std::size_t> order(tally.used());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(), [&tally](std::size_t a, std::size_t b) {
    return tally.entry(a).count > tally.entry(b).count;
  });
  for (const std::size_t i : order) {
    const auto& entry = tally.entry(i);
    if (entry.count == 0) break;  // only counts above zero are reported
    if (line.size() >= kShortTextCapacity) break;
    line = Head(Join(line, entry.Text(), FramedNumber(entry.count)), kShortTextCapacity);
  }
  return ShortText(line);
}

void UnusualFolderList::Add(ShortText line) {
  if (lines_.size() < kCapacity) {
    lines_.push_back(std::move(line));
  } else {
    lines_.back() = std::move(line);
  }
}

}  // namespace zbk
