#pragma once
// The programs installed for the user: what the shell would offer in its
// program lists, so a new user finds "メモ帳" or "calc" without registering
// anything. Scanning and watching run on a worker thread
// (platform/ProgramIndexThread.h), never on the window's.
#include <atomic>
#include <chrono>
#include <compare>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "base/CodePage.h"
#include "base/Text.h"

namespace pipit {

struct InstalledProgram {
  Text name;    // the shell's display name, localised ("メモ帳"), without ".lnk"
  Text target;  // what the shell is asked to open: the shortcut file's full path,
                // or "shell:AppsFolder\<app id>" for a packaged app
  Text file{};  // the full path of the file the shortcut starts ("C:\...\notepad.exe"),
                // so the program is found by it too; empty for a packaged app, an
                // Internet shortcut, or a shortcut that names no file
  auto operator<=>(const InstalledProgram&) const = default;
};

// Changes in the folders the programs are found in, waited for by one thread
// and cancelled from any other.
class ProgramFolderWatch {
 public:
  enum class Wake { changed, quiet, stopped };
  static constexpr std::chrono::milliseconds kForever = std::chrono::milliseconds::max();

  virtual ~ProgramFolderWatch() = default;
  // Blocks until a watched folder changes (changed), `timeout` passes without
  // a change (quiet) or stop() is called (stopped). Changes that came while
  // nobody waited are reported by the next wait, all of them as one.
  virtual Wake wait(std::chrono::milliseconds timeout) = 0;
  // Safe from any thread: ends the present wait, and every later one at once.
  virtual void stop() = 0;
};

class InstalledPrograms {
 public:
  // A first list, while the scan goes on: see scan().
  using Preview = std::function<void(std::vector<InstalledProgram>)>;

  virtual ~InstalledPrograms() = default;
  // Every program found now, in no particular order, each name and target
  // once; folders that cannot be read are skipped. Once `stop` is set the
  // scan gives up at the next shortcut or folder and returns what it had,
  // which the caller throws away.
  //
  // Reading thousands of shortcuts takes a second, listing their folders a
  // tenth of it. So when shortcuts are to be read that no earlier scan read,
  // `preview` first gets the list the folders give: each shortcut under its
  // file name, or the name and file an earlier scan read, its target not yet
  // checked.
  // The list scan() returns then replaces it.
  virtual std::vector<InstalledProgram> scan(const std::atomic<bool>& stop,
                                             const Preview& preview) const = 0;
  std::vector<InstalledProgram> scan(const std::atomic<bool>& stop) const {
    return scan(stop, Preview());
  }
  std::vector<InstalledProgram> scan() const {
    const std::atomic<bool> never{false};
    return scan(never);
  }
  // A watch over the folders scan() reads. Made before a scan, it sees the
  // changes made during the scan as well.
  virtual std::unique_ptr<ProgramFolderWatch> watch() const = 0;
};

// The one list of a scan: each name and target once, in a fixed order. Two
// entries that differ only in their file are one program, kept with the file
// where one of them knows it.
void removeDuplicates(std::vector<InstalledProgram>& programs);

// Whether an Apps folder item's id ("Maker.Game_0a1b2c3d4e5f6!App") belongs
// to a packaged app. The folder also holds every desktop program, under ids
// that are paths or plain names; those come from their shortcuts already.
bool isPackagedAppId(TextView id);

// The longest address an Internet shortcut may hold and be listed: what
// the system's Internet functions and the browser object carry
// (INTERNET_MAX_URL_LENGTH without its NUL). The shell opens a .url through
// those, so a longer one would open cut short, if at all.
inline constexpr std::size_t kLongestShortcutAddress = 2083;

// The address an Internet shortcut (.url) file opens: the URL= line of its
// [InternetShortcut] section, in the ANSI code page unless the file begins
// with a UTF-16 or UTF-8 mark. Nothing when there is no such line, or its
// address is empty, longer than kLongestShortcutAddress, or holds control
// characters or bytes that are no text: the shell could not open it.
std::optional<Text> internetShortcutAddress(std::string_view bytes, const CodePage& ansi);

}  // namespace pipit
