#pragma once
// Drives the running launcher's character window from a test: finds its
// controls, types into the input box and reads texts back.
#include <windows.h>

#include <gtest/gtest.h>

#include <initializer_list>
#include <iterator>
#include <vector>

#include "WinTestSupport.h"
#include "base/Text.h"
#include "platform/win32/Handles.h"

namespace pipit::wintest {

inline constexpr wchar_t kWindowClass[] = L"PipitLauncherCharacter";

// A window's text, asked of the process that owns it.
inline Text textOf(HWND window) {
  wchar_t buffer[4096] = {};
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(buffer), SMTO_BLOCK, 5000,
                      &copied);
  return win32::fromWide(buffer, copied);
}

// The launcher's window and its controls.
struct Character {
  HWND window = nullptr;
  HWND combo = nullptr;
  HWND input = nullptr;  // the edit inside the combo box
  HWND line = nullptr;   // txtMessage

  explicit Character(HWND w = nullptr) : window(w) {
    if (!w) return;
    combo = FindWindowExW(w, nullptr, L"ComboBox", nullptr);
    input = combo ? FindWindowExW(combo, nullptr, L"Edit", nullptr) : nullptr;
    line = FindWindowExW(w, nullptr, L"Edit", nullptr);
  }
  bool visible() const { return IsWindowVisible(window) != FALSE; }
  // Characters arrive as the input method commits them: WM_CHAR only.
  void type(TextView text) const {
    for (char16_t c : text) PostMessageW(input, WM_CHAR, c, 1);
  }
  // A key goes down and up; the launcher's own loop makes the character.
  void press(UINT key) const {
    PostMessageW(input, WM_KEYDOWN, key, 1);
    PostMessageW(input, WM_KEYUP, key, 0xC0000001);
  }
  // Keys held together and let go in turn, as the keyboard sends them: the
  // modifiers count. Her window is put in front, where they go.
  void chord(std::initializer_list<WORD> keys) const {
    SetForegroundWindow(window);
    std::vector<INPUT> inputs;
    for (const WORD key : keys) inputs.push_back(keyInput(key, 0));
    for (auto it = std::rbegin(keys); it != std::rend(keys); ++it) {
      inputs.push_back(keyInput(*it, KEYEVENTF_KEYUP));
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  }
  static INPUT keyInput(WORD key, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = flags;
    return input;
  }
  void enter(TextView text) const {
    type(text);
    press(VK_RETURN);
  }
  // Puts the text into the box, as a choice from its list does, presses
  // Enter and returns once the launcher has handled it: the messages are
  // sent, not posted.
  void send(TextView text) const {
    const Text value(text);
    DWORD_PTR result = 0;
    SendMessageTimeoutW(combo, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(win32::wide(value)),
                        SMTO_BLOCK, 10000, &result);
    SendMessageTimeoutW(input, WM_CHAR, VK_RETURN, 1, SMTO_BLOCK, 30000, &result);
  }
};

// Waits for her to be laid out in the simple style (320 pixels wide) and
// checks she stayed where she stood.
inline void expectSimpleStyleAt(const Character& her, const RECT& before) {
  RECT now{};
  ASSERT_TRUE(waitUntil([&] {
    GetWindowRect(her.window, &now);
    return now.right - now.left == 320;
  }));
  EXPECT_EQ(now.left, before.left);
  EXPECT_EQ(now.top, before.top);
}

}  // namespace pipit::wintest
