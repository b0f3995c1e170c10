// The character window as a user meets it: typing, the hot key, the tray
// icon, the command menu, the style switch, and what she leaves on screen.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <vector>

#include "CharacterDriver.h"
#include "LauncherHarness.h"
#include "ProcessHoldings.h"
#include "platform/win32/ComApartment.h"
#include "settings/ConfigFormLayout.h"

namespace pipit::wintest {
namespace {

constexpr wchar_t kTrayClass[] = L"PipitLauncherTray";

// A drag from this process, as another program makes one: text, or a
// format she knows nothing of. It drops at `point` on the third look.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"  // COM objects end in Release
class DragSource final : public IDropSource, public IDataObject {
 public:
  explicit DragSource(bool withText) : withText_(withText) {}
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
    if (IsEqualIID(id, IID_IUnknown) || IsEqualIID(id, IID_IDataObject)) {
      *object = static_cast<IDataObject*>(this);
    } else if (IsEqualIID(id, IID_IDropSource)) {
      *object = static_cast<IDropSource*>(this);
    } else {
      *object = nullptr;
      return E_NOINTERFACE;
    }
    return S_OK;  // on the stack: counting is moot
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL, DWORD) override {
    return ++looks_ < 3 ? S_OK : DRAGDROP_S_DROP;
  }
  HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }
  HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override {
    if (QueryGetData(format) != S_OK) return DV_E_FORMATETC;
    medium->tymed = TYMED_HGLOBAL;
    medium->hGlobal = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 16);
    medium->pUnkForRelease = nullptr;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override {
    return withText_ && format->cfFormat == CF_UNICODETEXT ? S_OK : DV_E_FORMATETC;
  }
  HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
    return OLE_E_ADVISENOTSUPPORTED;
  }
  HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
  HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override {
    return OLE_E_ADVISENOTSUPPORTED;
  }

 private:
  bool withText_;
  int looks_ = 0;
};
#pragma GCC diagnostic pop

DWORD dragOnto(POINT point, bool withText) {
  SetCursorPos(point.x, point.y);
  DragSource source(withText);
  DWORD effect = DROPEFFECT_NONE;
  DoDragDrop(&source, &source, DROPEFFECT_COPY | DROPEFFECT_MOVE, &effect);
  return effect;
}

Text openedLog() {
  const Text path = openedLogPath();
  return path.empty() ? Text() : CodePage::system().decode(readFile(path));
}

class CharacterWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { recorded_ = install.installRecorder(); }
  Character startWith(TextView settings) {
    install.writeConfig(settings);
    install.start();
    Character her(install.waitForWindow(kWindowClass));
    // Laid out and shown first, then greeted at the end of start-up.
    if (her.line) waitUntil([&] { return !textOf(her.line).empty(); });
    return her;
  }
  Text recorded() const {
    const std::string bytes = readFile(recorded_);
    return Text(reinterpret_cast<const char16_t*>(bytes.data()), bytes.size() / 2);
  }

  LauncherInstall install;
  Text recorded_;
};

