// Scans over a block of bytes, a vector at a time: counting and finding one
// byte, and the places where a word may stand (its first and last byte
// match, letters a to z in either case). The vector width is chosen once,
// at run time, for the processor: AVX2, SSE2, or plain bytes elsewhere.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace zbk {

// The number of bytes equal to `byte` in [from, to).
std::size_t CountByte(const char* from, const char* to, char byte);

// The place of the n-th byte equal to `byte` in [from, to) (n >= 1), or
// nullptr when there are fewer.
const char* FindNthByte(const char* from, const char* to, char byte, std::size_t n);

// What a candidate place of a word must hold: its first and last byte, each
// compared with letters a to z folded to one case.
class WordProbe {
 public:
  // `word` is upper-cased and not empty.
  explicit WordProbe(std::string_view word);

  std::size_t length() const { return length_; }
  std::string_view word() const { return word_; }
  // Whether `at` holds the word, letters a to z in either case.
  bool Holds(const char* at) const;

  unsigned char first = 0;       // upper-cased...
  unsigned char first_fold = 0;  // ...and the bit that folds its case (0x20 for a letter)
  unsigned char last = 0;
  unsigned char last_fold = 0;
  // The same bytes repeated, ready to load as vectors: first and last, each
  // with its fold bit set, and the fold bits.
  static constexpr std::size_t kVectorBytes = 32;
  std::array<char, kVectorBytes> firsts{};
  std::array<char, kVectorBytes> first_folds{};
  std::array<char, kVectorBytes> lasts{};
  std::array<char, kVectorBytes> last_folds{};

 private:
  std::string_view word_;
  std::size_t length_ = 0;
};

// The first place p in [from, to) where a word of the probe's length fits
// before `to` and its first and last bytes match, or nullptr. Places it
// gives may still not hold the word.
const char* NextCandidate(const char* from, const char* to, const WordProbe& probe);

}  // namespace zbk
