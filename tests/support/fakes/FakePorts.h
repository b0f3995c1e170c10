#pragma once
// In-memory stand-ins for the platform ports, with switches to make them fail.
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/EventPump.h"
#include "platform/Files.h"
#include "platform/Process.h"
#include "platform/SystemRegistry.h"
#include "platform/WallClock.h"

namespace pipit::fakes {

class FakeFiles : public Files {
 public:
  Text folder = u"C:\\Tools\\Pipit";
  Text name = u"pipitlauncher";
  std::map<Text, std::string> content;
  std::map<Text, Failure> failing;  // paths whose reads and writes fail
  int replaceCalls = 0;

  Text programFolder() const override { return folder; }
  Text programName() const override { return name; }

  Outcome<std::string> readAll(const Text& path) const override {
    if (const auto f = failing.find(path); f != failing.end()) return f->second;
    const auto it = content.find(path);
    if (it == content.end()) return Failure::fileNotFound();
    return it->second;
  }
  Status append(const Text& path, std::string_view bytes) override {
    if (const auto f = failing.find(path); f != failing.end()) return f->second;
    content[path] += bytes;
    return Status::success();
  }
  Status replace(const Text& path, std::string_view bytes) override {
    ++replaceCalls;
    if (const auto f = failing.find(path); f != failing.end()) return f->second;
    content[path] = std::string(bytes);
    return Status::success();
  }
  Status rename(const Text& from, const Text& to) override {
    if (const auto f = failing.find(from); f != failing.end()) return f->second;
    if (!content.contains(from)) return Failure::fileNotFound();
    if (!content.emplace(to, content[from]).second) return Failure::fileAccess();
    content.erase(from);
    return Status::success();
  }
};

class FakeClock : public Clock {
 public:
  uint32_t ticks = 0;
  Text now = u"2026/12/7 22:04:59";
  uint32_t tickCount() const override { return ticks; }
  Text nowText() const override { return now; }
};

class FakeWallClock : public WallClock {
 public:
  explicit FakeWallClock(int64_t at = 0) : seconds(at) {}
  int64_t seconds;
  int64_t utcSeconds() const override { return seconds; }
};

struct ShownMessage {
  Text prompt;
  Text title;
  MessageButtons buttons;
  MessageIcon icon;
};

class FakeDialogs : public Dialogs {
 public:
  std::vector<ShownMessage> shown;
  MessageAnswer answer = MessageAnswer::Ok;
  std::function<void()> onShow;  // runs while the box is "open"
  MessageAnswer messageBox(const Text& prompt, const Text& title, MessageButtons buttons,
                           MessageIcon icon) override {
    shown.push_back({prompt, title, buttons, icon});
    if (onShow) onShow();
    return answer;
  }
  // The prompt of every box, for tests that care about nothing else.
  std::vector<Text> prompts() const {
    std::vector<Text> all;
    for (const ShownMessage& box : shown) all.push_back(box.prompt);
    return all;
  }
};

// Thrown by FakeProcess::exitNow so that a test can watch the process end.
struct ProcessExited {
  int code;
};

class FakeProcess : public Process {
 public:
  [[noreturn]] void exitNow(int code) override { throw ProcessExited{code}; }
};

// Posted work waits, from whichever thread, until the test runs it.
class FakeEventPump : public EventPump {
 public:
  int delivered = 0;
  std::vector<uint32_t> waits;
  std::function<void()> onDeliver;
  void deliverPending() override {
    ++delivered;
    if (onDeliver) onDeliver();
  }
  void waitForEvents(uint32_t milliseconds) override { waits.push_back(milliseconds); }
  void post(std::function<void()> work) override {
    const std::lock_guard lock(postedMutex_);
    posted_.push_back(std::move(work));
  }
  // Runs the work posted so far, in order; how many pieces ran.
  std::size_t runPosted() {
    std::vector<std::function<void()>> work;
    {
      const std::lock_guard lock(postedMutex_);
      work.swap(posted_);
    }
    for (auto& step : work) step();
    return work.size();
  }

 private:
  std::mutex postedMutex_;
  std::vector<std::function<void()>> posted_;
};

// Keys as maps of values; a value is text or a 32-bit number.
class FakeRegistry : public SystemRegistry {
 public:
  struct Value {
    std::optional<Text> text;
    std::optional<uint32_t> number;
  };
  using Key = std::map<Text, Value>;
  std::map<Text, Key> keys;  // by hive-qualified path
  bool refuseCreate = false;
  bool refuseWrite = false;
  int openCount = 0;  // keys handed out and not yet closed

  std::unique_ptr<SystemRegistryKey> createKey(RegistryHive hive, const Text& path) override {
    if (refuseCreate) return nullptr;
    return std::make_unique<FakeKey>(*this, keys[qualified(hive, path)]);
  }
  std::unique_ptr<SystemRegistryKey> openKey(RegistryHive hive, const Text& path) override {
    const auto it = keys.find(qualified(hive, path));
    if (it == keys.end()) return nullptr;
    return std::make_unique<FakeKey>(*this, it->second);
  }
  static Text qualified(RegistryHive hive, const Text& path) {
    return Text(hive == RegistryHive::CurrentUser ? u"HKCU\\" : u"OTHER\\") + path;
  }

 private:
  class FakeKey : public SystemRegistryKey {
   public:
    FakeKey(FakeRegistry& owner, Key& key) : owner_(owner), key_(key) { ++owner_.openCount; }
    ~FakeKey() override { --owner_.openCount; }
    bool setString(const Text& name, const Text& value) override {
      if (owner_.refuseWrite) return false;
      key_[name] = Value{value, std::nullopt};
      return true;
    }
    bool setDword(const Text& name, uint32_t value) override {
      if (owner_.refuseWrite) return false;
      key_[name] = Value{std::nullopt, value};
      return true;
    }
    std::optional<Text> queryString(const Text& name) const override {
      const auto it = key_.find(name);
      return it == key_.end() ? std::nullopt : it->second.text;
    }
    std::optional<uint32_t> queryDword(const Text& name) const override {
      const auto it = key_.find(name);
      return it == key_.end() ? std::nullopt : it->second.number;
    }
    bool deleteValue(const Text& name) override { return key_.erase(name) > 0; }

   private:
    FakeRegistry& owner_;
    Key& key_;
  };
};

}  // namespace pipit::fakes
