#pragma once
// Helpers for the tests that run under Wine: temporary folders and waiting
// for a condition with a deadline.
#include <windows.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "base/Text.h"
#include "platform/win32/Handles.h"

namespace pipit::wintest {

// A new empty folder under the temporary folder, removed with its files.
class TempFolder {
 public:
  // A new folder in the temporary folder, or in `parent`.
  TempFolder();
  explicit TempFolder(const Text& parent);
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const Text& path() const { return path_; }
  Text file(TextView name) const { return path_ + u"\\" + Text(name); }

 private:
  Text path_;
};

// Saves a shell shortcut to `target` with `arguments`; with no target, to the
// shell's Computer folder, which has no file-system path. Needs COM.
bool saveShortcut(const Text& file, const Text& target = {}, const Text& arguments = {});

// Polls `condition` every 20 ms until it holds or `timeout` passes.
bool waitUntil(const std::function<bool()>& condition,
               std::chrono::milliseconds timeout = std::chrono::seconds(20));

// The screen's scale, in dots per inch, for the programs started while it
// lives (Wine reads it at every program start); back at 96 afterwards.
class ScreenScale {
 public:
  explicit ScreenScale(DWORD dpi) { set(dpi); }
  ~ScreenScale() { set(96); }
  ScreenScale(const ScreenScale&) = delete;
  ScreenScale& operator=(const ScreenScale&) = delete;

 private:
  static void set(DWORD dpi);
};

// What `draw` puts in a cleared bitmap of that size, one pixel a COLORREF-like 0x00RRGGBB, rows top
// down; and what the screen shows in the rectangle, the same way.
std::vector<uint32_t> drawnPixels(int width, int height, const std::function<void(HDC)>& draw);
std::vector<uint32_t> screenPixels(const RECT& rect);

// Whole-file helpers in bytes.
std::string readFile(const Text& path);
void writeFile(const Text& path, const std::string& bytes);
bool fileExists(const Text& path);

// The folder holding the shipped assets ("model", "extention"...), as given
// on the test program's command line.
const Text& assetsFolder();
void setAssetsFolder(Text path);

// A Unix path as Wine shows it to Windows programs ("/a/b" -> "Z:\a\b").
Text windowsPath(const std::string& path);

// The file where the prefix's browser recorder writes each address it was
// asked to open; empty when the harness did not set one up.
Text openedLogPath();

}  // namespace pipit::wintest
