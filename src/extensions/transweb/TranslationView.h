#pragma once
// The window "翻訳の設定" as its logic sees it: a passive set of controls.
// The Win32 window implements it; tests use a fake.
#include <vector>

#include "base/Text.h"

namespace pipit::ext {

class TranslationView {
 public:
  virtual ~TranslationView() = default;

  virtual Text text() const = 0;
  virtual void setText(const Text& text) = 0;
  // The caption above the text box.
  virtual void setLabel(const Text& label) = 0;

  virtual void setLanguages(const std::vector<Text>& entries) = 0;
  // The selected entry's index, -1 for none.
  virtual int selectedLanguage() const = 0;
  virtual void selectLanguage(int index) = 0;

  // Shows the window in front, with the focus in the language list.
  virtual void show() = 0;
  // Closes the window, which ends the program.
  virtual void close() = 0;
};

}  // namespace pipit::ext
