#pragma once
// Text rules shared by every program: UTF-16 inside, U+0020-only trimming,
// TAB fields that keep empties, and the line ends of the settings files.
#include <string>
#include <string_view>
#include <vector>

namespace pipit {

using Text = std::u16string;
using TextView = std::u16string_view;

inline constexpr TextView kCrLf = u"\r\n";

// Removes U+0020 at both ends; tabs and full-width spaces stay.
Text trimBlanks(TextView text);

// Splits at every TAB. Empty fields are kept: "a\t\tb" gives three fields,
// and text without a TAB gives one.
std::vector<Text> splitTabs(TextView text);

// Splits file text into lines. CR LF or a lone CR ends a line; a lone LF is
// part of the line. Text after the last line end is a final line; a file
// that ends with a line end has no empty line after it.
std::vector<Text> splitLines(TextView text);

bool startsWith(TextView text, TextView prefix);

// UTF-8 <-> UTF-16 for source literals, test output and the web encoders.
// Unpaired surrogates and invalid bytes become U+FFFD.
Text fromUtf8(std::string_view utf8);
std::string toUtf8(TextView text);

}  // namespace pipit
