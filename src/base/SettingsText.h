#pragma once
// The settings file as other editors leave it. The launcher writes the ANSI
// code page with CR LF line ends; a user's editor may give UTF-8, with or
// without a byte order mark, and LF line ends. Every reader of the file goes
// through here, so the launcher and its companions read it alike.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "base/CodePage.h"
#include "base/Text.h"

namespace pipit {

inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

enum class TextEncoding { Ansi, Utf8 };

struct SettingsForm {
  TextEncoding encoding = TextEncoding::Ansi;
  std::size_t bomSize = 0;   // bytes of a byte order mark to skip
  bool lfEndsLines = false;  // the file has no CR: each LF ends a line
};

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
// With `cut` a sequence broken off at the very end still counts as valid:
// the bytes are the first piece of a longer file.
bool isUtf8(std::string_view bytes, bool cut = false);

// The form of a file from its bytes, or from its first piece (`whole`
// false) when the file is too large to hold. A byte order mark means UTF-8;
// so do bytes that are valid UTF-8 and not all ASCII, since Shift-JIS text
// with Japanese in it is practically never valid UTF-8.
SettingsForm detectSettingsForm(std::string_view bytes, bool whole = true);

// Lines of the file's bytes: CR LF or a lone CR ends a line, and a lone LF
// too in a file without CR. Bytes are split before they are decoded: CR, LF
// and TAB are never the second byte of a double-byte character, so a stray
// lead byte cannot swallow a line end.
std::vector<std::string_view> splitByteLines(std::string_view bytes, bool lfEndsLines);
std::vector<std::string_view> splitByteTabs(std::string_view line);
// Removes U+0020 at both ends; a space is never a trail byte either.
std::string_view trimByteBlanks(std::string_view bytes);

Text decodeSettings(std::string_view bytes, TextEncoding encoding, const CodePage& codePage);

// The bytes to store: the code page's own whenever every character survives
// the trip (older readers and editors expect them), otherwise UTF-8 with a
// byte order mark, so that no name the user gave turns into "?".
std::string encodeSettings(TextView text, const CodePage& codePage);

}  // namespace pipit
