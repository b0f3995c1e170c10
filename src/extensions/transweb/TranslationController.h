#pragma once
// transweb's logic: fills the window from the clipboard, and turns its
// buttons and keys into a translation page or the end of the program.
#include <optional>

#include "base/Text.h"
#include "extensions/common/WebPage.h"
#include "extensions/transweb/TranslationView.h"

namespace pipit::ext {

// The keys the language list gives its window rather than taking itself.
enum class ListKey { Enter, Escape };

class TranslationController {
 public:
  static constexpr TextView kCaption = u"翻訳の設定";
  static constexpr TextView kLabel = u"翻訳対象文字列　※中国語など一部文字化けします";
  static constexpr TextView kTranslateCaption = u"翻訳";
  static constexpr TextView kCancelCaption = u"キャンセル";
  // The caption instead of kLabel when the clipboard held more than a page
  // address can carry: the number of characters kept goes in between.
  static constexpr TextView kCutLabelStart = u"翻訳対象文字列　※長すぎるため先頭の";
  static constexpr TextView kCutLabelEnd = u"文字だけにしました";
  // The most the text box is given. A box lays a long paragraph out in a
  // time that grows with its square: this many characters still show at
  // once, and are more than translation pages take.
  static constexpr std::size_t kMostShownText = 10000;

  TranslationController(TranslationView& view, WebPorts& ports);

  // The clipboard's text, trimmed, when there is any, cut to what a page
  // address can carry; every pair, the first chosen; then the window is
  // shown.
  void open(const std::optional<Text>& clipboard);
  // Opens the page for the text in the chosen pair and closes the window;
  // too long a text stays in the window to be shortened.
  void onTranslate();
  void onCancel();
  // Enter translates and Escape closes, even while the list is dropped.
  void onListKey(ListKey key);

 private:
  TranslationView& view_;
  WebPorts& ports_;
};

}  // namespace pipit::ext
