#include "request/ShellExecutor.h"

#include "base/Number.h"
#include "base/Path.h"
#include "platform/ShellRoutes.h"

namespace pipit {
namespace {

constexpr TextView kExecuteLabel = u"ShellExecutor.execute()";
constexpr TextView kRestoreLabel = u"ShellExecutor.restoreExtentionDirectory()";
constexpr TextView kExtentionFolder = u"extention\\";
// Numbers above this one mean the shell started the request.
constexpr int64_t kLastShellError = 32;
constexpr int64_t kFileNotFound = 2;
// Windows' own number for "the file name is too long".
constexpr TextView kTooLongCode = u"206";
constexpr TextView kTooLongMessage = u"文字列が長すぎるため、実行できませんでした。";

// A shortcut file by its name: ".lnk" at the end, in any case.
bool isShortcutFile(TextView path) {
  constexpr TextView kExtension = u".lnk";
  if (path.size() <= kExtension.size()) return false;
  const TextView end = path.substr(path.size() - kExtension.size());
  for (std::size_t i = 0; i < end.size(); ++i) {
    const char16_t c = end[i] >= u'A' && end[i] <= u'Z' ? char16_t(end[i] | 0x20) : end[i];
    if (c != kExtension[i]) return false;
  }
  return true;
}

}  // namespace

bool isWebAddress(TextView path) {
  return startsWith(path, u"http://") || startsWith(path, u"https://");
}

ShellExecutor::ShellExecutor(Logger& logger, LauncherCore& core, const Files& files, Shell& shell,
                             Browser& browser)
    : logger_(logger), core_(core), files_(files), shell_(shell), browser_(browser) {}

ExecutionResponse ShellExecutor::execute(ExecutionRequest& request) {
  logger_.writeMethodStart(kExecuteLabel);
  if (logger_.enabled()) {
    logger_.writeLog(kExecuteLabel, u"ShellExecuteします。：実行パス=" +
                                        request.getExecutionPath() + u",引数=" +
                                        request.getParameter() + u",作業ディレクトリ=" +
                                        request.getExecutionDirectory());
  }
  std::optional<int64_t> result;
  // Longer addresses would reach the browser object cut short.
  if (isWebAddress(request.getExecutionPath()) && core_.getConfiguration().isNewIE() &&
      request.getExecutionPath().size() <= kLongestBrowserAddress) {
    logger_.writeLog(kExecuteLabel, u"新規IE起動のURLとして処理します");
    if (browser_.openNewWindow(request.getExecutionPath())) {
      result = kNewWindowResult;
    } else {
      // The user asked for the page: where no automation object exists any
      // more, the desktop's own browser shows it.
      logger_.writeLog(kExecuteLabel, u"新規IEを起動できませんでした。通常のパスとして処理します");
      result = openThroughShell(request);
    }
  } else {
    logger_.writeLog(kExecuteLabel, u"通常のパスとして処理します");
    result = openThroughShell(request);
  }

  ExecutionResponse response;
  const Text number = result ? decimalText(*result) : Text(kTooLongCode);
  if (result && *result > kLastShellError) {
    logger_.writeLog(kExecuteLabel, u"ShellExecuteの実行結果（正常）：" + number);
    response.setDescription(number);
  } else {
    logger_.writeLog(kExecuteLabel, u"ShellExecuteの実行結果（異常）：" + number);
    response.setError(true);
    response.setErrorCode(number);
    if (result == kFileNotFound) response.setErrorMessage(u"パスが見つかりません。");
    if (!result) response.setErrorMessage(Text(kTooLongMessage));
  }
  if (logger_.enabled()) logger_.writeLog(kExecuteLabel, response.toLogText());
  logger_.writeMethodEnd(kExecuteLabel);
  return response;
}

std::optional<int64_t> ShellExecutor::openThroughShell(ExecutionRequest& request) {
  request.setExecutionPath(restoreExtentionDirectory(request.getExecutionPath()));
  const Text& path = request.getExecutionPath();
  // A long address of any scheme still opens: the program registered for
  // its scheme takes it, as the shell would hand it on. Such a program has
  // no use for parameters or a working folder.
  if (path.size() > kLongestShellText && !schemeOf(path).empty()) {
    // A file address names a path, often far shorter than its escapes.
    const std::optional<Text> local = pathOfFileAddress(path);
    if (local && fitsTheShell(*local, request.getParameter(), request.getExecutionDirectory())) {
      logger_.writeLog(kExecuteLabel, u"長いファイルURLのため、そのパスを開きます");
      return shell_.open(*local, request.getParameter(), request.getExecutionDirectory());
    }
    logger_.writeLog(kExecuteLabel, u"長いURLのため、スキームに登録されたプログラムで開きます");
    return openWebAddress(shell_, path);
  }
  // The open call overruns its own buffers on more than it can take and
  // takes the launcher down with it, so such input never reaches it.
  if (!fitsTheShell(path, request.getParameter(), request.getExecutionDirectory())) {
    logger_.writeLog(kExecuteLabel, u"ShellExecuteで扱えない長さのため実行しません");
    return std::nullopt;
  }
  logger_.writeLog(kExecuteLabel, u"ShellExecute関数へ処理を委譲します");
  const int64_t result = shell_.open(path, request.getParameter(), request.getExecutionDirectory());
  if (result > kLastShellError || !isShortcutFile(path)) return result;
  return openShortcutTarget(request, result);
}

// Some shells cannot open a shortcut whose target they could start (Wine's,
// for a target outside the ANSI code page): its target is started the way
// the shortcut would start it. Where that is no better, the first answer
// stands.
int64_t ShellExecutor::openShortcutTarget(const ExecutionRequest& request, int64_t refused) {
  std::optional<ShortcutTarget> target = shell_.shortcutTarget(request.getExecutionPath());
  if (!target) return refused;
  // Parameters of the request follow the shortcut's own, as they would
  // follow a program's.
  if (!request.getParameter().empty()) {
    if (!target->arguments.empty()) target->arguments += u' ';
    target->arguments += request.getParameter();
  }
  if (target->directory.empty()) target->directory = request.getExecutionDirectory();
  if (!fitsTheShell(target->path, target->arguments, target->directory)) return refused;
  if (logger_.enabled()) {
    logger_.writeLog(kExecuteLabel,
                     u"ショートカットを開けなかったため、リンク先を直接実行します：" +
                         target->path + u",引数=" + target->arguments + u",作業ディレクトリ=" +
                         target->directory);
  }
  return shell_.open(target->path, target->arguments, target->directory);
}

Text ShellExecutor::restoreExtentionDirectory(const Text& path) {
  logger_.writeMethodStart(kRestoreLabel);
  Text result;
  if (!path.empty() && path.front() == u'@') {
    logger_.writeLog(kRestoreLabel,
                     u"パスの先頭に@を見つけました。拡張機能ディレクトリのパスに展開します");
    result = appendPathSeparator(files_.programFolder());
    result += kExtentionFolder;
    result.append(path, 1);
  } else {
    logger_.writeLog(kRestoreLabel, u"パスの先頭に@はありません。入力パスを加工せず返却します");
    result = path;
  }
  if (logger_.enabled()) logger_.writeLog(kRestoreLabel, u"返却するパス：" + result);
  logger_.writeMethodEnd(kRestoreLabel);
  return result;
}

}  // namespace pipit
