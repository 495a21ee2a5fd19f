#include "search/byte_scan.h"

#include <cstdint>
#include <cstring>

#if defined(__x86_64__) || defined(__i386__)
#define ZBK_X86 1
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

// The vector scans, written once in vector_scans.inc and compiled for each
// width: each namespace gives the vector type, its byte mask and the
// processor features its functions are compiled for.
namespace sse2 {
#define ZBK_VECTOR_TARGET __attribute__((target("sse2")))
using Vector = char __attribute__((vector_size(16)));
ZBK_VECTOR_TARGET inline unsigned Mask(Vector bytes) {
  return static_cast<unsigned>(__builtin_ia32_pmovmskb128(bytes));
}
const char* NextCandidateTail(const char* from, const char* to, const WordProbe& probe) {
  return NextCandidateBytes(from, to, probe);
}
#include "search/vector_scans.inc"
#undef ZBK_VECTOR_TARGET
}  // namespace sse2

namespace avx2 {
#define ZBK_VECTOR_TARGET __attribute__((target("avx2,popcnt,bmi")))
using Vector = char __attribute__((vector_size(32)));
ZBK_VECTOR_TARGET inline unsigned Mask(Vector bytes) {
  return static_cast<unsigned>(__builtin_ia32_pmovmskb256(bytes));
}
const char* NextCandidateTail(const char* from, const char* to, const WordProbe& probe) {
  return sse2::NextCandidate(from, to, probe);
}
#include "search/vector_scans.inc"
#undef ZBK_VECTOR_TARGET
}  // namespace avx2

#endif  // ZBK_X86

struct Scans {
  std::size_t (*count)(const char*, const char*, char);
  const char* (*find_nth)(const char*, const char*, char, std::size_t);
  const char* (*next_candidate)(const char*, const char*, const WordProbe&);
};

Scans ChooseScans() {
#ifdef ZBK_X86
  __builtin_cpu_init();
  if (__builtin_cpu_supports("avx2") && __builtin_cpu_supports("popcnt") &&
      __builtin_cpu_supports("bmi")) {
    return {avx2::Count, avx2::FindNth, avx2::NextCandidate};
  }
  if (__builtin_cpu_supports("sse2")) return {sse2::Count, sse2::FindNth, sse2::NextCandidate};
#endif
  return {CountBytes, FindNthBytes, NextCandidateBytes};
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
  firsts.fill(static_cast<char>(first | first_fold));
  first_folds.fill(static_cast<char>(first_fold));
  lasts.fill(static_cast<char>(last | last_fold));
  last_folds.fill(static_cast<char>(last_fold));
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

}  // namespace zbk
