#pragma once
// Conversion between UTF-16 and the ANSI code page at the edges of the
// program: files, registry text and log records.
//
// On Windows the system code page is CP_ACP (932 on a Japanese system); a
// named code page such as "CP932" selects that number. On Linux, where the
// core is unit tested, iconv does the work with the locale's character set
// or the name given; its converters are opened once per code page made and
// shared by its copies, which therefore belong to one thread at a time.
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "base/Text.h"

namespace pipit {

class CodePage {
 public:
  static CodePage system();
  static CodePage named(std::string name);

  // Bytes that are not valid in the code page become U+FFFD (on Windows the
  // system's own replacement); NUL bytes are kept as U+0000.
  Text decode(std::string_view bytes) const;
  // Characters the code page lacks become "?".
  std::string encode(TextView text) const;
  // The bytes only when every character has its own in the code page: no
  // "?", and no look-alike such as "e" for "é".
  std::optional<std::string> encodeExactly(TextView text) const;

 private:
  explicit CodePage(std::string name);
  std::string name_;  // empty: the system's own
#ifndef _WIN32
  struct Converters;
  std::shared_ptr<const Converters> converters_;
#endif
};

}  // namespace pipit
