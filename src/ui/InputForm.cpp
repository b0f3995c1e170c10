#include "ui/InputForm.h"

#include <cmath>
#include <optional>

#include "base/Number.h"
#include "request/BuiltInCommandExecutor.h"
#include "request/WaitFor.h"
#include "ui/FormUtility.h"
#include "ui/PicturePath.h"

namespace pipit {
namespace {

constexpr TextView kClickLabel = u"ExecutionButton_Click";
constexpr TextView kVisualizeLabel = u"InputForm.visualize()";

// Twips to pixels, to the nearest pixel.
int32_t toPixels(double twips, double twipsPerPixel) {
  return static_cast<int32_t>(std::lround(twips / twipsPerPixel));
}

}  // namespace

InputForm::InputForm(const Ports& ports)
    : view_(ports.view),
      core_(ports.core),
      logger_(ports.logger),
      dialogs_(ports.dialogs),
      process_(ports.process),
      files_(ports.files),
      pictures_(ports.pictures),
      clock_(ports.clock),
      pump_(ports.pump),
      commandMenu_(ports.core.getConfiguration()) {}

void InputForm::connect(CharacterLines& lines, const ModelSettings& settings, Dispatch dispatch) {
  lines_ = &lines;
  settings_ = &settings;
  dispatch_ = std::move(dispatch);
}

void InputForm::init(bool onStart) {
  terminate();
  const Configuration& configuration = core_.getConfiguration();
  if (configuration.isStyleSimple()) simpleMode_ = true;
  if (!timersStarted_) {
    view_.startTimer(TimerId::Visual, kVisualInterval);
    timersStarted_ = true;
  }
  // The stored position is applied once the window has its size, so that a
  // position on a screen that is gone can be told from one half on screen.
  layOut();
  if (onStart) {
    view_.moveTo({toPixels(configuration.getFormLeft(), view_.twipsPerPixelX()),
                  toPixels(configuration.getFormTop(), view_.twipsPerPixelY())});
  }
  view_.show();
  finder_.setWords(commandWords(configuration.commands()));
  listValid_ = false;
  listFor(Text(), false);
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

float InputForm::top() const {
  return static_cast<float>(view_.position().y * view_.twipsPerPixelY());
}

float InputForm::left() const {
  return static_cast<float>(view_.position().x * view_.twipsPerPixelX());
}

void InputForm::clearForm(bool forcedHide, bool hideDelay) {
  const Configuration& configuration = core_.getConfiguration();
  hideCancelled_ = false;
  putInput(Text(), false);
  if (forcedHide) {
    view_.hide();
    return;
  }
  if (hideDelay && configuration.isHiddenMode()) {
    if (!simpleMode_) waitFor(configuration.getHiddenDelay(), clock_, pump_);
    // Shown again while she waited (hot key, tray): she stays.
    if (hideCancelled_) return;
    view_.hide();
  } else if (configuration.isHiddenMode()) {
    view_.hide();
  }
}

void InputForm::doHotkeyAction() {
  hideCancelled_ = true;
  view_.show();
  putInput(Text(), false);
  view_.focusInput();
  if (lines_) view_.setMessageText(lines_->getMessage(u"CMD/FOCUS", u""));
}

void InputForm::hideFromTray() {
  putInput(Text(), false);
  view_.hide();
}

void InputForm::onEscape() { hideFromTray(); }

void InputForm::onInputEdited() {
  const Text typed = view_.inputText();
  listFor(typed, true);
}

void InputForm::putInput(const Text& text, bool selectAll) {
  view_.setInputText(text, selectAll);
  // The list narrows only on what the user typed: after an error the box
  // holds "?" and her words, and the list still offers every command.
  listFor(Text(), false);
}

void InputForm::listFor(const Text& typed, bool open) {
  std::vector<std::size_t> matches = finder_.find(typed);
  // Refilling a long list is the costly part; most keystrokes keep it.
  if (!listValid_ || matches != listed_) {
    std::vector<Text> words;
    words.reserve(matches.size());
    for (const std::size_t i : matches) words.push_back(finder_.words()[i]);
    view_.setCommandWords(words);
    listed_ = std::move(matches);
    listValid_ = true;
  }
  view_.showCommandList(open && !typed.empty() && !listed_.empty());
}

// The command menu and drops put text in the box only to send it at once:
// the list is left as it is, the answer sets the box again.
void InputForm::remoteExecute(const Text& command) {
  view_.showCommandList(false);
  view_.setInputText(command, false);
  ExecutionButton_Click();
}

void InputForm::onFilesDropped(const Text& firstFile) {
  view_.showCommandList(false);
  view_.setInputText(Text(BuiltInCommandExecutor::kEdit) + u"|" + firstFile, false);
  ExecutionButton_Click();
}

void InputForm::onRightButton() {
  if (const auto word = commandMenu_.showMenu(view_)) remoteExecute(*word);
}

void InputForm::onClose() { core_.terminate(); }

void InputForm::onSessionEnd() { core_.endSession(); }

void InputForm::ExecutionButton_Click() {
  const Text input = view_.inputText();
  if (input.empty() || !dispatch_ || !lines_) return;
  const ExecutionResponse response = dispatch_(input);
  if (response.getDescription() == BuiltInCommandExecutor::kHiddenDescription) {
    logger_.writeLog(kClickLabel, u"レスポンスは非表示コマンドのものです");
    return;
  }
  if (response.isError()) {
    logger_.writeLog(kClickLabel, u"レスポンスはエラーのものです");
    doHotkeyAction();
    const Text detail =
        u"\r\n" + response.getErrorMessage() + u"(" + response.getErrorCode() + u")";
    view_.setMessageText(lines_->getMessage(u"CMD/エラー", detail));
    if (simpleMode_) {
      // Her text box is hidden in the simple style: the line comes as a box.
      dialogs_.messageBox(lines_->getMessage(u"CMD/エラー", detail), u"", MessageButtons::Ok,
                          MessageIcon::None);
    }
    // Enter again sends the same words as a web search; typing replaces them.
    putInput(u"?" + input, true);
    return;
  }
  logger_.writeLog(kClickLabel, u"レスポンスは正常終了のものです");
  view_.setMessageText(characterMessage_);
  clearForm(false, true);
}

Text InputForm::fixedPicturePath(TextView file) const {
  Text name(simpleMode_ ? u"model_simple/" : u"model/");
  name += file;
  return resolvePicturePath(files_.programFolder(), name);
}

void InputForm::visualize() {
  layOut();
  view_.show();
}

void InputForm::layOut() {
  view_.makeColourKeyed();
  // Every picture is tried, so the box below reports a broken model once,
  // with the last failure, rather than stopping at the first.
  std::optional<Failure> failure;
  auto load = [&](TextView file) -> PictureHandle {
    auto loaded = pictures_.load(fixedPicturePath(file));
    if (!loaded) {
      failure = loaded.failure();
      return nullptr;
    }
    return loaded.value();
  };
  if (PictureHandle main = load(u"main.gif")) view_.setWindowPicture(main);
  if (PictureHandle eyes = load(u"eyes_closed.gif")) {
    eyesHeight_ = eyes->height();
    view_.setImage(ImageId::EyesClosed, eyes);
  }
  if (Status icon = view_.loadIcon(fixedPicturePath(u"icon.ico")); !icon) failure = icon.failure();
  if (PictureHandle balloon = load(u"balloon_model.gif"))
    view_.setImage(ImageId::BalloonModel, balloon);
  if (PictureHandle balloon = load(u"balloon_user.gif"))
    view_.setImage(ImageId::BalloonUser, balloon);
  if (failure) {
    dialogs_.messageBox(u"メインフォームの初期化に失敗しました。プログラムを終了します。",
                        u"メインフォーム初期化失敗", MessageButtons::Ok, MessageIcon::Critical);
    logger_.writeLog(
        kVisualizeLabel,
        u"メインフォーム初期化エラー:" + decimalText(failure->number) + u":" + failure->description,
        true);
    process_.exitNow(1);
  }

  const ModelSettings none;
  const ModelSettings& s = settings_ ? *settings_ : none;
  view_.moveImage(ImageId::EyesClosed, {s.getEyesLeft(), -eyesHeight_ - 4});
  view_.moveImage(ImageId::BalloonModel, {s.getMbalLeft(), s.getMbalTop()});
  view_.moveImage(ImageId::BalloonUser, {s.getUbalLeft(), s.getUbalTop()});
  ControlLayout layout;
  layout.message = {s.getTxtLeft(), s.getTxtTop(), s.getTxtWidth(), s.getTxtHeight()};
  layout.input = {s.getInputLeft(), s.getInputTop(), s.getInputWidth(), 0};
  layout.button = {s.getBtnLeft(), s.getBtnTop(), s.getBtnWidth(), s.getBtnHeight()};
  layout.buttonCaption = s.getBtnCaption();
  layout.messageVisible = !simpleMode_;
  layout.formWidth = s.getFormWidth();
  layout.formHeight = s.getFormHeight();
  view_.applyLayout(layout);
}

void InputForm::restartStyleTimer() {
  view_.stopTimer(TimerId::Style);
  view_.startTimer(TimerId::Style, kStyleInterval);
}

void InputForm::onTimer(TimerId timer) {
  if (timer == TimerId::Style) StyleTimer_Timer();
  if (timer == TimerId::Visual) VisualTimer_Timer();
}

void InputForm::StyleTimer_Timer() {
  view_.stopTimer(TimerId::Style);
  view_.setImageVisible(ImageId::EyesClosed, true);
  // A default picture that cannot be read now leaves her last expression up.
  auto main = pictures_.load(fixedPicturePath(u"main.gif"));
  if (main) view_.setWindowPicture(main.value());
}

void InputForm::VisualTimer_Timer() {
  ++blinkCount_;
  const int32_t eyesLeft = settings_ ? settings_->getEyesLeft() : 0;
  if (blinkCount_ == kBlinkPeriod) {
    view_.moveImage(ImageId::EyesClosed, {eyesLeft, settings_ ? settings_->getEyesTop() : 0});
    blinkCount_ = 0;
  } else if (blinkCount_ == 1) {
    view_.moveImage(ImageId::EyesClosed, {eyesLeft, -eyesHeight_ - 10});
  }
}

}  // namespace pipit
