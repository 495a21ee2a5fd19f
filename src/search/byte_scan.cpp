#include "search/byte_scan.h"

#include <cstdint>
#include <cstring>

#if defined(__x86_64__) || defined(__i386__)
#define ZBK_X86 1
#include <immintrin.h>
#endif

#include "text/upper.h"

namespace zbk {
namespace {

bool IsLetter(char upper) {
  return upper >= 'A' && upper <= 'Z';
}

bool Matches(unsigned char byte, unsigned char want, unsigned char fold) {
  return static_cast<unsigned char>(byte | fold) == static_cast<unsigned char>(want | fold);
}

// The plain scans, also the tails of the vector ones.
std::size_t CountBytes(const char* from, const char* to, char byte) {
  std::size_t count = 0;
  for (; from < to; ++from) count += *from == byte ? 1 : 0;
  return count;
}

const char* FindNthBytes(const char* from, const char* to, char byte, std::size_t n) {
  for (; from < to; ++from) {
    if (*from == byte && --n == 0) return from;
  }
  return nullptr;
}

const char* NextCandidateBytes(const char* from, const char* to, const WordProbe& probe) {
  const std::size_t tail = probe.length() - 1;
  if (to - from <= static_cast<std::ptrdiff_t>(tail)) return nullptr;
  const char* last_start = to - tail;
  for (const char* p = from; p < last_start; ++p) {
    if (Matches(static_cast<unsigned char>(*p), probe.first, probe.first_fold) &&
        Matches(static_cast<unsigned char>(p[tail]), probe.last, probe.last_fold)) {
      return p;
    }
  }
  return nullptr;
}

#ifdef ZBK_X86

__attribute__((target("sse2"))) std::size_t CountSse2(const char* from, const char* to, char byte) {
  const __m128i want = _mm_set1_epi8(byte);
  std::size_t count = 0;
  for (; to - from >= 16; from += 16) {
    const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from));
    const auto mask = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, want)));
    count += static_cast<std::size_t>(__builtin_popcount(mask));
  }
  return count + CountBytes(from, to, byte);
}

__attribute__((target("sse2"))) const char* FindNthSse2(const char* from, const char* to, char byte,
                                                        std::size_t n) {
  const __m128i want = _mm_set1_epi8(byte);
  for (; to - from >= 16; from += 16) {
    const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from));
    auto mask = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, want)));
    const auto here = static_cast<std::size_t>(__builtin_popcount(mask));
    if (here < n) {
      n -= here;
      continue;
    }
    while (--n > 0) mask &= mask - 1;
    return from + __builtin_ctz(mask);
  }
  return FindNthBytes(from, to, byte, n);
}

__attribute__((target("sse2"))) const char* NextCandidateSse2(const char* from, const char* to,
                                                              const WordProbe& probe) {
  const std::size_t tail = probe.length() - 1;
  if (to - from <= static_cast<std::ptrdiff_t>(tail)) return nullptr;
  const char* last_start = to - tail;
  const __m128i first = _mm_set1_epi8(static_cast<char>(probe.first | probe.first_fold));
  const __m128i first_fold = _mm_set1_epi8(static_cast<char>(probe.first_fold));
  const __m128i last = _mm_set1_epi8(static_cast<char>(probe.last | probe.last_fold));
  const __m128i last_fold = _mm_set1_epi8(static_cast<char>(probe.last_fold));
  const char* p = from;
  for (; last_start - p >= 16; p += 16) {
    const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + tail));
    const __m128i hit = _mm_and_si128(_mm_cmpeq_epi8(_mm_or_si128(a, first_fold), first),
                                      _mm_cmpeq_epi8(_mm_or_si128(b, last_fold), last));
    const int mask = _mm_movemask_epi8(hit);
    if (mask != 0) return p + __builtin_ctz(static_cast<unsigned>(mask));
  }
  return NextCandidateBytes(p, to, probe);
}

__attribute__((target("avx2,popcnt"))) std::size_t CountAvx2(const char* from, const char* to,
                                                             char byte) {
  const __m256i want = _mm256_set1_epi8(byte);
  std::size_t count = 0;
  for (; to - from >= 32; from += 32) {
    const __m256i block = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(from));
    const auto mask = static_cast<unsigned>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(block, want)));
    count += static_cast<std::size_t>(__builtin_popcount(mask));
  }
  return count + CountBytes(from, to, byte);
}

