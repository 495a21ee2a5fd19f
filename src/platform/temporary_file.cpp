#include "platform/temporary_file.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <random>

namespace zbk {
namespace {

constexpr std::string_view kSuffix = ".tmp";
constexpr std::size_t kDigits = 8;
constexpr int kAttempts = 100;

bool IsHexDigit(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
}

std::string TemporaryName(std::string_view name, std::uint32_t unique) {
  char digits[kDigits + 1];
  std::snprintf(digits, sizeof digits, "%08x", static_cast<unsigned>(unique));
  std::string temporary = ".";
  temporary.append(name).append(".").append(digits).append(kSuffix);
  return temporary;
}

std::uint32_t UniqueNumber() {
  // Random where the system gives randomness, and never twice the same in
  // one process.
  static std::atomic<std::uint32_t> counter{0};
  static const std::uint32_t seed = [] {
    std::uint32_t value =
        static_cast<std::uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    try {
      value ^= std::random_device{}();
    } catch (...) {
      // Keep the clock's value.
    }
    return value;
  }();
  return seed + counter.fetch_add(0x9E3779B9u);
}

}  // namespace

bool IsTemporaryOf(std::string_view candidate, std::string_view name) {
  const std::size_t size = 1 + name.size() + 1 + kDigits + kSuffix.size();
  if (candidate.size() != size || candidate.front() != '.' || !candidate.ends_with(kSuffix)) {
    return false;
  }
  candidate.remove_prefix(1);
  if (!candidate.starts_with(name)) return false;
  candidate.remove_prefix(name.size());
  if (candidate.front() != '.') return false;
  candidate.remove_prefix(1);
  for (std::size_t i = 0; i < kDigits; ++i) {
    if (!IsHexDigit(candidate[i])) return false;
  }
  return true;
}

std::string NewTemporaryName(std::string_view name) {
  return TemporaryName(name, UniqueNumber());
}

void TemporaryOutputFile::Write(std::string_view bytes) {
  while (!bytes.empty()) {
    const std::size_t written = WriteSome(bytes);
    if (written == 0) Fail(FileError::Kind::kWrite);
    bytes.remove_prefix(written);
  }
}

bool TemporaryOutputFile::Close(Placement placement) {
  const Placed placed = Place(placement);
  if (placed == Placed::kFailed) Fail(FileError::Kind::kClose);
  if (placed == Placed::kTaken) Drop();
  done_ = true;
  return placed == Placed::kDone;
}

void TemporaryOutputFile::Drop() {
  if (!done_) Remove();
  done_ = true;
}

void TemporaryOutputFile::Fail(FileError::Kind kind) {
  Drop();
  throw FileError(kind, shown_);
}

std::unique_ptr<OutputFile> CreateTemporary(std::string_view name, const OpenTemporary& open) {
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    bool taken = false;
    if (auto file = open(NewTemporaryName(name), taken)) return file;
    if (!taken) return nullptr;
  }
  return nullptr;
}

}  // namespace zbk
