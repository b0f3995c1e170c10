// transweb's window logic against a fake window, browser and shell.
#include <gtest/gtest.h>

#include "ExtensionFakes.h"
#include "extensions/transweb/LanguagePairs.h"
#include "extensions/transweb/TranslationController.h"

namespace pipit::ext {
namespace {

class FakeTranslationView : public TranslationView {
 public:
  Text shownText;
  std::vector<Text> languages;
  int selected = -1;
  std::vector<std::string> calls;
  Text text() const override { return shownText; }
  void setText(const Text& text) override { shownText = text; }
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

TEST_F(TranslationControllerTest, TooLongATextStaysInTheOpenWindow) {
  view.shownText = Text(20000, u'あ');
  controller.onListKey(ListKey::Enter);
  EXPECT_EQ(dialogs.asked, std::vector<Text>{Text(kAddressTooLong)});
  EXPECT_TRUE(view.calls.empty());
}

}  // namespace
}  // namespace pipit::ext
