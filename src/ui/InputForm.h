#pragma once
// The character window's behaviour: start-up and re-initialisation, the road
// from a typed input to her answer, showing and hiding, and the hot key.
// Toolkit-free: a CharacterWindowView shows the result. Her pictures, her
// blink and the input box's word list are parts of their own; this is the
// face they show to start-up, request handling, the tray and the window.
#include <functional>
#include <optional>

#include "core/LauncherParts.h"
#include "core/Logger.h"
#include "finding/UsageScores.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/EventPump.h"
#include "request/CharacterLines.h"
#include "request/ExecutionResponse.h"
#include "request/InputFormControl.h"
#include "request/LauncherCore.h"
#include "ui/Blinker.h"
#include "ui/CharacterPictures.h"
#include "ui/CharacterWindowView.h"
#include "ui/CommandMenu.h"
#include "ui/InputBoxEvents.h"
#include "ui/InputBoxView.h"
#include "ui/ModelSettings.h"
#include "ui/SimpleMode.h"
#include "ui/TrayMenu.h"
#include "ui/WordList.h"

namespace pipit {

class InputForm final : public InputFormControl, public TrayTarget, public InputBoxEvents {
 public:
  // The roads of request handling that the input box takes.
  struct Requests {
    // Typed text, and a command word, through the rules' road.
    std::function<ExecutionResponse(const Text& input)> dispatch;
    // An installed program chosen from the list.
    std::function<ExecutionResponse(const Text& name, const Text& target)> startProgram;
    // The settings dialog with a path offered as a new command.
    std::function<ExecutionResponse(const Text& path, const Text& command)> offerAsCommand;
    // An action on the path of the row chosen in the list, other than
    // making it a command.
    std::function<ExecutionResponse(RowAction action, const Text& path)> rowAction;
    // One of the system's own commands, chosen in the list.
    std::function<Status(SystemCommand command)> systemCommand;
    // Starts indexing the installed programs, whose lists go to
    // wordList(). Asked once, when the user first types: the index costs
    // its thread, the shell and its list, which she needs at rest only
    // once she is used.
    std::function<void()> indexPrograms;
  };

  struct Ports {
    CharacterWindowView& view;
    InputBoxView& box;
    LauncherCore& core;
    Logger& logger;
    Dialogs& dialogs;
    const Clock& clock;
    EventPump& pump;
    UsageScores& usage;  // what the input box's list has started, and when
  };
  // Her face is built before her model, which shows its pictures through the
  // blinker and reads the style; the form comes after both.
  struct Face {
    SimpleMode& style;
    CharacterPictures& pictures;
    Blinker& blinker;
  };
  struct Model {
    CharacterLines& lines;
    const ModelSettings& settings;
  };

  InputForm(const Ports& ports, const Face& face, const Model& model, Requests requests);

  CommandMenu& commandMenu() { return commandMenu_; }
  // The input box's list, which takes the installed programs.
  WordList& wordList() { return words_; }

  // MainWindowControl
  void setSimpleMode(bool simple) override { style_.set(simple); }
  void init(bool onStart) override;
  void doHotkeyAction() override;
  void terminate() override;
  float top() const override;
  float left() const override;

  // InputFormControl
  Text getCharacterMessage() const override { return characterMessage_; }
  void setCharacterMessage(const Text& line) override { characterMessage_ = line; }
  void clearForm(bool forcedHide, bool hideDelay) override;
  bool isSimpleMode() const override { return style_.isSimple(); }
  void visualize() override;
  void setTxtMessage(const Text& text) override { view_.setMessageText(text); }

  // TrayTarget
  void hideFromTray() override;

  // InputBoxEvents
  void onSend() override { ExecutionButton_Click(); }
  void onEscape() override;
  // The list narrows to the words that match.
  void onInputEdited() override;
  // A program chosen in the list is offered in the settings dialog as a new
  // command under its name, as a dropped file is. Other text is left.
  void onMakeCommand() override;
  // What the row chosen in the list offers, through its key or its menu;
  // nothing for a row that does not offer it, or with no row chosen.
  void onRowAction(RowAction action) override;
  bool onRowMenu() override;
  void onFilesDropped(const Text& firstFile) override;

  // Events of the window.
  void remoteExecute(const Text& command);
  void ExecutionButton_Click();
  void onRightButton();
  void onClose();
  // Windows is ending the session (logoff, shutdown): she closes as on a
  // close request, without asking anything.
  void onSessionEnd();
  // Her window now lies on a screen of another scale: her pictures, drawn
  // for it, are read again and she is laid out anew. A model that no longer
  // reads keeps the expressions she had.
  void onScaleChanged();
  void onTimer(TimerId timer) { blinker_.onTimer(timer, settings_); }

 private:
  void warnHotKey(const Configuration& configuration);
  // Her answer to what the box sent: `sent` is what the box comes back
  // with, after "?", when it went wrong.
  void answer(const Text& sent, const ExecutionResponse& response);
  void count(const UsageKey& key);
  // The calculator's answer: its digits on the clipboard and her line.
  void answerCalculation(const ChosenRow& row);
  // Asks first where the command does what cannot be taken back, No the
  // default; a failure gives her error line with the system's reason.
  void runSystemCommand(const SystemRow& row);
  void show();
  void hide();

  CharacterWindowView& view_;
  InputBoxView& box_;
  LauncherCore& core_;
  Logger& logger_;
  Dialogs& dialogs_;
  const Clock& clock_;
  EventPump& pump_;
  SimpleMode& style_;
  CharacterPictures& pictures_;
  Blinker& blinker_;
  CharacterLines& lines_;
  const ModelSettings& settings_;
  Requests requests_;
  CommandMenu commandMenu_;
  WordList words_;

  // The place read from the settings at start, in their twips, and the
  // pixel she was put at for it; none when she had to be moved.
  struct StoredPlace {
    PixelPoint at;
    int32_t top = 0;
    int32_t left = 0;
  };
  std::optional<StoredPlace> storedPlace_;
  Text characterMessage_;
  bool hideCancelled_ = false;
  bool programsAsked_ = false;
};

}  // namespace pipit
