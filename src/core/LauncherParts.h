#pragma once
// What start-up and shutdown drive above the core: the character window,
// her model, the tray icon and the command menu. The windows implement these;
// the core never sees a window.
#include "base/Failure.h"

namespace pipit {

class MainWindowControl {
 public:
  virtual ~MainWindowControl() = default;
  virtual void setSimpleMode(bool simple) = 0;
  // Rebuilds the window; on start it first moves to the stored position.
  // Registers the hot key, warning the user itself when that fails.
  virtual void init(bool onStart) = 0;
  // Shows and activates the window with an empty input box.
  virtual void doHotkeyAction() = 0;
  // Releases the hot key and the window hook.
  virtual void terminate() = 0;
  // The window position in twips.
  virtual float top() const = 0;
  virtual float left() const = 0;
};

class ModelLoader {
 public:
  virtual ~ModelLoader() = default;
  // Loads the character model of the window's current style.
  virtual Status loadModel() = 0;
};

class TrayMenuControl {
 public:
  virtual ~TrayMenuControl() = default;
  virtual void init() = 0;       // puts the tray icon up
  virtual void terminate() = 0;  // removes it
};

class CommandMenuControl {
 public:
  virtual ~CommandMenuControl() = default;
  virtual void init() = 0;  // (re)builds the popup command menu
};

struct LauncherParts {
  MainWindowControl& mainWindow;
  ModelLoader& model;
  TrayMenuControl& trayMenu;
  CommandMenuControl& commandMenu;
};

}  // namespace pipit
