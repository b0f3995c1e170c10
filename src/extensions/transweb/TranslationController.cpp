#include "extensions/transweb/TranslationController.h"

#include "base/Number.h"
#include "extensions/transweb/LanguagePairs.h"

namespace pipit::ext {

TranslationController::TranslationController(TranslationView& view, WebPorts& ports)
    : view_(view), ports_(ports) {}

void TranslationController::open(const std::optional<Text>& clipboard) {
  // Each step on its own: a clipboard that cannot be read leaves the box
  // empty and the list is still filled.
  if (clipboard) {
    Text text = trimBlanks(*clipboard);
    // A text box of a million characters takes minutes to lay out, and no
    // page could take it: only what can be shown and translated goes in.
    if (const std::size_t kept = translatableLength(text, kMostShownText); kept < text.size()) {
      text.resize(kept);
      view_.setLabel(Text(kCutLabelStart) + decimalText(static_cast<int64_t>(kept)) +
                     Text(kCutLabelEnd));
    }
    view_.setText(text);
  }
  const auto& entries = languageEntries();
  view_.setLanguages(std::vector<Text>(entries.begin(), entries.end()));
  view_.selectLanguage(0);
  view_.show();
}

void TranslationController::onTranslate() {
  const Text address = translationAddress(view_.text(), view_.selectedLanguage());
  if (!openAddress(address, ports_)) return;
  view_.close();
}

void TranslationController::onCancel() { view_.close(); }

void TranslationController::onListKey(ListKey key) {
  if (key == ListKey::Enter) {
    onTranslate();
  } else {
    onCancel();
  }
}

}  // namespace pipit::ext
