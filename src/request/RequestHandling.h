#pragma once
// Request handling wired together: what a composition root creates once and
// the window's execute handler calls through `dispatcher`.
#include "core/Logger.h"
#include "platform/Browser.h"
#include "platform/Clock.h"
#include "platform/EventPump.h"
#include "platform/Files.h"
#include "platform/Shell.h"
#include "request/BuiltInCommandExecutor.h"
#include "request/CharacterLines.h"
#include "request/ConfigFormControl.h"
#include "request/DefaultProcessor.h"
#include "request/GoogleProcessor.h"
#include "request/InputFormControl.h"
#include "request/LauncherCore.h"
#include "request/NaturalProcessor.h"
#include "request/RequestDispatcher.h"
#include "request/ShellExecutor.h"
#include "request/URLProcessor.h"

namespace pipit {

struct RequestPorts {
  Logger& logger;
  LauncherCore& core;
  CharacterLines& lines;
  InputFormControl& window;
  ConfigFormControl& configForm;
  const Files& files;
  const Clock& clock;
  EventPump& pump;
  Shell& shell;
  Browser& browser;
};

class RequestHandling {
 public:
  explicit RequestHandling(const RequestPorts& p)
      : shellExecutor(p.logger, p.core, p.files, p.shell, p.browser),
        builtIn({p.core, p.lines, p.window, p.configForm, p.clock, p.pump}),
        defaults({p.logger, p.core, p.lines, p.window, builtIn, shellExecutor}),
        urls(p.logger, shellExecutor),
        searches(p.logger, p.core, urls),
        conversation(p.logger, p.lines),
        dispatcher({p.logger, p.lines, p.window, defaults, urls, searches, conversation}) {}

  RequestHandling(const RequestHandling&) = delete;
  RequestHandling& operator=(const RequestHandling&) = delete;

  ShellExecutor shellExecutor;
  BuiltInCommandExecutor builtIn;
  DefaultProcessor defaults;
  URLProcessor urls;
  GoogleProcessor searches;
  NaturalProcessor conversation;
  RequestDispatcher dispatcher;
};

}  // namespace pipit
