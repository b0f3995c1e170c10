#pragma once
// Every setting of the launcher and its command table.
#include <cstdint>
#include <memory>
#include <vector>

#include "base/Text.h"
#include "core/CommandInfo.h"

namespace pipit {

// The table holds shared rows: a copy of the table is a new list of the same
// rows, so editing a row through its setters shows everywhere while adding or
// removing rows in a copy does not.
using CommandTable = std::vector<std::shared_ptr<CommandInfo>>;

class Configuration {
 public:
  // The most command rows a table holds.
  static constexpr std::size_t kMaxCommands = 32767;

  bool isHiddenMode() const { return hiddenMode_; }
  void setHiddenMode(bool v) { hiddenMode_ = v; }
  int32_t getHiddenDelay() const { return hiddenDelay_; }
  void setHiddenDelay(int32_t v) { hiddenDelay_ = v; }
  const Text& getHotKeyValue() const { return hotKeyValue_; }
  void setHotKeyValue(Text v) { hotKeyValue_ = std::move(v); }
  const Text& getHotKeyMod() const { return hotKeyMod_; }
  void setHotKeyMod(Text v) { hotKeyMod_ = std::move(v); }
  const Text& getGoogleURL() const { return googleURL_; }
  void setGoogleURL(Text v) { googleURL_ = std::move(v); }
  const Text& getGoogleEncoding() const { return googleEncoding_; }
  void setGoogleEncoding(Text v) { googleEncoding_ = std::move(v); }
  bool isNewIE() const { return newIE_; }
  void setNewIE(bool v) { newIE_ = v; }
  bool isStyleSimple() const { return styleSimple_; }
  void setStyleSimple(bool v) { styleSimple_ = v; }
  int32_t getFormTop() const { return formTop_; }
  void setFormTop(int32_t v) { formTop_ = v; }
  int32_t getFormLeft() const { return formLeft_; }
  void setFormLeft(int32_t v) { formLeft_ = v; }
  bool isDebugMode() const { return debugMode_; }
  void setDebugMode(bool v) { debugMode_ = v; }
  const Text& getBackGroundImage() const { return backGroundImage_; }
  void setBackGroundImage(Text v) { backGroundImage_ = std::move(v); }
  CommandTable getCommands() const { return commands_; }
  void setCommands(CommandTable v) { commands_ = std::move(v); }
  // Read access to the rows without copying the list.
  const CommandTable& commands() const { return commands_; }

  // The text of the settings file: the eleven setting lines in their fixed
  // order, then one line per command, each ended by CR LF.
  Text toString(TextView delimiter) const;

 private:
  bool hiddenMode_ = false;
  int32_t hiddenDelay_ = 0;
  Text hotKeyValue_;
  Text hotKeyMod_;
  Text googleURL_;
  Text googleEncoding_;
  bool newIE_ = false;
  bool styleSimple_ = false;
  int32_t formTop_ = 0;
  int32_t formLeft_ = 0;
  bool debugMode_ = false;
  Text backGroundImage_;
  CommandTable commands_;
};

}  // namespace pipit
