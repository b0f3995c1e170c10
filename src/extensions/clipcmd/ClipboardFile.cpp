#include "extensions/clipcmd/ClipboardFile.h"

#include "base/SettingsText.h"

namespace pipit::ext {
namespace {

bool isRelative(TextView path) {
  if (path.empty() || path[0] == u'\\' || path[0] == u'/') return false;
  return !(path.size() > 1 && path[1] == u':');
}

bool isMissing(ReadProblem problem) {
  return problem == ReadProblem::MissingFile || problem == ReadProblem::MissingFolder;
}

Text parentFolder(TextView folder) {
  while (!folder.empty() && (folder.back() == u'\\' || folder.back() == u'/')) {
    folder.remove_suffix(1);
  }
  const auto slash = folder.find_last_of(u"\\/");
  return slash == TextView::npos ? Text() : Text(folder.substr(0, slash + 1));
}

}  // namespace

Text messageText(ClipMessage message) {
  switch (message) {
    case ClipMessage::NoPath:
      return u"テキストファイルが指定されませんでした。クリップボードを操作せず終了します";
    case ClipMessage::MissingFile:
      return u"ファイルが見つかりません。クリップボードを操作せず終了します";
    case ClipMessage::Failure:
      break;
  }
  return u"エラーが発生しました。クリップボードを操作せず終了します";
}

Text pathFromArgument(TextView argument) {
  Text path;
  path.reserve(argument.size());
  for (const char16_t c : argument) {
    if (c != u'"') path.push_back(c);
  }
  return path;
}

Text clipboardText(TextView fileText) {
  Text text;
  text.reserve(fileText.size() + fileText.size() / 8 + 2);
  bool lineEnded = true;
  for (std::size_t i = 0; i < fileText.size(); ++i) {
    const char16_t c = fileText[i];
    lineEnded = c == u'\r';
    if (!lineEnded) {
      text.push_back(c);
      continue;
    }
    text += kCrLf;
    if (i + 1 < fileText.size() && fileText[i + 1] == u'\n') ++i;
  }
  // The last line ends like every other, even when the file's did not.
  if (!lineEnded) text += kCrLf;
  return text;
}

std::variant<Text, ClipMessage> loadClipboardText(TextView argument, TextView programFolder,
                                                  FileReader& files, const CodePage& codePage) {
  const Text path = pathFromArgument(argument);
  if (trimBlanks(path).empty()) return ClipMessage::NoPath;
  FileBytes file = files.readAll(path);
  if (isMissing(file.problem) && isRelative(path)) {
    const Text launcherFolder = parentFolder(programFolder);
    if (!launcherFolder.empty()) {
      FileBytes beside = files.readAll(launcherFolder + path);
      if (beside.problem == ReadProblem::None || file.problem == ReadProblem::MissingFolder) {
        file = std::move(beside);
      }
    }
  }
  switch (file.problem) {
    case ReadProblem::None: {
      // Today's editors save UTF-8: such a file reads as written, not as
      // ANSI mojibake, and a file in Shift-JIS as such on any system.
      return clipboardText(decodeSettingsFile(file.bytes, codePage));
    }
    case ReadProblem::MissingFile:
      return ClipMessage::MissingFile;
    case ReadProblem::MissingFolder:
    case ReadProblem::Other:
      break;
  }
  return ClipMessage::Failure;
}

}  // namespace pipit::ext
