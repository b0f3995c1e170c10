// Her list's rows as the list draws them, in this process: the screen of
// Wine on Xvfb never shows a combo box's open list, so the row is drawn
// into a bitmap the way the list asks for it, at 100 % and 200 %.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "WinTestSupport.h"
#include "platform/win32/ComApartment.h"
#include "ui/win32/InputBox.h"

namespace pipit::win32 {
namespace {

struct NoEvents : InputBoxEvents {
  void onSend() override {}
  void onEscape() override {}
  void onInputEdited() override {}
  void onMakeCommand() override {}
  void onRowAction(RowAction) override {}
  bool onRowMenu() override { return false; }
  void onFilesDropped(const Text&) override {}
};

TEST(InputBoxRowTest, AProgramRowShowsItsIconAndItsKindAtEveryScale) {
  const ComApartment com;
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  wchar_t windows[MAX_PATH] = {};
  GetWindowsDirectoryW(windows, MAX_PATH);
  const Text notepad = fromWide(windows, wcslen(windows)) + u"\\notepad.exe";
  const auto background = GetSysColor(COLOR_WINDOW);
  const uint32_t white =
      (background & 0xFF) << 16 | (background & 0xFF00) | (background >> 16 & 0xFF);
  for (const int dpi : {96, 192}) {
    SCOPED_TRACE(dpi);
    InputBox box;
    NoEvents events;
    // Any parent: the box sets its rows' height itself when it is placed.
    const HWND parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 500, 300, nullptr,
                                        nullptr, instance, nullptr);
    ASSERT_TRUE(box.create(instance, parent, 100, events).ok());
    box.place({0, 0, MulDiv(400, dpi, 96), 30}, dpi);
    box.setListRows({{u"メモ帳", u"プログラム", u"", notepad}});
    const int width = MulDiv(400, dpi, 96);
    const int height = static_cast<int>(SendMessageW(box.handle(), CB_GETITEMHEIGHT, 0, 0));
    const int padding = MulDiv(2, dpi, 96), icon = MulDiv(16, dpi, 96);
    EXPECT_GE(height, icon + 2 * padding) << "the row is as tall as its icon at this scale";
    const auto inIcon = [&](const std::vector<uint32_t>& pixels) {
      std::size_t count = 0;
      for (int y = padding; y < padding + icon && y < height; ++y) {
        for (int x = padding; x < padding + icon; ++x) {
          count += pixels[static_cast<std::size_t>(y) * width + x] != white;
        }
      }
      return count;
    };
    // The icon comes from the shell off the drawing thread: the first
    // drawing may be without it, a later one has it.
    std::vector<uint32_t> pixels;
    EXPECT_TRUE(wintest::waitUntil([&] {
      pixels = wintest::drawnPixels(width, height, [&](HDC dc) {
        DRAWITEMSTRUCT item{};
        item.CtlType = ODT_COMBOBOX;
        item.itemAction = ODA_DRAWENTIRE;
        item.hDC = dc;
        item.rcItem = {0, 0, width, height};
        box.onDrawItem(item);
      });
      return inIcon(pixels) > static_cast<std::size_t>(icon * icon / 8);
    })) << "no icon before the name";
    // The kind, dimmed, at the right end; nothing beyond it.
    std::size_t right = 0;
    for (int y = 0; y < height; ++y) {
      for (int x = width * 3 / 4; x < width - padding; ++x) {
        right += pixels[static_cast<std::size_t>(y) * width + x] != white;
      }
    }
    EXPECT_GT(right, 0u) << "no kind at the right";
    DestroyWindow(parent);
  }
}

}  // namespace
}  // namespace pipit::win32
