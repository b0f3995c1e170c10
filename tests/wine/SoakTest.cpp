// Many inputs of every kind in a row: the launcher still answers, and what
// it holds stays where it was after the first hundred. PIPIT_SOAK_INPUTS
// sets the count (a few hundred by default, for every test run).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "CharacterDriver.h"
#include "LauncherHarness.h"
#include "ProcessHoldings.h"

namespace pipit::wintest {
namespace {

TEST(SoakTest, EveryKindOfInputLeavesNothingBehind) {
  const char* wanted = std::getenv("PIPIT_SOAK_INPUTS");
  const int inputs = std::max(200, wanted ? std::atoi(wanted) : 400);

  LauncherInstall install;
  install.installRecorder();
  install.writeConfig(
      u"PREF/HIDDEN_MODE\t1\r\nPREF/HIDDEN_DELAY\t0\r\nPREF/HOTKEY_MOD\tCTRL\r\nPREF/"
      u"HOTKEY_VALUE\tQ\r\n"
      u"PREF/GOOGLE_URL\thttps://search.example/?q=\r\nPREF/GOOGLE_ENCODING\tUTF-8\r\n"
      u"PREF/TOP\t1500\r\nPREF/LEFT\t1500\r\nrec\trecorder.exe|soak\t\r\n");
  install.start();
  const Character her(install.waitForWindow(kWindowClass));
  ASSERT_TRUE(her.window);
  HANDLE process =
      OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, install.processId());
  ASSERT_TRUE(process);

  // The style changes twice a round, so both are soaked and an unknown word
  // always meets the character style (the simple one answers it in a box).
  const TextView kinds[] = {u"rec",        u"nosuchword",   u"https://example.com/soak",
                            u"?soak",      u"$PPTK_CHANGE", u"$PPTK_RELOAD",
                            u"$PPTK_HIDE", u"$PPTK_CHANGE", u"$PPTK_EDIT"};
  // Whole rounds, so she ends in the style she started in.
  const int rounds =
      (inputs + static_cast<int>(std::size(kinds)) - 1) / static_cast<int>(std::size(kinds));
  const int total = rounds * static_cast<int>(std::size(kinds));
  Holdings first;
  for (int i = 0; i < total; ++i) {
    her.send(kinds[i % std::size(kinds)]);
    // Every success hides her: the hot key brings her back for the next.
    DWORD_PTR result = 0;
    SendMessageTimeoutW(her.window, WM_HOTKEY, 0, 0, SMTO_BLOCK, 10000, &result);
    if (i + 1 == 100) first = holdingsOf(install.processId(), process);
  }
  // She still answers.
  her.send(u"nosuchword");
  EXPECT_EQ(textOf(her.combo), u"?nosuchword");
  const Holdings last = holdingsOf(install.processId(), process);
  CloseHandle(process);
  std::printf(
      "soak of %d inputs: after 100: %zu handles, %zu GDI objects, %zu KB private; "
      "at the end: %zu, %zu, %zu KB\n",
      total, first.handles, first.gdiObjects, first.privateBytes / 1024, last.handles,
      last.gdiObjects, last.privateBytes / 1024);
  // The margins: a few handles and objects for what the system caches on
  // its own, and 2 MB for the heap's growth by fragments.
  EXPECT_LE(last.handles, first.handles + 10);
  EXPECT_LE(last.gdiObjects, first.gdiObjects + 10);
  EXPECT_LE(last.privateBytes, first.privateBytes + std::size_t{2} * 1024 * 1024);
  EXPECT_EQ(install.waitForExit(std::chrono::milliseconds(0)), std::nullopt) << "still running";
}

}  // namespace
}  // namespace pipit::wintest