TEST_F(CharacterWindowTest, TypedWordsRunHideAndComeBackByHotKeyAndTray) {
  const Character her = startWith(
      u"PREF/HIDDEN_MODE\t1\r\nPREF/HIDDEN_DELAY\t500\r\nPREF/HOTKEY_MOD\tCTRL\r\n"
      u"PREF/HOTKEY_VALUE\tQ\r\nPREF/GOOGLE_URL\thttps://search.example/?q=\r\n"
      u"PREF/GOOGLE_ENCODING\tUTF-8\r\nPREF/TOP\t1500\r\nPREF/LEFT\t3000\r\n"
      u"rec\trecorder.exe|hello world\tC:\\windows\r\n");
  ASSERT_TRUE(her.window && her.input && her.line);
  EXPECT_FALSE(textOf(her.line).empty()) << "she greets the user";
  EXPECT_EQ(GetWindowLongPtrW(her.window, GWL_EXSTYLE) & WS_EX_LAYERED, WS_EX_LAYERED);
  EXPECT_EQ(textOf(her.window), u"PipitTalk");

  // A registered word runs with the row's arguments and folder; she hides
  // after the delay.
  her.enter(u"rec");
  ASSERT_TRUE(waitUntil([&] { return fileExists(recorded_); }));
  EXPECT_EQ(recorded(), u"hello world\nC:\\windows");
  EXPECT_TRUE(waitUntil([&] { return !her.visible(); }));
  EXPECT_EQ(textOf(her.combo), u"");

  // The hot key (posted: Xvfb has no global grab) brings her back.
  PostMessageW(her.window, WM_HOTKEY, 0, MAKELPARAM(MOD_CONTROL, 'Q'));
  ASSERT_TRUE(waitUntil([&] { return her.visible(); }));

  // An unknown word: she stays, and offers it as a search, all selected.
  her.enter(u"nosuchword");
  ASSERT_TRUE(waitUntil([&] { return textOf(her.combo) == u"?nosuchword"; }));
  DWORD start = 1, end = 0;
  SendMessageW(her.combo, CB_GETEDITSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 11u);
  EXPECT_TRUE(her.visible());

  // A search opens its address in the browser.
  SetWindowTextW(her.combo, L"");
  her.enter(u"?天気");
  EXPECT_TRUE(waitUntil([&] {
    return openedLog().find(u"https://search.example/?q=%E5%A4%A9%E6%B0%97") != Text::npos;
  })) << toUtf8(openedLog());

  // Escape hides; the tray icon's left button shows her again.
  ASSERT_TRUE(waitUntil([&] { return her.visible(); }));
  her.type(u"half");
  her.press(VK_ESCAPE);
  ASSERT_TRUE(waitUntil([&] { return !her.visible(); }));
  const HWND tray = FindWindowW(kTrayClass, nullptr);
  ASSERT_TRUE(tray);
  PostMessageW(tray, WM_MOUSEMOVE, 0, WM_LBUTTONDOWN);
  ASSERT_TRUE(waitUntil([&] { return her.visible(); }));
  EXPECT_EQ(textOf(her.combo), u"");

  // Closing stores where the user left her.
  SetWindowPos(her.window, nullptr, 300, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  PostMessageW(her.window, WM_CLOSE, 0, 0);
  EXPECT_EQ(install.waitForExit(), 0u);
  EXPECT_NE(install.config().find(u"PREF/TOP\t3000\r\nPREF/LEFT\t4500\r\n"), Text::npos);
}

// Past the left edge and the bottom: still within reach, so hers. The top
// has no pixel of its own and comes back as the user wrote it.
TEST_F(CharacterWindowTest, AParkedPlaceIsKeptOnScreenAndInTheFile) {
  const Character her = startWith(
      u"PREF/HOTKEY_MOD\tCTRL\r\nPREF/HOTKEY_VALUE\tQ\r\nPREF/TOP\t9007\r\nPREF/LEFT\t-3000\r\n");
  ASSERT_TRUE(her.window);
  RECT rect{};
  GetWindowRect(her.window, &rect);
  EXPECT_EQ(rect.left, -200);
  EXPECT_EQ(rect.top, 600);
  PostMessageW(her.window, WM_CLOSE, 0, 0);
  EXPECT_EQ(install.waitForExit(), 0u);
  EXPECT_NE(install.config().find(u"PREF/TOP\t9007\r\nPREF/LEFT\t-3000\r\n"), Text::npos);
}

// Keys typed the moment she shows, as the keyboard sends them, reach her
// input box and run however long her table is; the list fills meanwhile.
TEST_F(CharacterWindowTest, WithTheLargestTableTheFirstCommandTypedIsRun) {
  Text table = u"PREF/HIDDEN_MODE\t0\r\nPREF/HOTKEY_MOD\tCTRL\r\nPREF/HOTKEY_VALUE\tQ\r\n";
  for (int i = 0; i < 32766; ++i) table += u"word" + fromUtf8(std::to_string(i)) + u"\tx.exe\t\r\n";
  install.writeConfig(table + u"rec\trecorder.exe|first\t\r\n");
  install.start();
  const Character her(install.waitForWindow(kWindowClass));
  ASSERT_TRUE(her.window);
  std::vector<INPUT> keys;
  for (const WORD key : {WORD{'R'}, WORD{'E'}, WORD{'C'}, WORD{VK_RETURN}}) {
    for (const DWORD up : {DWORD{0}, DWORD{KEYEVENTF_KEYUP}}) {
      INPUT input{};
      input.type = INPUT_KEYBOARD;
      input.ki.wVk = key;
      input.ki.dwFlags = up;
      keys.push_back(input);
    }
  }
  SendInput(static_cast<UINT>(keys.size()), keys.data(), sizeof(INPUT));
  EXPECT_TRUE(waitUntil([&] { return startsWith(recorded(), u"first"); })) << toUtf8(recorded());
  EXPECT_TRUE(waitUntil([&] { return SendMessageW(her.combo, CB_GETCOUNT, 0, 0) == 32767; }));
}

TEST_F(CharacterWindowTest, TheCommandMenuListsTheTableAndSwitchesHerStyle) {
  const Character her = startWith(
      u"PREF/HOTKEY_MOD\tCTRL\r\nPREF/HOTKEY_VALUE\tQ\r\nPREF/TOP\t0\r\nPREF/LEFT\t0\r\n"
      u"きりかえ\t$PPTK_CHANGE\t\r\n[区切り線]\t\t\r\nrec\trecorder.exe\t\r\n");
  ASSERT_TRUE(her.window);
  RECT before{};
  GetWindowRect(her.window, &before);
  EXPECT_EQ(before.right - before.left, 430);
  // Both command words are in the drop-down list, the separator is not.
  EXPECT_EQ(SendMessageW(her.combo, CB_GETCOUNT, 0, 0), 2);

  // The menu itself is plain data, checked without a window; here it pops
  // up and its first row runs.
  PostMessageW(her.window, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(340, 120));
  HWND menu = nullptr;
  ASSERT_TRUE(
      waitUntil([&] { return (menu = FindWindowW(L"#32768", nullptr)) && IsWindowVisible(menu); }));
  // Choosing the first item runs its word: the simple style, laid out anew
  // where she stood.
  PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
  PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
  expectSimpleStyleAt(her, before);
}

TEST_F(CharacterWindowTest, DropsWorkFromTheFirstDragAndAThousandCommandsLeakNothing) {
  SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
  const Character her = startWith(
      u"PREF/HIDDEN_MODE\t0\r\nPREF/HOTKEY_MOD\tCTRL\r\nPREF/HOTKEY_VALUE\tQ\r\n"
      u"PREF/TOP\t1500\r\nPREF/LEFT\t1500\r\n");
  ASSERT_TRUE(her.window);
  // The user goes to another window to start a drag there; the pointer has
  // never been over her.
  const win32::OleApartment ole;
  const HWND elsewhere = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50,
                                         nullptr, nullptr, nullptr, nullptr);
  SetForegroundWindow(elsewhere);
  EXPECT_TRUE(waitUntil([&] { return GetPropW(her.combo, L"OleDropTargetInterface"); }));
  RECT box{};
  GetWindowRect(her.combo, &box);
  for (const bool withText : {true, false}) {
    SCOPED_TRACE(withText ? "text" : "neither files nor text");
    EXPECT_EQ(dragOnto({(box.left + box.right) / 2, (box.top + box.bottom) / 2}, withText),
              DROPEFFECT_COPY);
    const HWND dialog = install.waitForWindow(L"PipitConfigForm");
    ASSERT_TRUE(dialog);
    EXPECT_EQ(textOf(GetDlgItem(dialog, configform::kPathText)), u"");
    PostMessageW(dialog, WM_CLOSE, 0, 0);
    ASSERT_TRUE(waitUntil([&] { return !IsWindowVisible(dialog); }));
  }
  DestroyWindow(elsewhere);

  HANDLE process =
      OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, install.processId());
  ASSERT_TRUE(process);
  // Each answer switches her picture, restarts a timer and rewrites her
  // line: what a leak would grow with.
  auto roundTrip = [&](int count) {
    for (int i = 0; i < count; ++i) {
      her.send(u"nosuchword");
      ASSERT_EQ(textOf(her.combo), u"?nosuchword");
    }
  };
  roundTrip(100);
  const Holdings first = holdingsOf(install.processId(), process);
  roundTrip(1000);
  const Holdings last = holdingsOf(install.processId(), process);
  CloseHandle(process);
  std::printf("holdings after 100 inputs: %zu handles, %zu GDI objects; after 1100: %zu, %zu\n",
              first.handles, first.gdiObjects, last.handles, last.gdiObjects);
  EXPECT_GT(first.handles, 0u);
  EXPECT_LE(last.handles, first.handles + 5);
  EXPECT_LE(last.gdiObjects, first.gdiObjects + 5);
}

