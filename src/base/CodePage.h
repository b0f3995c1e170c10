#pragma once
// Conversion between UTF-16 and the ANSI code page at the edges of the
// program: files, registry text and log records.
//
// On Windows the system code page is CP_ACP (932 on a Japanese system); a
// named code page such as "CP932" selects that number. On Linux, where the
// core is unit tested, iconv does the work with the locale's character set
// or the name given; its converters are opened once per code page made and
// shared by its copies, which therefore belong to one thread at a time.
//
// Every code page also knows code page 932 (Shift-JIS): the character's
// models and settings as shipped, and every file a Japanese system wrote, are
// in it, whatever the system's own page is.
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
  // system's own replacement), and `lossy`, when given, is set; NUL bytes
  // are kept as U+0000.
  Text decode(std::string_view bytes, bool* lossy = nullptr) const;
  // Characters the code page lacks become "?".
  std::string encode(TextView text) const;
  // The bytes only when every character has its own in the code page: no
  // "?", and no look-alike such as "e" for "é".
  std::optional<std::string> encodeExactly(TextView text) const;

  // Whether this is code page 932 itself.
  bool isShiftJis() const { return shiftJis_ == nullptr; }
  // Code page 932: this page when it is 932, else one made with it.
  const CodePage& shiftJis() const { return shiftJis_ ? *shiftJis_ : *this; }

 private:
  explicit CodePage(std::string name);
  std::string name_;                          // empty: the system's own
  std::shared_ptr<const CodePage> shiftJis_;  // null when this is 932
#ifndef _WIN32
  struct Converters;
  std::shared_ptr<const Converters> converters_;
#endif
};

}  // namespace pipit
