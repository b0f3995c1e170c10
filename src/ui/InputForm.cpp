#include "ui/InputForm.h"

#include <algorithm>
#include <cmath>

#include "base/Number.h"
#include "request/BuiltInCommandExecutor.h"
#include "request/ResponseKeys.h"
#include "request/WaitFor.h"
#include "ui/FormUtility.h"

namespace pipit {
namespace {

constexpr TextView kClickLabel = u"ExecutionButton_Click";

// Twips to pixels, to the nearest pixel.
int32_t toPixels(double twips, double twipsPerPixel) {
  return static_cast<int32_t>(std::lround(twips / twipsPerPixel));
}

}  // namespace

InputForm::InputForm(const Ports& ports, const Face& face, const Model& model, Requests requests)
    : view_(ports.view),
      box_(ports.box),
      core_(ports.core),
      logger_(ports.logger),
      dialogs_(ports.dialogs),
      clock_(ports.clock),
      pump_(ports.pump),
      style_(face.style),
      pictures_(face.pictures),
      blinker_(face.blinker),
      lines_(model.lines),
      settings_(model.settings),
      requests_(std::move(requests)),
      commandMenu_(ports.core.getConfiguration()),
      words_(ports.box, ports.usage) {}

void InputForm::init(bool onStart) {
  terminate();
  const Configuration& configuration = core_.getConfiguration();
  if (configuration.isStyleSimple()) style_.set(true);
  blinker_.start();
  // The stored position is applied once the window has its size, so that a
  // position on a screen that is gone can be told from one half on screen.
  pictures_.layOut(settings_);
  if (onStart) {
    const PixelPoint wanted{toPixels(configuration.getFormLeft(), view_.twipsPerPixelX()),
                            toPixels(configuration.getFormTop(), view_.twipsPerPixelY())};
    view_.moveTo(wanted);
    // Twips do not all have a pixel of their own: while she stands where
    // they put her, the file gets the user's numbers back, not ours.
    storedPlace_.reset();
    if (view_.position() == wanted) {
      storedPlace_ = StoredPlace{wanted, configuration.getFormTop(), configuration.getFormLeft()};
    }
  }
  show();
  // The list's history is read once she is on screen; nothing is counted
  // before.
  if (onStart) words_.loadUsage();
  words_.setCommands(configuration);
  view_.setTopMost();
  const uint8_t modifiers = getKeyCode(configuration.getHotKeyMod());
  const uint8_t key = getKeyCode(configuration.getHotKeyValue());
  if (modifiers == 0 || key == 0 || !view_.registerHotKey(modifiers, key))
    warnHotKey(configuration);
  clearForm(false, false);
}

void InputForm::warnHotKey(const Configuration& configuration) {
  dialogs_.messageBox(u"ホットキーの登録に失敗しました。" + configuration.getHotKeyMod() + u"+" +
                          configuration.getHotKeyValue() +
                          u"は他のプログラムで使用されている可能性がありますので、"
                          u"設定画面を開いて割り当てを変更してください。\r\n"
                          u"※ホットキー以外に、タスクトレイアイコンからも表示させることができます",
                      u"ホットキーが登録できません", MessageButtons::Ok, MessageIcon::Exclamation);
}

void InputForm::terminate() { view_.unregisterHotKey(); }

// She does not blink unseen: a hidden window wakes no timer of hers.
void InputForm::show() {
  view_.show();
  blinker_.resume();
}

void InputForm::hide() {
  view_.hide();
  blinker_.pause();
}

float InputForm::top() const {
  const PixelPoint at = view_.position();
  if (storedPlace_ && storedPlace_->at == at) return static_cast<float>(storedPlace_->top);
  return static_cast<float>(at.y * view_.twipsPerPixelY());
}

float InputForm::left() const {
  const PixelPoint at = view_.position();
  if (storedPlace_ && storedPlace_->at == at) return static_cast<float>(storedPlace_->left);
  return static_cast<float>(at.x * view_.twipsPerPixelX());
}

void InputForm::clearForm(bool forcedHide, bool hideDelay) {
  const Configuration& configuration = core_.getConfiguration();
  hideCancelled_ = false;
  words_.putInput(Text(), false);
  if (forcedHide) {
    hide();
    return;
  }
  if (hideDelay && configuration.isHiddenMode()) {
    if (!style_.isSimple()) waitFor(configuration.getHiddenDelay(), clock_, pump_);
    // Shown again while she waited (hot key, tray): she stays.
    if (hideCancelled_) return;
    hide();
  } else if (configuration.isHiddenMode()) {
    hide();
  }
}

// The hot key, the tray, her menu, Enter, F2 and a second close do nothing
// once shutdown has begun: a box it shows lets their events through, and
// she stays enabled under it.
void InputForm::doHotkeyAction() {
  if (core_.isTerminating()) return;
  hideCancelled_ = true;
  show();
  words_.putInput(Text(), false);
  box_.focusInput();
  view_.setMessageText(lines_.getMessage(responses::kFocus, u""));
}

void InputForm::hideFromTray() {
  words_.putInput(Text(), false);
  hide();
}

void InputForm::onEscape() { hideFromTray(); }

// The command menu and drops put text in the box only to send it at once:
// the list is left as it is, the answer sets the box again.
void InputForm::remoteExecute(const Text& command) {
  box_.showCommandList(false);
  box_.setInputText(command, false);
  ExecutionButton_Click();
}

void InputForm::onInputEdited() {
  if (!programsAsked_ && requests_.indexPrograms) {
    programsAsked_ = true;
    requests_.indexPrograms();
  }
  words_.onEdited();
}

void InputForm::onFilesDropped(const Text& firstFile) {
  box_.showCommandList(false);
  box_.setInputText(Text(BuiltInCommandExecutor::kEdit) + u"|" + firstFile, false);
  ExecutionButton_Click();
}

void InputForm::onRightButton() {
  if (core_.isTerminating()) return;
  if (const auto word = commandMenu_.showMenu(view_)) remoteExecute(*word);
}

void InputForm::onClose() {
  if (!core_.isTerminating()) core_.terminate();
}

void InputForm::onSessionEnd() { core_.endSession(); }

void InputForm::onScaleChanged() {
  // Her expressions are decoded with her model; a failure was logged there
  // and leaves the ones she had, shown at their former size until the next.
  (void)lines_.loadModel();
  pictures_.layOut(settings_);
}

void InputForm::ExecutionButton_Click() {
  const Text input = box_.inputText();
  if (input.empty() || core_.isTerminating()) return;
  // The calculator's answer, chosen; or "=" text that no command word and
  // no line of hers answers, which only the calculator could.
  std::optional<ChosenRow> row = words_.chosenRow();
  if (!row && !words_.isCommandWord(input) && !lines_.hasLine(trimBlanks(input))) {
    row = words_.calculationFor(input);
  }
  if (row && row->kind == ListKind::Calculation) {
    answerCalculation(*row);
    return;
  }
  if (const SystemRow* system = words_.chosenSystemRow()) {
    runSystemCommand(*system);
    return;
  }
  const std::optional<UsageKey> chosen = words_.chosen();
  if (!chosen || chosen->kind == ListKind::CommandWord) {
    const ExecutionResponse response = requests_.dispatch(input);
    if (chosen && !response.isError()) count(*chosen);
    answer(input, response);
    return;
  }
  const ExecutionResponse response = requests_.startProgram(chosen->name, chosen->target);
  if (!response.isError()) count(*chosen);
  answer(chosen->name, response);
}

void InputForm::onMakeCommand() { onRowAction(RowAction::makeCommand); }

void InputForm::onRowAction(RowAction action) {
  const std::optional<ChosenRow> chosen = words_.chosenRow();
  if (!chosen || core_.isTerminating()) return;
  const std::vector<RowAction> offered = rowActions(*chosen);
  if (std::find(offered.begin(), offered.end(), action) == offered.end()) return;
  if (action == RowAction::makeCommand) {
    answer(chosen->name, requests_.offerAsCommand(chosen->target, chosen->name));
    return;
  }
  const ExecutionResponse response = requests_.rowAction(action, actionPath(*chosen));
  if (response.isError()) {
    answer(chosen->name, response);
    return;
  }
  // Her own line where her model has one; a model of a user's own without
  // the key gets a plain one.
  const struct {
    TextView key, plain;  // the plain line follows the row's name
  } lines[] = {{responses::kOpenFolder, u" のフォルダーを開きました。"},
               {responses::kRunAsAdmin, u" を管理者として起動しました。"},
               {responses::kCopyPath, u" のパスをコピーしました。"}};
  const auto& line = lines[static_cast<std::size_t>(action)];
  Text text = lines_.getMessage(line.key, chosen->name);
  if (text.empty()) text = chosen->name + Text(line.plain);
  setCharacterMessage(text);
  answer(chosen->name, response);
}

void InputForm::answerCalculation(const ChosenRow& row) {
  // She stays, so that the answer can be read; the box keeps the question.
  if (row.target.empty()) {
    Text line = lines_.getMessage(responses::kCalculationError, row.name);
    view_.setMessageText(line.empty() ? row.name : line);
    return;
  }
  const ExecutionResponse copied = requests_.rowAction(RowAction::copyResult, row.target);
  if (copied.isError()) {
    answer(row.name, copied);
    return;
  }
  Text line = lines_.getMessage(responses::kCalculation, row.target);
  view_.setMessageText(line.empty() ? u"答えは " + row.target + u" です。コピーしました。" : line);
}

void InputForm::runSystemCommand(const SystemRow& row) {
  if (!row.question.empty() &&
      dialogs_.messageBox(Text(row.question), u"", MessageButtons::YesNoDefaultNo,
                          MessageIcon::Question) != MessageAnswer::Yes) {
    return;
  }
  const Status done = requests_.systemCommand(row.command);
  ExecutionResponse response;
  if (!done) {
    response.setError(true);
    response.setErrorCode(decimalText(done.failure().number));
    response.setErrorMessage(done.failure().description);
  } else {
    setCharacterMessage(Text(row.name) + u" します。");
  }
  answer(Text(row.name), response);
}

bool InputForm::onRowMenu() {
  const std::optional<ChosenRow> chosen = words_.chosenRow();
  if (!chosen || core_.isTerminating()) return false;
  const std::vector<RowAction> offered = rowActions(*chosen);
  if (offered.empty()) return false;
  std::vector<MenuItem> items;
  items.reserve(offered.size());
  for (const RowAction action : offered) items.push_back({actionLabel(action)});
  const std::optional<std::size_t> picked = view_.popupMenu(items, true);
  if (picked && *picked < offered.size()) onRowAction(offered[*picked]);
  return true;
}

void InputForm::count(const UsageKey& key) {
  // A count is never worth a word from her: the next start writes it.
  if (const Status written = words_.countStart(key); !written) {
    logger_.writeLog(kClickLabel, u"利用回数を保存できませんでした:" + written.failure().toText());
  }
}

void InputForm::answer(const Text& sent, const ExecutionResponse& response) {
  if (response.getDescription() == BuiltInCommandExecutor::kHiddenDescription) {
    logger_.writeLog(kClickLabel, u"レスポンスは非表示コマンドのものです");
    return;
  }
  if (response.isError()) {
    logger_.writeLog(kClickLabel, u"レスポンスはエラーのものです");
    doHotkeyAction();
    const Text detail =
        u"\r\n" + response.getErrorMessage() + u"(" + response.getErrorCode() + u")";
    view_.setMessageText(lines_.getMessage(responses::kError, detail));
    if (style_.isSimple()) {
      // Her text box is hidden in the simple style: the line comes as a box.
      dialogs_.messageBox(lines_.getMessage(responses::kError, detail), u"", MessageButtons::Ok,
                          MessageIcon::None);
    }
    // Enter again sends the same words as a web search; typing replaces them.
    words_.putInput(u"?" + sent, true);
    return;
  }
  logger_.writeLog(kClickLabel, u"レスポンスは正常終了のものです");
  view_.setMessageText(characterMessage_);
  clearForm(false, true);
}

void InputForm::visualize() {
  pictures_.layOut(settings_);
  show();
}

}  // namespace pipit
