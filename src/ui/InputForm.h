#pragma once
// The character window's behaviour: start-up and re-initialisation, the road
// from a typed input to her answer, showing and hiding, the blink and the
// return of her default picture. Toolkit-free: a CharacterWindowView shows
// the result.
#include <cstdint>
#include <functional>
#include <vector>

#include "core/LauncherParts.h"
#include "core/Logger.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/EventPump.h"
#include "platform/Files.h"
#include "platform/Pictures.h"
#include "platform/Process.h"
#include "request/CharacterLines.h"
#include "request/ExecutionResponse.h"
#include "request/InputFormControl.h"
#include "request/LauncherCore.h"
#include "ui/CharacterView.h"
#include "ui/CharacterWindowView.h"
#include "ui/CommandFinder.h"
#include "ui/CommandMenu.h"
#include "ui/ModelSettings.h"
#include "ui/TrayMenu.h"

namespace pipit {

class InputForm final : public MainWindowControl,
                        public InputFormControl,
                        public CharacterView,
                        public TrayTarget {
 public:
  static constexpr uint32_t kVisualInterval = 50;
  static constexpr uint32_t kStyleInterval = 5000;
  static constexpr int32_t kBlinkPeriod = 80;  // ticks of VisualTimer per blink

  struct Ports {
    CharacterWindowView& view;
    LauncherCore& core;
    Logger& logger;
    Dialogs& dialogs;
    Process& process;
    const Files& files;
    const Pictures& pictures;
    const Clock& clock;
    EventPump& pump;
  };
  using Dispatch = std::function<ExecutionResponse(const Text& input)>;

  explicit InputForm(const Ports& ports);

  // The model and the request handling are built after the window, since
  // both need it; they are connected before start-up runs.
  void connect(CharacterLines& lines, const ModelSettings& settings, Dispatch dispatch);
  CommandMenu& commandMenu() { return commandMenu_; }

  // MainWindowControl
  void setSimpleMode(bool simple) override { simpleMode_ = simple; }
  void init(bool onStart) override;
  void doHotkeyAction() override;
  void terminate() override;
  float top() const override;
  float left() const override;

  // InputFormControl
  Text getCharacterMessage() const override { return characterMessage_; }
  void setCharacterMessage(const Text& line) override { characterMessage_ = line; }
  void clearForm(bool forcedHide, bool hideDelay) override;
  bool isSimpleMode() const override { return simpleMode_; }
  void visualize() override;
  void setTxtMessage(const Text& text) override { view_.setMessageText(text); }

  // CharacterView
  void setWindowPicture(PictureHandle picture) override {
    view_.setWindowPicture(std::move(picture));
  }
  void setEyesClosedVisible(bool visible) override {
    view_.setImageVisible(ImageId::EyesClosed, visible);
  }
  void restartStyleTimer() override;

  // TrayTarget
  void hideFromTray() override;

  // Events of the window.
  void remoteExecute(const Text& command);
  void ExecutionButton_Click();
  void onEscape();
  // The user changed the input box's text: typed, deleted, pasted or
  // committed a composition. The list narrows to the words that match.
  void onInputEdited();
  void onFilesDropped(const Text& firstFile);
  void onRightButton();
  void onClose();
  // Windows is ending the session (logoff, shutdown): she closes as on a
  // close request, without asking anything.
  void onSessionEnd();
  void onTimer(TimerId timer);

 private:
  void layOut();
  void StyleTimer_Timer();
  void VisualTimer_Timer();
  Text fixedPicturePath(TextView file) const;
  void warnHotKey(const Configuration& configuration);
  // Puts text in the input box and the words that match it in its list,
  // with the list closed: the box is changed by the launcher, not typed in.
  void putInput(const Text& text, bool selectAll);
  void listFor(const Text& typed, bool open);

  CharacterWindowView& view_;
  LauncherCore& core_;
  Logger& logger_;
  Dialogs& dialogs_;
  Process& process_;
  const Files& files_;
  const Pictures& pictures_;
  const Clock& clock_;
  EventPump& pump_;
  CharacterLines* lines_ = nullptr;
  const ModelSettings* settings_ = nullptr;
  Dispatch dispatch_;
  CommandMenu commandMenu_;
  CommandFinder finder_;
  std::vector<std::size_t> listed_;  // what the drop-down list holds now
  bool listValid_ = false;

  bool simpleMode_ = false;
  Text characterMessage_;
  bool hideCancelled_ = false;
  int32_t blinkCount_ = 0;
  int32_t eyesHeight_ = 0;
  bool timersStarted_ = false;
};

}  // namespace pipit
