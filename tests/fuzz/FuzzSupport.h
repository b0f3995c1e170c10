#pragma once
// What every fuzz target needs: the input as UTF-16 text, and a check that
// stops the run with a readable message, so that libFuzzer keeps the input.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "base/Text.h"

namespace pipit::fuzz {

inline std::string_view bytesOf(const uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// Little-endian code-unit pairs: every unit value, lone surrogates included,
// is reachable. An odd last byte is dropped.
inline Text unitsOf(const uint8_t* data, std::size_t size) {
  Text text(size / 2, u'\0');
  for (std::size_t i = 0; i < text.size(); ++i) {
    text[i] = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));
  }
  return text;
}

[[noreturn]] inline void fail(const char* what, const Text& detail = {}) {
  std::fprintf(stderr, "fuzz check failed: %s\n  %s\n", what, toUtf8(detail).c_str());
  std::abort();
}

#define PIPIT_FUZZ_CHECK(condition, detail)                    \
  do {                                                         \
    if (!(condition)) ::pipit::fuzz::fail(#condition, detail); \
  } while (0)

}  // namespace pipit::fuzz
