#include <windows.h>

#include <gtest/gtest.h>

#include <regex>

#include "base/Text.h"
#include "platform/win32/Win32Clock.h"

namespace pipit::win32 {
namespace {

TEST(Win32ClockTest, NowIsTheJapaneseGeneralDateFormat) {
  const std::string now = toUtf8(Win32Clock().nowText());
  EXPECT_TRUE(std::regex_match(now, std::regex(R"(\d{4}/\d{1,2}/\d{1,2} \d{1,2}:\d{2}:\d{2})")))
      << now;
}

TEST(Win32ClockTest, TicksMoveForward) {
  Win32Clock clock;
  const uint32_t first = clock.tickCount();
  Sleep(20);
  EXPECT_GE(static_cast<uint32_t>(clock.tickCount() - first), 10u);
}

}  // namespace
}  // namespace pipit::win32
