#include <gtest/gtest.h>

#include <array>

#include "UiFakes.h"
#include "fakes/FakePictures.h"
#include "fakes/FakePorts.h"
#include "ui/ClockRandom.h"
#include "ui/MessageProvider.h"
#include "ui/PicturePath.h"

namespace pipit {
namespace {

const Text kFolder = u"C:\\Tools\\Pipit\\";
const Text kModel = kFolder + u"model\\model.conf";
const Text kSimpleModel = kFolder + u"model_simple\\model.conf";

class MessageProviderTest : public ::testing::Test {
 protected:
  fakes::FakeFiles files;
  fakes::FakeClock clock;
  CodePage cp = CodePage::named("CP932");
  Logger logger{files, clock, cp};
  fakes::FakePictures pictures{files};
  fakes::FakeExpressionView view;
  SimpleMode simpleMode;
  fakes::ScriptedRandom scripted;
  ClockRandom seeded{clock};
  MessageProvider provider{files, pictures, view, simpleMode, scripted, logger, cp};

  MessageProviderTest() {
    for (const char16_t* name : {u"a.gif", u"b.gif", u"c.gif", u"model\\main.gif"}) {
      files.content[kFolder + name] = fakes::FakePictures::gif(10, 20);
    }
  }
  void write(TextView text, const Text& path = kModel) { files.content[path] = cp.encode(text); }
  Status load(TextView text) {
    write(text);
    return provider.loadModel();
  }
  void loadOk(TextView text) {
    const Status status = load(text);
    ASSERT_TRUE(status.ok()) << toUtf8(status.failure().toText());
  }
  Text shownPath() const {
    const auto* p = dynamic_cast<const fakes::FakePicture*>(view.windowPicture.get());
    return p == nullptr ? u"(none)" : p->path;
  }
};

TEST_F(MessageProviderTest, ReadsEverySettingByItsType) {
  loadOk(
      u"CONF/YOBINA\tご主人\r\n"
      u"CONF/BTN_CAPTION\t実行\r\n"
      u"CONF/EYES_LEFT\t1\r\nCONF/EYES_LEFT\t 298 \r\n"
      u"CONF/EYES_TOP\t12.5\r\nCONF/MBAL_LEFT\t13.5\r\nCONF/MBAL_TOP\t-4\r\n"
      u"CONF/UBAL_LEFT\t5\r\nCONF/UBAL_TOP\t6\r\nCONF/TXT_LEFT\t7\r\nCONF/TXT_TOP\t8\r\n"
      u"CONF/TXT_WIDTH\t2147483647\r\nCONF/TXT_HEIGHT\t10\r\nCONF/INPUT_LEFT\t11\r\n"
      u"CONF/INPUT_TOP\t12\r\nCONF/INPUT_WIDTH\t13\r\nCONF/BTN_LEFT\t14\r\nCONF/BTN_TOP\t15\r\n"
      u"CONF/BTN_WIDTH\t16\r\nCONF/BTN_HEIGHT\t17\r\nCONF/FORM_WIDTH\t32767\r\n"
      u"CONF/FORM_HEIGHT\t-32768\textra\r\n"
      u"CMD/FOCUS\ta.gif\tはい\r\n");
  const ModelSettings& s = provider.settings();
  EXPECT_EQ(s.getYobina(), u"ご主人");
  EXPECT_EQ(s.getBtnCaption(), u"実行");
  const std::array<int32_t, ModelSettings::NumberCount> expected = {
      298, 12, 14, -4, 5, 6, 7, 8, 2147483647, 10, 11, 12, 13, 14, 15, 16, 17, 32767, -32768};
  for (int i = 0; i < ModelSettings::NumberCount; ++i) {
    EXPECT_EQ(s.get(static_cast<ModelSettings::Number>(i)), expected[i]) << "setting " << i;
  }
  EXPECT_EQ(s.getFormWidth(), 32767);
  EXPECT_EQ(s.getFormHeight(), -32768);
}

TEST_F(MessageProviderTest, SortsLinesIntoSettingsEntriesAndIgnoredLines) {
  loadOk(
      u"plain words without a tab\r\n"
      u"\r\n"
      u"CONF/UNKNOWN\tvalue\r\n"
      u"CONF/UNKNOWN\r\n"
      u"CONF/\r\n"
      u"conf/YOBINA\ta.gif\tlower case is an entry\r\n"
      u"K\ta.gif\tline with\nlone LF\rK\tb.gif\tafter lone CR\r\n"
      u"K\t\t\r\n"
      u"K\tc.gif");
  EXPECT_EQ(provider.messageLines(),
            (std::vector<Text>{u"conf/YOBINA\ta.gif\tlower case is an entry",
                               u"K\ta.gif\tline with\nlone LF", u"K\tb.gif\tafter lone CR",
                               u"K\t\t", u"K\tc.gif"}));
  EXPECT_EQ(provider.pictureNames(), (std::vector<Text>{u"a.gif", u"b.gif", u"", u"c.gif"}));
  EXPECT_EQ(provider.settings().getYobina(), u"");
}

struct BadModel {
  const char* name;
  const char16_t* text;
  int32_t number;
};

class BadModelTest : public MessageProviderTest, public ::testing::WithParamInterface<BadModel> {};

TEST_P(BadModelTest, FailsWithNumberAndLeavesThePreviousModel) {
  loadOk(u"CONF/YOBINA\t前\r\nCONF/TXT_LEFT\t3\r\nK\ta.gif\t[呼び名]\r\n");
  files.content[kFolder + u"broken.gif"] = "not a picture";
  files.content[kFolder + u"empty.gif"] = "";
  pictures.folders.insert(kFolder + u"dir.gif");

  const Status status = load(GetParam().text);
  ASSERT_FALSE(status.ok());
  EXPECT_EQ(status.failure().number, GetParam().number) << toUtf8(status.failure().toText());
  EXPECT_FALSE(status.failure().description.empty());

  EXPECT_EQ(provider.settings().getYobina(), u"前");
  EXPECT_EQ(provider.settings().getTxtLeft(), 3);
  EXPECT_EQ(provider.getMessage(u"K", u""), u"前");
  EXPECT_EQ(shownPath(), kFolder + u"a.gif");
}

INSTANTIATE_TEST_SUITE_P(
    Each, BadModelTest,
    ::testing::Values(
        BadModel{"NoEntries", u"CONF/YOBINA\t後\r\njust words\r\n", 9},
        BadModel{"EmptyFile", u"", 9},
        BadModel{"ListedKeyWithoutValue", u"CONF/FORM_WIDTH\r\nK\ta.gif\tx\r\n", 9},
        BadModel{"LettersInNumber", u"CONF/TXT_LEFT\tabc\r\nK\ta.gif\tx\r\n", 13},
        BadModel{"DigitsThenLetters", u"CONF/TXT_LEFT\t12px\r\nK\ta.gif\tx\r\n", 13},
        BadModel{"EmptyNumber", u"CONF/TXT_LEFT\t\r\nK\ta.gif\tx\r\n", 13},
        BadModel{"FormWidthAbove16Bits", u"CONF/FORM_WIDTH\t32768\r\nK\ta.gif\tx\r\n", 6},
        BadModel{"NumberAbove32Bits", u"CONF/TXT_WIDTH\t2147483648\r\nK\ta.gif\tx\r\n", 6},
        BadModel{"MissingPicture", u"K\ta.gif\tx\r\nK\tnone.gif\tx\r\n", 53},
        BadModel{"CorruptPicture", u"K\tbroken.gif\tx\r\n", 481},
        BadModel{"EmptyPictureFile", u"K\tempty.gif\tx\r\n", 481},
        BadModel{"PictureIsAFolder", u"K\tdir.gif\tx\r\n", 75}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(MessageProviderTest, TakesAtMost32767Entries) {
  Text text;
  for (int i = 0; i < 32767; ++i) text += u"K\ta.gif\tx\r\n";
  loadOk(text);
  EXPECT_EQ(provider.messageLines().size(), 32767u);
  EXPECT_EQ(pictures.decodeCount[kFolder + u"a.gif"], 1);

  text += u"CONF/YOBINA\tsettings do not count\r\nno tab\r\n";
  loadOk(text);
  text += u"K\ta.gif\tone more\r\n";
  const Status status = load(text);
  ASSERT_FALSE(status.ok());
  EXPECT_EQ(status.failure().number, 6);
}

TEST_F(MessageProviderTest, SettingsAccumulateAcrossLoadsOfEitherStyle) {
  loadOk(u"CONF/YOBINA\tマスター\r\nCONF/TXT_LEFT\t5\r\nCMD/FOCUS\ta.gif\t[呼び名]\r\n");
  simpleMode.set(true);
  EXPECT_EQ(provider.loadModel().failure().number, 53);  // no simple model yet
  write(u"CONF/TXT_LEFT\t9\r\nCMD/終了\tb.gif\tまた[呼び名]\r\n", kSimpleModel);
  ASSERT_TRUE(provider.loadModel().ok());

  EXPECT_EQ(provider.settings().getYobina(), u"マスター");
  EXPECT_EQ(provider.settings().getTxtLeft(), 9);
  EXPECT_EQ(provider.getMessage(u"CMD/FOCUS", u""), u"");  // entries were replaced
  EXPECT_EQ(provider.getMessage(u"CMD/終了", u""), u"またマスター");
  EXPECT_EQ(provider.pictureNames(), std::vector<Text>{u"b.gif"});
}

TEST_F(MessageProviderTest, FillsPlaceholdersInTheirOrder) {
  struct Case {
    const char16_t* yobina;
    const char16_t* text;
    const char16_t* parameter;
    const char16_t* expected;
  };
  const Case cases[] = {
      {u"マスター", u"[呼び名]、今日は[コマンド]ですね[改行]どうぞ", u"メモ帳",
       u"マスター、今日はメモ帳ですね\r\nどうぞ"},
      {u"[コマンド]さん", u"[呼び名]!", u"P", u"Pさん!"},
      {u"君", u"[コマンド]", u"a[改行]b", u"a\r\nb"},
      {u"君", u"[呼び名][呼び名] [名前] [コマンド", u"x", u"君君 [名前] [コマンド"},
      {u"[改行]", u"[呼び名]", u"", u"\r\n"},
  };
  for (const Case& c : cases) {
    loadOk(Text(u"CONF/YOBINA\t") + c.yobina + u"\r\nK\ta.gif\t" + c.text + u"\r\n");
    EXPECT_EQ(provider.getMessage(u"K", c.parameter), c.expected) << toUtf8(c.text);
  }
}

TEST_F(MessageProviderTest, AnyLineHidesTheEyesShowsItsPictureAndRestartsTheTimer) {
  loadOk(u"K\ta.gif\thello\r\nNoText\tb.gif\r\nBlank\t\tnothing to see\r\n");

  EXPECT_EQ(provider.getMessage(u"K", u""), u"hello");
  EXPECT_EQ(view.calls, (std::vector<std::string>{"eyes:0", "picture", "timer"}));
  EXPECT_EQ(shownPath(), kFolder + u"a.gif");

  EXPECT_EQ(provider.getMessage(u"NoText", u"p"), u"");
  EXPECT_EQ(shownPath(), kFolder + u"b.gif");

  EXPECT_EQ(provider.getMessage(u"Blank", u""), u"nothing to see");
  EXPECT_EQ(view.windowPicture, nullptr);
  EXPECT_EQ(view.pictureChanges, 3);

  // Keys that are not an entry key exactly leave the picture alone.
  for (const char16_t* key : {u"k", u"", u"Bla", u"NoTex", u"K\ta.gif\thello"}) {
    view.calls.clear();
    EXPECT_EQ(provider.getMessage(key, u"x"), u"") << toUtf8(key);
    EXPECT_EQ(view.calls, (std::vector<std::string>{"eyes:0", "timer"})) << toUtf8(key);
  }
  EXPECT_EQ(view.timerRestarts, 8);
}

TEST_F(MessageProviderTest, KeyWithTabMatchesLikeTheWholeLineScan) {
  loadOk(u"A\tb.gif\tC\r\nA\ta.gif\tplain\r\n");
  EXPECT_EQ(provider.getMessage(u"A\tb.gif", u""), u"C");
  EXPECT_EQ(shownPath(), kFolder + u"b.gif");
}

TEST_F(MessageProviderTest, EachPictureIsDecodedOncePerLoadFromTheProgramFolder) {
  Text text;
  for (int i = 0; i < 10; ++i) text += u"K\tmodel/main.gif\tx\r\n";
  loadOk(text);
  EXPECT_EQ(provider.pictureNames(), std::vector<Text>{u"model/main.gif"});
  EXPECT_EQ(pictures.decodeCount, (std::map<Text, int>{{kFolder + u"model\\main.gif", 1}}));
  for (int i = 0; i < 5; ++i) provider.getMessage(u"K", u"");
  EXPECT_EQ(pictures.decodeCount[kFolder + u"model\\main.gif"], 1);
}

TEST(PicturePathTest, RelativeNamesComeFromTheProgramFolder) {
  const std::pair<const char16_t*, const char16_t*> cases[] = {
      {u"model/main.gif", u"C:\\P\\model\\main.gif"},
      {u"x.gif", u"C:\\P\\x.gif"},
      {u"..\\pics\\x.gif", u"C:\\P\\..\\pics\\x.gif"},
      {u"D:\\pics\\x.gif", u"D:\\pics\\x.gif"},
      {u"d:/pics/x.gif", u"d:/pics/x.gif"},
      {u"\\\\server\\share\\x.gif", u"\\\\server\\share\\x.gif"},
      {u"\\root.gif", u"\\root.gif"},
  };
  for (const auto& [name, expected] : cases) {
    EXPECT_EQ(resolvePicturePath(u"C:\\P", name), expected) << toUtf8(name);
  }
  EXPECT_EQ(resolvePicturePath(u"C:\\", u"a.gif"), u"C:\\a.gif");
}

TEST(RemoveDuplicatesTest, KeepsFirstOccurrencesInOrder) {
  using List = std::vector<Text>;
  EXPECT_EQ(MessageProvider::removeDuplicates({}), List{});
  EXPECT_EQ(MessageProvider::removeDuplicates({u"b", u"a", u"b", u"A", u"", u"a", u""}),
            (List{u"b", u"a", u"A", u""}));
}

TEST_F(MessageProviderTest, RandomIndexRoundsHalvesToEven) {
  const struct {
    float r;
    int16_t maxIndex;
    int16_t expected;
  } cases[] = {
      {0.25f, 2, 0}, {0.75f, 2, 2}, {0.2499f, 2, 0}, {0.2501f, 2, 1},
      {0.7f, 2, 1},  {0.5f, 1, 0},  {0.0f, 9, 0},    {0.9999999f, 32766, 32766},
      {0.3f, 0, 0},
  };
  for (const auto& c : cases) {
    scripted.values = {c.r};
    EXPECT_EQ(provider.getRandomIndex(c.maxIndex), c.expected) << c.r << " x " << c.maxIndex;
  }
}

TEST_F(MessageProviderTest, ChoosesEndsHalfAsOftenAsTheMiddle) {
  MessageProvider chance{files, pictures, view, simpleMode, seeded, logger, cp};
  write(
      u"Three\ta.gif\t1\r\nThree\ta.gif\t2\r\nThree\ta.gif\t3\r\nTwo\ta.gif\tx\r\nTwo\ta.gif\ty\r\n"
      u"One\ta.gif\tonly\r\n");
  ASSERT_TRUE(chance.loadModel().ok());
  clock.ticks = 123456;  // the clock stands still: only the generator moves on
  const int draws = 40000;
  std::map<Text, int> seen;
  for (int i = 0; i < draws; ++i) {
    ++seen[chance.getMessage(u"Three", u"")];
    ++seen[chance.getMessage(u"Two", u"")];
    ++seen[chance.getMessage(u"One", u"")];
  }
  const auto share = [&](const char16_t* text) { return seen[text] / double(draws); };
  EXPECT_NEAR(share(u"1"), 0.25, 0.015);
  EXPECT_NEAR(share(u"2"), 0.50, 0.015);
  EXPECT_NEAR(share(u"3"), 0.25, 0.015);
  EXPECT_NEAR(share(u"x"), 0.50, 0.015);
  EXPECT_NEAR(share(u"y"), 0.50, 0.015);
  EXPECT_EQ(seen[u"only"], draws);
}

// The shipped model is Shift-JIS, and reads so on any system.
TEST_F(MessageProviderTest, AShiftJisModelReadsOnAWesternSystem) {
  MessageProvider western{
      files, pictures, view, simpleMode, scripted, logger, CodePage::named("CP1252")};
  write(u"CONF/YOBINA\tご主人\r\nCMD/FOCUS\ta.gif\tなんでも\r\n");
  ASSERT_TRUE(western.loadModel().ok());
  EXPECT_EQ(western.settings().getYobina(), u"ご主人");
}

}  // namespace
}  // namespace pipit
