#include "request/DefaultProcessor.h"

#include <optional>

#include "request/Answered.h"
#include "request/ResponseKeys.h"

namespace pipit {
namespace {

constexpr TextView kProcessLabel = u"DefaultProcessor.process()";
constexpr TextView kProgramLabel = u"DefaultProcessor.startProgram()";
constexpr TextView kBuiltInLabel = u"DefaultProcessor.isBuiltInCommand()";
constexpr char16_t kBar = u'|';

struct Split {
  Text head;
  Text tail;
};

// Only the first bar splits; both sides lose their blanks.
Split splitAtBar(const Text& text, std::size_t bar) {
  return {trimBlanks(TextView(text).substr(0, bar)), trimBlanks(TextView(text).substr(bar + 1))};
}

}  // namespace

ExecutionResponse DefaultProcessor::process(const Text& input) {
  Logger& log = parts_.logger;
  log.writeMethodStart(kProcessLabel);
  if (log.enabled()) log.writeLog(kProcessLabel, u"入力値：" + input);

  return answered(log, kProcessLabel, [&] {
    ExecutionRequest request = resolve(input);
    return run(request);
  });
}

ExecutionResponse DefaultProcessor::startProgram(const Text& name, const Text& target) {
  Logger& log = parts_.logger;
  log.writeMethodStart(kProgramLabel);
  if (log.enabled()) log.writeLog(kProgramLabel, u"プログラム：" + name + u",パス：" + target);
  return answered(log, kProgramLabel, [&] {
    ExecutionRequest request;
    request.setExecutionPath(target);
    parts_.window.setCharacterMessage(parts_.lines.getMessage(responses::kCommandRun, name));
    return parts_.shell.execute(request);
  });
}

ExecutionRequest DefaultProcessor::resolve(const Text& input) {
  Logger& log = parts_.logger;
  Text command;
  Text argument;
  if (const auto bar = input.find(kBar); bar != Text::npos) {
    log.writeLog(kProcessLabel, u"入力コマンドをコマンドと引数に分離します。");
    Split split = splitAtBar(input, bar);
    command = std::move(split.head);
    argument = std::move(split.tail);
    if (log.enabled()) log.writeLog(kProcessLabel, u"コマンド：" + command + u",引数：" + argument);
  } else {
    log.writeLog(kProcessLabel, u"入力コマンドに引数は含まれていません。");
    command = trimBlanks(input);
    if (log.enabled()) log.writeLog(kProcessLabel, u"コマンド：" + command + u",引数：なし");
  }

  log.writeLog(kProcessLabel, u"コマンドから実行要求を取得します。");
  std::optional<ExecutionRequest> found = parts_.core.getExecInfo(command);
  if (!found) {
    log.writeLog(kProcessLabel,
                 u"実行要求は取得できませんでした。入力コマンドを実行パスとして要求を生成します。");
    ExecutionRequest request;
    request.setExecutionPath(std::move(command));
    request.setParameter(std::move(argument));
    return request;
  }

  ExecutionRequest& request = *found;
  Text path = request.getExecutionPath();
  if (const auto bar = path.find(kBar); bar != Text::npos) {
    log.writeLog(kProcessLabel, u"実行要求のパス情報を実行パスと引数に分離します。");
    Split split = splitAtBar(path, bar);
    path = std::move(split.head);
    if (log.enabled()) log.writeLog(kProcessLabel, u"パス：" + path + u",引数：" + split.tail);
    if (!argument.empty()) {
      if (log.enabled()) {
        log.writeLog(kProcessLabel, u"入力コマンドで引数(" + argument + u")が設定済みのため、" +
                                        split.tail + u"の情報は無視されます。");
      }
    } else {
      argument = std::move(split.tail);
    }
  } else {
    log.writeLog(kProcessLabel, u"パスに引数は含まれていません。");
    if (log.enabled()) log.writeLog(kProcessLabel, u"パス：" + path + u",引数：なし");
  }
  request.setExecutionPath(std::move(path));
  request.setParameter(std::move(argument));
  if (log.enabled()) {
    log.writeLog(kProcessLabel, u"要求内容：実行パス=" + request.getExecutionPath() + u",引数=" +
                                    request.getParameter() + u",作業ディレクトリ=" +
                                    request.getExecutionDirectory());
  }
  return request;
}

ExecutionResponse DefaultProcessor::run(ExecutionRequest& request) {
  Logger& log = parts_.logger;
  if (isBuiltInCommand(request)) {
    log.writeLog(kProcessLabel, u"ビルトインコマンドとして処理します。");
    return parts_.builtIn.executeBuiltIn(request);
  }
  log.writeLog(kProcessLabel, u"ShellExecuteコマンドとして処理します。");
  const Text path = request.getExecutionPath();
  parts_.window.setCharacterMessage(parts_.lines.getMessage(
      isWebAddress(path) ? responses::kWebAddress : responses::kCommandRun, path));
  return parts_.shell.execute(request);
}

bool DefaultProcessor::isBuiltInCommand(const ExecutionRequest& request) {
  Logger& log = parts_.logger;
  log.writeMethodStart(kBuiltInLabel);
  const Text path = request.getExecutionPath();
  if (log.enabled()) log.writeLog(kBuiltInLabel, u"入力値：" + path);
  const bool builtIn = !path.empty() && path.front() == u'$';
  log.writeMethodEnd(kBuiltInLabel);
  return builtIn;
}

}  // namespace pipit