// Halves up, as her layout rounds.
LONG scaled(LONG pixels, DWORD dpi) { return (pixels * static_cast<LONG>(dpi) + 48) / 96; }

TEST_F(CharacterWindowTest, AtEveryScaleSheIsHerModelsSizeWithNoRedAndBlinksWhereTheModelSays) {
  for (const DWORD dpi : {96u, 144u, 192u}) {
    SCOPED_TRACE(dpi);
    const ScreenScale scale(dpi);
    const Character her = startWith(
        u"PREF/HIDDEN_MODE\t0\r\nPREF/HOTKEY_MOD\tCTRL\r\nPREF/HOTKEY_VALUE\tQ\r\n"
        u"PREF/TOP\t0\r\nPREF/LEFT\t0\r\n");
    ASSERT_TRUE(her.window);
    RECT rect{};
    GetWindowRect(her.window, &rect);
    // The shipped character style: 430 x 310, eyes 84 x 35 at (298, 93).
    EXPECT_NEAR(rect.right - rect.left, scaled(430, dpi), 1);
    EXPECT_NEAR(rect.bottom - rect.top, scaled(310, dpi), 1);
    Sleep(500);  // the first paint
    const std::vector<uint32_t> open = screenPixels(rect);

    EXPECT_EQ(std::count(open.begin(), open.end(), 0xFF0000u), 0) << "the key colour shows through";
    EXPECT_GT(std::set<uint32_t>(open.begin(), open.end()).size(), 10u) << "she is on screen";

    // Her greeting may show another expression; five seconds on, her own
    // picture is back and she blinks every four, for one tick of 50 ms. The
    // eyes and a wide margin around them are watched, small enough to be
    // caught quickly at 200 % (the caret blinks elsewhere, in the input box);
    // a misplaced overlay changes pixels in the margin or none at all.
    Sleep(5500);
    const LONG margin = scaled(40, dpi);
    const RECT eyes{rect.left + scaled(298, dpi) - margin, rect.top + scaled(93, dpi) - margin,
                    rect.left + scaled(298 + 84, dpi) + margin,
                    rect.top + scaled(93 + 35, dpi) + margin};
    const std::vector<uint32_t> before = screenPixels(eyes);
    const LONG width = eyes.right - eyes.left;
    RECT changed{LONG_MAX, LONG_MAX, -1, -1};
    waitUntil(
        [&] {
          const std::vector<uint32_t> now = screenPixels(eyes);
          for (std::size_t i = 0; i < now.size(); ++i) {
            if (now[i] == before[i]) continue;
            const LONG x = static_cast<LONG>(i) % width + eyes.left - rect.left;
            const LONG y = static_cast<LONG>(i) / width + eyes.top - rect.top;
            changed = {std::min(changed.left, x), std::min(changed.top, y),
                       std::max(changed.right, x + 1), std::max(changed.bottom, y + 1)};
          }
          return changed.right >= 0;
        },
        std::chrono::seconds(9));
    ASSERT_GE(changed.right, 0) << "she did not blink";
    EXPECT_GE(changed.left, scaled(298, dpi) - 1);
    EXPECT_GE(changed.top, scaled(93, dpi) - 1);
    EXPECT_LE(changed.right, scaled(298 + 84, dpi) + 1);
    EXPECT_LE(changed.bottom, scaled(93 + 35, dpi) + 1);

    PostMessageW(her.window, WM_CLOSE, 0, 0);
    ASSERT_TRUE(install.waitForExit());
  }
}

}  // namespace
}  // namespace pipit::wintest
