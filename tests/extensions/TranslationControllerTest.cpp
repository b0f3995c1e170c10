// transweb's window logic against a fake window, browser and shell.
#include <gtest/gtest.h>

#include "ExtensionFakes.h"
#include "base/Number.h"
#include "extensions/transweb/LanguagePairs.h"
#include "extensions/transweb/TranslationController.h"

namespace pipit::ext {
namespace {

class FakeTranslationView : public TranslationView {
 public:
  Text shownText;
  Text label;
  std::vector<Text> languages;
  int selected = -1;
  std::vector<std::string> calls;
  Text text() const override { return shownText; }
  void setText(const Text& text) override { shownText = text; }
  void setLabel(const Text& text) override { label = text; }
  void setLanguages(const std::vector<Text>& entries) override { languages = entries; }
  int selectedLanguage() const override { return selected; }
  void selectLanguage(int index) override { selected = index; }
  void show() override { calls.push_back("show"); }
  void close() override { calls.push_back("close"); }
};

struct TranslationControllerTest : testing::Test {
  fakes::FakeDialogs dialogs;
  fakes::FakeBrowser browser;
  fakes::FakeShell shell;
  WebPorts ports{dialogs, browser, shell, [] { return true; }};
  FakeTranslationView view;
  TranslationController controller{view, ports};
};

TEST_F(TranslationControllerTest, OpensWithTheTrimmedClipboardAndTheFirstPairChosen) {
  controller.open(Text(u"  猫  "));
  EXPECT_EQ(view.shownText, u"猫");
  EXPECT_EQ(view.languages.size(), languageEntries().size());
  EXPECT_EQ(view.languages[1], u"日→英");
  EXPECT_EQ(view.selected, 0);
  EXPECT_EQ(view.calls, std::vector<std::string>{"show"});

  FakeTranslationView empty;
  TranslationController(empty, ports).open(std::nullopt);
  EXPECT_EQ(empty.shownText, u"");
  EXPECT_EQ(empty.languages.size(), languageEntries().size());
}

TEST_F(TranslationControllerTest, TheButtonsAndListKeysTranslateOrClose) {
  struct Case {
    const char* name;
    void (*act)(TranslationController&);
    bool opens;
  };
  const Case cases[] = {
      {"translate", [](TranslationController& c) { c.onTranslate(); }, true},
      {"Enter", [](TranslationController& c) { c.onListKey(ListKey::Enter); }, true},
      {"cancel", [](TranslationController& c) { c.onCancel(); }, false},
      {"Escape", [](TranslationController& c) { c.onListKey(ListKey::Escape); }, false},
  };
  for (const Case& c : cases) {
    browser.opened.clear();
    view.calls.clear();
    view.shownText = u" a b ";
    view.selected = 2;
    c.act(controller);
    const std::vector<Text> expected{translationAddress(u"a b", 2)};
    EXPECT_EQ(browser.opened, c.opens ? expected : std::vector<Text>{}) << c.name;
    EXPECT_EQ(view.calls, std::vector<std::string>{"close"}) << c.name;
  }
}

TEST_F(TranslationControllerTest, NoPairChosenIsEnglishToJapanese) {
  view.selected = -1;
  controller.onTranslate();
  ASSERT_EQ(browser.opened.size(), 1u);
  EXPECT_EQ(browser.opened[0], translationAddress(u"", 0));
}

TEST_F(TranslationControllerTest, AClipboardBeyondAnyPageIsCutWithANote) {
  struct Case {
    Text clipboard;
    std::size_t kept;
  };
  // Each "あ" is nine characters of address, an "a" one.
  const std::size_t kanaFit = translatableLength(Text(100000, u'あ'));
  const Text pair = u"\U0001F600";
  ASSERT_LT(kanaFit, TranslationController::kMostShownText - 1);
  const std::size_t most = TranslationController::kMostShownText;
  const Case cases[] = {
      {Text(most, u'a'), most},
      {Text(most + 1, u'a'), most},
      {Text(most - 1, u'a') + pair, most - 1},
      {Text(kanaFit, u'あ'), kanaFit},
      {Text(kanaFit + 1, u'あ'), kanaFit},
      {Text(770000, u'あ'), kanaFit},
      // A pair that would be cut in two is left out whole.
      {Text(kanaFit - 1, u'あ') + pair, kanaFit - 1},
  };
  for (const Case& c : cases) {
    FakeTranslationView shown;
    TranslationController(shown, ports).open(c.clipboard);
    EXPECT_EQ(shown.shownText, c.clipboard.substr(0, c.kept));
    const bool cut = c.kept < c.clipboard.size();
    EXPECT_EQ(shown.label.empty(), !cut) << c.kept;
    if (cut) {
      EXPECT_NE(shown.label.find(decimalText(static_cast<int64_t>(c.kept))), Text::npos);
    }
    // What was kept can be translated through the shell's long road.
    shown.selected = 13;
    TranslationController(shown, ports).onTranslate();
    EXPECT_TRUE(dialogs.prompts().empty()) << c.kept;
  }
  EXPECT_GT(kanaFit, 3000u);
}

TEST_F(TranslationControllerTest, TooLongATextStaysInTheOpenWindow) {
  view.shownText = Text(20000, u'あ');
  controller.onListKey(ListKey::Enter);
  EXPECT_EQ(dialogs.prompts(), std::vector<Text>{Text(kAddressTooLong)});
  EXPECT_TRUE(view.calls.empty());
}

}  // namespace
}  // namespace pipit::ext
