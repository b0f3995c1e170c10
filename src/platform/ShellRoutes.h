#pragma once
// What the shell's open call can take, and the second road for addresses
// longer than that.
//
// The open call copies what it is given into buffers of fixed size. Measured
// under Wine 8.0 (a probe calling ShellExecuteW with growing lengths):
//  - an address reaches the browser whole up to 984 characters, cut short
//    from 985 (the browser's command and the address share a buffer of 1024
//    characters), and from 1000 the caller dies of a page fault;
//  - a file that is not an address overruns the stack from 997 characters,
//    from 989 with blanks in it: the caller dies of a stack overflow;
//  - parameters (to 100 000 characters) and working directories (to 100 000)
//    did no harm.
// Windows documents INTERNET_MAX_URL_LENGTH (2084 characters with the NUL)
// as what the call carries, and no working directory can be longer than
// MAX_PATH.
//
// The second road starts the program registered for the address's scheme
// with CreateProcessW, which carries 32767 characters of command line, its
// NUL included: the length is a UNICODE_STRING's 16-bit count of bytes.
// Wine does not check that limit and cuts longer command lines silently,
// so it is checked here.
#include <cstddef>
#include <cstdint>
#include <optional>

#include "base/Text.h"
#include "platform/Shell.h"

namespace pipit {

// For the file and the directory of an open call. Half of Wine's buffer
// leaves room for the browser's own command; no path Windows opens through
// the shell is longer than MAX_PATH.
inline constexpr std::size_t kLongestShellText = 512;
// CreateProcessW's limit without the NUL.
inline constexpr std::size_t kLongestCommandLine = 32766;
// The browser automation object's documented limit: it cuts longer
// addresses (Wine's takes 30 000 characters whole, Windows' does not).
inline constexpr std::size_t kLongestBrowserAddress = 2083;

// A started handler and one that would not start, in the shell's numbers.
inline constexpr int64_t kHandlerStarted = 42;
inline constexpr int64_t kHandlerNotStarted = 31;

// Whether the open call takes these safely: the file and the directory
// within its buffers, and the program with its parameters within one
// command line.
bool fitsTheShell(const Text& file, const Text& parameters, const Text& directory);

// "https" of "https://…"; empty when the text has no scheme (a one-letter
// one is a drive).
Text schemeOf(TextView address);

// The registered `command` with the address put in for %1 (%0, %L, %V) the
// way the shell does, or added as a last argument when it asks for none.
// Nothing when the result is longer than a command line.
std::optional<Text> handlerCommandLine(TextView command, TextView address);

// The path a "file:" address names, its escapes read as UTF-8:
// "file:///C:/a%20b" is "C:\a b", "file://server/share/x" is
// "\\server\share\x". Nothing for another scheme or a broken escape.
std::optional<Text> pathOfFileAddress(TextView address);

// Opens an address through the open call while it is short enough, and
// through the program registered for its scheme beyond. The shell's number,
// or nothing when no road carries an address this long.
std::optional<int64_t> openWebAddress(Shell& shell, const Text& address);

}  // namespace pipit
