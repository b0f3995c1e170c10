// The four companion programs as the launcher starts them, from an install
// folder's "extention\", under Wine.
#include <gtest/gtest.h>

#include <cstdio>

#include "CaptionCheck.h"
#include "CompanionHarness.h"
#include "base/CodePage.h"
#include "base/Number.h"
#include "extensions/transweb/LanguagePairs.h"
#include "extensions/transweb/TranslationController.h"

namespace pipit::wintest {
namespace {

using ext::translatableLength;
using ext::translationAddress;
using ext::TranslationController;
using win32::wide;

const Text kRouteTop = u"https://transit.yahoo.co.jp/";
const Text kOk = u"OK";
const Text kCancel = u"キャンセル";

class CompanionWineTest : public ::testing::Test {
 protected:
  void SetUp() override { install.writeConfig(u"PREF/NEWIE\t0\r\n"); }

  // Runs the program to its end; true when it ended by itself.
  static bool ranToEnd(Companion& program) { return program.waitForExit().has_value(); }
  // Nothing new reaches the browser within a moment after the program ended.
  static bool nothingOpened(const OpenedLog& log) {
    return !waitUntil([&] { return !log.records().empty(); }, std::chrono::seconds(2));
  }

  CompanionInstall install;
  OpenedLog opened;
};

TEST_F(CompanionWineTest, RoutewebOpensTheRouteBetweenTheStationsGiven) {
  Companion routeweb(install, u"routeweb", u"東京\u3000大阪 ");
  EXPECT_TRUE(ranToEnd(routeweb));
  EXPECT_TRUE(opened.waitFor(kRouteTop +
                             u"search/result?from=%E6%9D%B1%E4%BA%AC&to=%E5%A4%A7%E9%98%AA"
                             u"&via=&ei=utf-8"))
      << opened.records().size();
}

TEST_F(CompanionWineTest, RoutewebWithoutStationsAsksBeforeOpeningTheTopPage) {
  {
    Companion routeweb(install, u"routeweb", u"   ");
    const auto box = routeweb.waitForMessageBox();
    ASSERT_TRUE(box);
    EXPECT_EQ(box->title, u"routeweb");
    EXPECT_EQ(box->prompt, u"駅が指定されていません。Yahoo!路線情報のトップページを開きますか？");
    EXPECT_EQ(box->buttons, (std::vector<Text>{kOk, kCancel}));
    answer(*box, IDCANCEL);
    EXPECT_TRUE(ranToEnd(routeweb));
    EXPECT_TRUE(nothingOpened(opened));
  }
  Companion routeweb(install, u"routeweb", u"");
  const auto box = routeweb.waitForMessageBox();
  ASSERT_TRUE(box);
  answer(*box, IDOK);
  EXPECT_TRUE(ranToEnd(routeweb));
  EXPECT_TRUE(opened.waitFor(kRouteTop));
}

TEST_F(CompanionWineTest, DictwebLooksUpTheWholeCommandLineOrAsks) {
  Companion dictweb(install, u"dictweb", u"天気 予報\u3000");
  EXPECT_TRUE(ranToEnd(dictweb));
  EXPECT_TRUE(opened.waitFor(
      u"https://search.yahoo.co.jp/search?p=%E5%A4%A9%E6%B0%97+%E4%BA%88%E5%A0%B1%E3%80%80"));

  OpenedLog later;
  Companion asking(install, u"dictweb", u"");
  const auto box = asking.waitForMessageBox();
  ASSERT_TRUE(box);
  EXPECT_EQ(box->title, u"dictweb");
  EXPECT_EQ(box->prompt,
            u"辞書検索する単語が指定されていません。Yahoo!辞書のトップページを開きますか？");
  answer(*box, IDCANCEL);
  EXPECT_TRUE(ranToEnd(asking));
  EXPECT_TRUE(nothingOpened(later));
}

TEST_F(CompanionWineTest, AnOverlongCommandLineIsRefusedWithAMessage) {
  // As long as a command line can be, with unpaired surrogates in it.
  const Text words = Text(16000, u'駅') + Text(1, char16_t(0xD800)) + u" " + Text(15000, u'x') +
                     Text(1, char16_t(0xDC00));
  Companion routeweb(install, u"routeweb", words);
  const auto box = routeweb.waitForMessageBox();
  ASSERT_TRUE(box);
  EXPECT_EQ(box->prompt,
            u"文字列が長すぎるため、ページを開けませんでした。短くしてやり直してください。");
  answer(*box, IDOK);
  EXPECT_TRUE(ranToEnd(routeweb));
  EXPECT_TRUE(nothingOpened(opened));
}

// Run with the browser automation object unavailable (see the test's
// environment): the page still opens, through the desktop's browser.
TEST_F(CompanionWineTest, WithoutBrowserObjectANewWindowRequestOpensThroughTheShell) {
  install.writeConfig(u"PREF/DEBUG_MODE\t0\r\nPREF/NEWIE\t 1 \r\n");
  Companion dictweb(install, u"dictweb", u"word");
  EXPECT_TRUE(ranToEnd(dictweb));
  EXPECT_TRUE(opened.waitFor(u"https://search.yahoo.co.jp/search?p=word"));
}

TEST_F(CompanionWineTest, TranswebTranslatesTheClipboardTextInThePairChosen) {
  {
    setClipboardText(u"  Good morning  ");
    Companion transweb(install, u"transweb", u"");
    const HWND window = transweb.waitForWindow(L"PipitTranslationWindow");
    ASSERT_TRUE(window);
    EXPECT_EQ(windowText(window), u"翻訳の設定");
    EXPECT_EQ(windowText(childWithClass(window, L"Edit")), u"Good morning");
    // The list has the focus: one step down is "日→英", Enter translates.
    const HWND list = childWithClass(window, L"ComboBox");
    pressKey(list, VK_DOWN);
    pressKey(list, VK_RETURN);
    EXPECT_TRUE(ranToEnd(transweb));
    EXPECT_TRUE(
        opened.waitFor(u"https://www.excite.co.jp/world/english/?before=Good+morning&wb_lp=JAEN"));
  }
  setClipboardText(u"天気\r\n");
  Companion transweb(install, u"transweb", u"");
  const HWND window = transweb.waitForWindow(L"PipitTranslationWindow");
  ASSERT_TRUE(window);
  SendMessageW(childWithClass(window, L"ComboBox"), CB_SETCURSEL, 3, 0);  // "日→中"
  PostMessageW(FindWindowExW(window, nullptr, L"Button", L"翻訳"), BM_CLICK, 0, 0);
  EXPECT_TRUE(ranToEnd(transweb));
  EXPECT_TRUE(opened.waitFor(
      u"https://www.excite.co.jp/world/chinese/?before=%E5%A4%A9%E6%B0%97%0D%0A&wb_lp=JACH"));
}

TEST_F(CompanionWineTest, TranswebOpensAParagraphOfJapaneseWholeAndKeepsTheClipboard) {
  const Text paragraph(900, u'天');
  setClipboardText(paragraph);
  Companion transweb(install, u"transweb", u"");
  const HWND window = transweb.waitForWindow(L"PipitTranslationWindow");
  ASSERT_TRUE(window);
  pressKey(childWithClass(window, L"ComboBox"), VK_RETURN);
  EXPECT_TRUE(ranToEnd(transweb));
  Text address = u"https://www.excite.co.jp/world/english/?before=";
  for (std::size_t i = 0; i < paragraph.size(); ++i) address += u"%E5%A4%A9";  // 天
  address += u"&wb_lp=ENJA";
  ASSERT_GE(address.size(), 8000u);
  EXPECT_TRUE(opened.waitFor(address)) << opened.records().size();
  EXPECT_EQ(clipboardText(), std::optional<Text>(paragraph));
}

TEST_F(CompanionWineTest, TranswebCutsAClipboardNoPageCouldCarryAndSaysSo) {
  // 200 000 characters once kept the window from showing for minutes.
  setClipboardText(Text(200000, u'x'));
  Companion transweb(install, u"transweb", u"");
  const HWND window = transweb.waitForWindow(L"PipitTranslationWindow");
  ASSERT_TRUE(window);
  const Text kept = windowText(childWithClass(window, L"Edit"));
  EXPECT_EQ(kept, Text(TranslationController::kMostShownText, u'x'));
  EXPECT_EQ(windowText(childWithClass(window, L"Static")),
            Text(TranslationController::kCutLabelStart) +
                decimalText(static_cast<int64_t>(kept.size())) +
                Text(TranslationController::kCutLabelEnd));
  pressKey(childWithClass(window, L"ComboBox"), VK_RETURN);
  EXPECT_TRUE(ranToEnd(transweb));
  EXPECT_TRUE(opened.waitFor(translationAddress(kept, 0)));
}

TEST_F(CompanionWineTest, TranswebEndsOnEscapeInTheList) {
  Companion transweb(install, u"transweb", u"");
  const HWND window = transweb.waitForWindow(L"PipitTranslationWindow");
  ASSERT_TRUE(window);
  pressKey(childWithClass(window, L"ComboBox"), VK_ESCAPE);
  EXPECT_TRUE(ranToEnd(transweb));
  EXPECT_TRUE(nothingOpened(opened));
}

TEST_F(CompanionWineTest, TranswebAtEveryScaleIsItsLayoutsSizeAndShowsEveryCaptionWhole) {
  for (const int dpi : {96, 144, 192}) {
    SCOPED_TRACE(dpi);
    const ScreenScale scale(dpi);
    Companion transweb(install, u"transweb", u"");
    const HWND window = transweb.waitForWindow(L"PipitTranslationWindow");
    ASSERT_TRUE(window);
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_NEAR(client.right, MulDiv(5640, dpi, 1440), 1);  // its layout, in twips
    EXPECT_NEAR(client.bottom, MulDiv(2385, dpi, 1440), 1);
    EXPECT_EQ(clippedCaptions(window, dpi, messageFace(dpi)), std::vector<std::string>{});
  }
}

TEST_F(CompanionWineTest, ClipcmdPutsAShiftJisFileOnTheClipboard) {
  TempFolder files;
  const Text folder = files.file(u"my texts");
  CreateDirectoryW(wide(folder), nullptr);
  writeFile(folder + u"\\挨拶.txt", CodePage::system().encode(u"拝啓\r\n一行\r二行\n続き"));
  setClipboardText(u"before");
  Companion clipcmd(install, u"clipcmd", u"\"" + folder + u"\\挨拶.txt\"");
  EXPECT_EQ(clipcmd.waitForExit(), std::optional<DWORD>(0));
  EXPECT_EQ(clipboardText(), std::optional<Text>(u"拝啓\r\n一行\r\n二行\n続き\r\n"));
}

TEST_F(CompanionWineTest, ClipcmdFindsTheShippedSampleWhenStartedElsewhere) {
  const Text sample = install.extensionFolder() + u"\\aisatsu.txt";
  ASSERT_TRUE(CopyFileW(wide(assetsFolder() + u"\\extention\\aisatsu.txt"), wide(sample), FALSE));
  TempFolder elsewhere;  // a logon start's current folder
  setClipboardText(u"before");
  Companion clipcmd(install, u"clipcmd", u"extention\\aisatsu.txt", elsewhere.path());
  EXPECT_EQ(clipcmd.waitForExit(), std::optional<DWORD>(0));
  const Text expected = CodePage::system().decode(readFile(sample));
  EXPECT_EQ(clipboardText(), std::optional<Text>(expected));
}

TEST_F(CompanionWineTest, ClipcmdTellsWhyAndLeavesTheClipboardAlone) {
  TempFolder files;
  struct Case {
    Text argument;
    Text message;
  };
  const Case cases[] = {
      {u"\"\"", u"テキストファイルが指定されませんでした。クリップボードを操作せず終了します"},
      {files.file(u"missing.txt"), u"ファイルが見つかりません。クリップボードを操作せず終了します"},
      {files.path(), u"エラーが発生しました。クリップボードを操作せず終了します"},
      {files.file(u"no folder\\a.txt"),
       u"エラーが発生しました。クリップボードを操作せず終了します"},
  };
  for (const Case& c : cases) {
    setClipboardText(u"keep me");
    Companion clipcmd(install, u"clipcmd", c.argument);
    const auto box = clipcmd.waitForMessageBox();
    ASSERT_TRUE(box) << toUtf8(c.argument);
    EXPECT_EQ(box->title, u"clipcmd");
    EXPECT_EQ(box->prompt, c.message) << toUtf8(c.argument);
    EXPECT_EQ(box->buttons, std::vector<Text>{kOk});
    answer(*box, IDOK);
    EXPECT_TRUE(ranToEnd(clipcmd));
    EXPECT_EQ(clipboardText(), std::optional<Text>(u"keep me")) << toUtf8(c.argument);
  }
}

}  // namespace
}  // namespace pipit::wintest

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (argc < 3) {
    std::fprintf(stderr, "usage: companion_wine_tests <programs folder> <assets folder>\n");
    return 2;
  }
  pipit::wintest::setProgramsFolder(pipit::wintest::windowsPath(argv[1]));
  pipit::wintest::setAssetsFolder(pipit::wintest::windowsPath(argv[2]));
  return RUN_ALL_TESTS();
}
