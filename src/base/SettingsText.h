#pragma once
// The settings file as other editors and other systems leave it. The
// launcher writes the ANSI code page with CR LF line ends; a user's editor
// may give UTF-8, with or without a byte order mark, and LF line ends; the
// files shipped and those of a Japanese system are Shift-JIS whatever the
// system's page is; and a line appended by another tool may be in another
// encoding than the rest. Every reader of the settings, the character's model
// and clipcmd's files goes through here, so that all read a file alike.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "base/CodePage.h"
#include "base/Text.h"

namespace pipit {

inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

enum class TextEncoding {
  Ansi,      // the system's code page
  ShiftJis,  // code page 932, which is the system's own on a Japanese system
  Utf8,
  ByLine,  // not one encoding throughout: each line is judged by itself
};

struct SettingsForm {
  TextEncoding encoding = TextEncoding::Ansi;
  std::size_t bomSize = 0;   // bytes of a byte order mark to skip
  bool lfEndsLines = false;  // the file has no CR: each LF ends a line
};

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
// With `cut` a sequence broken off at the very end still counts as valid:
// the bytes are the first piece of a longer file.
bool isUtf8(std::string_view bytes, bool cut = false);
// Shift-JIS by its byte structure: single bytes, and lead bytes of rows
// code page 932 fills, each with a trail byte.
bool isShiftJis(std::string_view bytes, bool cut = false);

// The form of a file from its bytes, or from its first piece (`whole`
// false) when the file is too large to hold. Without a mark:
//   - valid UTF-8 is UTF-8, unless every byte that is not ASCII is also a
//     Shift-JIS half-width katakana byte (0xA1 to 0xDF): such bytes are
//     Shift-JIS katakana far more often than two-byte UTF-8 letters, and
//     read that way they are also written back unchanged;
//   - bytes that are not valid UTF-8 but hold a line that is, with a
//     three- or four-byte form (what Japanese text in UTF-8 always has and
//     Shift-JIS practically never), are judged line by line;
//   - anything else is Shift-JIS when it is valid Shift-JIS, else the ANSI
//     code page.
// With a mark the file is UTF-8, judged line by line when it is not valid
// UTF-8 throughout.
SettingsForm detectSettingsForm(std::string_view bytes, bool whole = true);

// The encoding of one line of a file of the given encoding. In a file
// judged line by line a line is UTF-8 when it is valid UTF-8 by the rule
// above, else Shift-JIS when it is valid Shift-JIS, else the ANSI code page.
// A line that is not valid UTF-8 in a UTF-8 file (one judged on its first
// piece) is judged the same way; other encodings hold for every line.
TextEncoding lineEncoding(std::string_view line, TextEncoding fileEncoding);

// Lines of the file's bytes: CR LF or a lone CR ends a line, and a lone LF
// too in a file without CR. Bytes are split before they are decoded: CR, LF
// and TAB are never the second byte of a double-byte character, so a stray
// lead byte cannot swallow a line end.
std::vector<std::string_view> splitByteLines(std::string_view bytes, bool lfEndsLines);
std::vector<std::string_view> splitByteTabs(std::string_view line);
// Removes U+0020 at both ends; a space is never a trail byte either.
std::string_view trimByteBlanks(std::string_view bytes);

// Decodes a line or a field of a line. `lossy`, when given, is set when
// bytes could not be decoded and stand as the code page's replacement.
Text decodeSettings(std::string_view bytes, TextEncoding encoding, const CodePage& codePage,
                    bool* lossy = nullptr);
// The text of a whole file by its form, the mark left out and the line ends
// kept as they stand.
Text decodeSettingsFile(std::string_view bytes, const CodePage& codePage, bool* lossy = nullptr);

// The bytes to store: the code page's own whenever every character
// survives the trip and the bytes read back as this text (older readers
// and editors expect them), otherwise UTF-8 with a byte order mark, so that
// no name the user gave turns into "?".
std::string encodeSettings(TextView text, const CodePage& codePage);
std::string encodeUtf8WithMark(TextView text);

}  // namespace pipit