__attribute__((target("avx2,popcnt,bmi"))) const char* FindNthAvx2(const char* from, const char* to,
                                                                   char byte, std::size_t n) {
  const __m256i want = _mm256_set1_epi8(byte);
  for (; to - from >= 32; from += 32) {
    const __m256i block = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(from));
    auto mask = static_cast<unsigned>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(block, want)));
    const auto here = static_cast<std::size_t>(__builtin_popcount(mask));
    if (here < n) {
      n -= here;
      continue;
    }
    while (--n > 0) mask &= mask - 1;
    return from + __builtin_ctz(mask);
  }
  return FindNthBytes(from, to, byte, n);
}

__attribute__((target("avx2,bmi"))) const char* NextCandidateAvx2(const char* from, const char* to,
                                                                  const WordProbe& probe) {
  const std::size_t tail = probe.length() - 1;
  if (to - from <= static_cast<std::ptrdiff_t>(tail)) return nullptr;
  const char* last_start = to - tail;
  const __m256i first = _mm256_set1_epi8(static_cast<char>(probe.first | probe.first_fold));
  const __m256i first_fold = _mm256_set1_epi8(static_cast<char>(probe.first_fold));
  const __m256i last = _mm256_set1_epi8(static_cast<char>(probe.last | probe.last_fold));
  const __m256i last_fold = _mm256_set1_epi8(static_cast<char>(probe.last_fold));
  const char* p = from;
  for (; last_start - p >= 32; p += 32) {
    const __m256i a = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
    const __m256i b = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + tail));
    const __m256i hit = _mm256_and_si256(_mm256_cmpeq_epi8(_mm256_or_si256(a, first_fold), first),
                                         _mm256_cmpeq_epi8(_mm256_or_si256(b, last_fold), last));
    const int mask = _mm256_movemask_epi8(hit);
    if (mask != 0) return p + __builtin_ctz(static_cast<unsigned>(mask));
  }
  return NextCandidateSse2(p, to, probe);
}

#endif  // ZBK_X86

struct Scans {
  std::size_t (*count)(const char*, const char*, char);
  const char* (*find_nth)(const char*, const char*, char, std::size_t);
  const char* (*next_candidate)(const char*, const char*, const WordProbe&);
  const char* kind;
};

Scans ChooseScans() {
#ifdef ZBK_X86
  __builtin_cpu_init();
  if (__builtin_cpu_supports("avx2") && __builtin_cpu_supports("popcnt") &&
      __builtin_cpu_supports("bmi")) {
    return {CountAvx2, FindNthAvx2, NextCandidateAvx2, "avx2"};
  }
  if (__builtin_cpu_supports("sse2")) return {CountSse2, FindNthSse2, NextCandidateSse2, "sse2"};
#endif
  return {CountBytes, FindNthBytes, NextCandidateBytes, "bytes"};
}

const Scans& TheScans() {
  static const Scans scans = ChooseScans();
  return scans;
}

}  // namespace

WordProbe::WordProbe(std::string_view word) : word_(word), length_(word.size()) {
  first = static_cast<unsigned char>(word.front());
  first_fold = IsLetter(word.front()) ? 0x20 : 0;
  last = static_cast<unsigned char>(word.back());
  last_fold = IsLetter(word.back()) ? 0x20 : 0;
}

bool WordProbe::Holds(const char* at) const {
  for (std::size_t i = 0; i < length_; ++i) {
    if (UpperAscii(at[i]) != word_[i]) return false;
  }
  return true;
}

std::size_t CountByte(const char* from, const char* to, char byte) {
  return TheScans().count(from, to, byte);
}

const char* FindNthByte(const char* from, const char* to, char byte, std::size_t n) {
  return TheScans().find_nth(from, to, byte, n);
}

const char* NextCandidate(const char* from, const char* to, const WordProbe& probe) {
  return TheScans().next_candidate(from, to, probe);
}

const char* ByteScanKind() {
  return TheScans().kind;
}

}  // namespace zbk
