#include "platform/win32/Win32Clock.h"

#include <windows.h>

#include "platform/win32/Handles.h"

namespace pipit::win32 {

uint32_t Win32Clock::tickCount() const { return GetTickCount(); }

int64_t Win32Clock::utcSeconds() const {
  // 100 ns units since 1601-01-01, 11 644 473 600 seconds before 1970.
  FILETIME now{};
  GetSystemTimeAsFileTime(&now);
  const uint64_t units = (uint64_t{now.dwHighDateTime} << 32) | now.dwLowDateTime;
  return static_cast<int64_t>(units / 10'000'000) - int64_t{11'644'473'600};
}

Text Win32Clock::nowText() const {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  wchar_t date[128] = {};
  wchar_t time[128] = {};
  const int d = GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &now, nullptr, date, 128);
  const int t = GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &now, nullptr, time, 128);
  // Both lengths count the terminating NUL.
  return fromWide(date, d > 0 ? d - 1 : 0) + u" " + fromWide(time, t > 0 ? t - 1 : 0);
}

}  // namespace pipit::win32
