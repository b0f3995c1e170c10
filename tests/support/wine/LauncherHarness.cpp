#include "LauncherHarness.h"

#include <gtest/gtest.h>

namespace pipit::wintest {
using win32::fromWide;
using win32::wide;

namespace {
Text& executableSlot() {
  static Text path;
  return path;
}
Text& recorderSlot() {
  static Text path;
  return path;
}
void copyFolder(const Text& from, const Text& to) {
  CreateDirectoryW(wide(to), nullptr);
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW(wide(Text(from + u"\\*")), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    const Text name = fromWide(found.cFileName, wcslen(found.cFileName));
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
    CopyFileW(wide(Text(from + u"\\" + name)), wide(Text(to + u"\\" + name)), FALSE);
  } while (FindNextFileW(search, &found));
  FindClose(search);
}

}  // namespace

const Text& launcherExecutable() { return executableSlot(); }
void setLauncherExecutable(Text path) { executableSlot() = std::move(path); }
const Text& recorderExecutable() { return recorderSlot(); }
void setRecorderExecutable(Text path) { recorderSlot() = std::move(path); }

LauncherInstall::LauncherInstall(bool withModels) {
  const Text target = folder_.file(u"pipitlauncher.exe");
  if (!CopyFileW(wide(launcherExecutable()), wide(target), FALSE)) {
    ADD_FAILURE() << "cannot copy the launcher from " << toUtf8(launcherExecutable());
  }
  if (!withModels) return;
  // The kanji readings the build makes beside the launcher, as installed.
  const Text& built = launcherExecutable();
  const Text readings = built.substr(0, built.find_last_of(u"\\/") + 1) + u"readings.dat";
  CopyFileW(wide(readings), wide(folder_.file(u"readings.dat")), FALSE);
  for (const Text model : {u"model", u"model_simple"}) {
    copyFolder(assetsFolder() + u"\\" + model, folder_.file(model));
    if (!fileExists(folder_.file(model + u"\\model.conf"))) ADD_FAILURE() << "no model to copy";
  }
}

void LauncherInstall::writeConfig(TextView text) const {
  writeFile(folder_.file(u"config.txt"), codePage_.encode(text));
}
void LauncherInstall::writeConfigBytes(const std::string& bytes) const {
  writeFile(folder_.file(u"config.txt"), bytes);
}
std::string LauncherInstall::configBytes() const { return readFile(folder_.file(u"config.txt")); }
Text LauncherInstall::config() const {
  return codePage_.decode(readFile(folder_.file(u"config.txt")));
}
Text LauncherInstall::debugLog() const {
  return codePage_.decode(readFile(folder_.file(u"debug.txt")));
}

std::vector<Text> LauncherInstall::logMessages() const {
  std::vector<Text> messages;
  for (const Text& line : splitLines(debugLog())) {
    const auto first = line.find(u'\t');
    const auto second = first == Text::npos ? Text::npos : line.find(u'\t', first + 1);
    messages.push_back(second == Text::npos ? line : line.substr(second + 1));
  }
  return messages;
}

Text LauncherInstall::installRecorder() const {
  Text recorded = folder_.file(u"recorded.txt");
  // The launcher inherits the variable and hands it on to what it starts.
  SetEnvironmentVariableW(L"PIPIT_RECORDER_OUT", wide(recorded));
  CopyFileW(wide(recorderExecutable()), wide(folder_.file(u"recorder.exe")), FALSE);
  return recorded;
}

namespace {
// Started from another working directory, as a logon start would be.
RunningProgram startLauncher(const Text& program) {
  return RunningProgram(u"\"" + program + u"\"");
}
}  // namespace

void LauncherInstall::start() { launcher_ = startLauncher(folder_.file(u"pipitlauncher.exe")); }

std::optional<DWORD> LauncherInstall::startAgain() const {
  // Ended if it is still running after the deadline.
  RunningProgram again = startLauncher(folder_.file(u"pipitlauncher.exe"));
  return again.waitForExit();
}

}  // namespace pipit::wintest
