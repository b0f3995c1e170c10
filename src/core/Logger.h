#pragma once
// The trace log "debug.txt" beside the program. Lines that are not forced are
// written only in debug mode; with it off they cost one flag test.
#include "base/CodePage.h"
#include "base/Text.h"
#include "platform/Clock.h"
#include "platform/Files.h"

namespace pipit {

class Logger {
 public:
  Logger(Files& files, const Clock& clock, CodePage codePage);

  void setDebugMode(bool on) { debugMode_ = on; }
  bool debugMode() const { return debugMode_; }
  // True when a line that is not forced would be written: lets a caller skip
  // building an expensive message.
  bool enabled(bool force = false) const { return force || debugMode_; }

  void writeLog(TextView label, TextView message, bool force = false) {
    if (!force && !debugMode_) return;
    append(label, message);
  }
  void writeMethodStart(TextView label, bool force = false) {
    writeLog(label, u"メソッドを開始します。", force);
  }
  void writeMethodEnd(TextView label, bool force = false) {
    writeLog(label, u"メソッドを完了しました。", force);
  }

 private:
  // One open, append and close per record, so that nothing is lost when the
  // process ends at once. A log that cannot be written is given up silently:
  // the launcher never stops for its log.
  void append(TextView label, TextView message);

  Files& files_;
  const Clock& clock_;
  CodePage codePage_;
  Text path_;
  bool debugMode_ = false;
};

}  // namespace pipit
