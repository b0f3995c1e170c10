#pragma once
// What clipcmd puts on the clipboard: a text file named on its command line,
// every line ended with CR LF, or the message that tells why not.
#include <string>
#include <variant>

#include "base/CodePage.h"
#include "base/Text.h"

namespace pipit::ext {

enum class ClipMessage { NoPath, MissingFile, Failure };
Text messageText(ClipMessage message);

// How reading a whole file went. A missing folder is kept apart from a
// missing file: only the latter is "not found" to the user.
enum class ReadProblem { None, MissingFile, MissingFolder, Other };
struct FileBytes {
  ReadProblem problem = ReadProblem::None;
  std::string bytes;
};

class FileReader {
 public:
  virtual ~FileReader() = default;
  virtual FileBytes readAll(const Text& path) = 0;
};

// The path: the whole argument with every double quote removed.
Text pathFromArgument(TextView argument);

// The decoded file text with every line ended by CR LF (CR LF or a lone CR
// ends a line; a lone LF stays in it).
Text clipboardText(TextView fileText);

// The text for the clipboard, or the message to show instead. A relative path
// missing from the current folder is looked for in the launcher's folder (the
// one above `programFolder`), where the shipped commands keep their files:
// after a start at logon the current folder is not the launcher's.
std::variant<Text, ClipMessage> loadClipboardText(TextView argument, TextView programFolder,
                                                  FileReader& files, const CodePage& codePage);

}  // namespace pipit::ext
