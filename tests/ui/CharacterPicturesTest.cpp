// Her pictures, the layout around them and her blink, against a fake window.
#include <gtest/gtest.h>

#include <tuple>

#include "FakeCharacterWindowView.h"
#include "base/Path.h"
#include "fakes/FakePictures.h"
#include "fakes/FakePorts.h"
#include "fakes/LogRecords.h"
#include "ui/Blinker.h"
#include "ui/CharacterPictures.h"
#include "ui/PicturePath.h"

namespace pipit {
namespace {

class CharacterPicturesTest : public ::testing::Test {
 protected:
  CharacterPicturesTest() { fakes::putModel(files, settings); }

  Text picture(TextView style, TextView file) { return fakes::modelPicture(files, style, file); }

  fakes::FakeFiles files;
  fakes::FakePictures pictures{files};
  fakes::FakeClock clock;
  fakes::FakeDialogs dialogs;
  fakes::FakeProcess process;
  CodePage cp = CodePage::named("CP932");
  Logger logger{files, clock, cp};
  ModelSettings settings;
  fakes::FakeCharacterWindowView view;
  ScaledPictures scaledPictures{pictures, view};
  SimpleMode simpleMode;
  CharacterPictures characterPictures{
      {view, logger, dialogs, process, files, scaledPictures, simpleMode}};
  Blinker blinker{view, characterPictures};
};

TEST_F(CharacterPicturesTest, TheLayoutFollowsHerSettingsAndTheStyle) {
  characterPictures.layOut(settings);
  EXPECT_EQ(view.layout->formWidth, 250);
  EXPECT_TRUE(view.layout->messageVisible);
  EXPECT_EQ(view.imageAt[ImageId::EyesClosed], (PixelPoint{7, -16}));
  EXPECT_FALSE(controlLayout(settings, true).messageVisible) << "the simple style has no line box";
}

TEST_F(CharacterPicturesTest, AMissingStylePictureEndsTheProgramWithItsBoxAndLine) {
  simpleMode.set(true);
  files.content.erase(picture(u"model_simple", u"balloon_user.gif"));
  EXPECT_THROW(characterPictures.layOut(settings), fakes::ProcessExited);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].title, u"メインフォーム初期化失敗");
  EXPECT_EQ(dialogs.shown[0].prompt,
            u"メインフォームの初期化に失敗しました。プログラムを終了します。");
  EXPECT_EQ(fakes::logRecords(files, cp).back(),
            u"InputForm.visualize() メインフォーム初期化エラー:53:ファイルが見つかりません。");
}

// Per dpi, main.gif and main@150.gif ('+' there, '-' missing, '!' damaged):
// the width shown (the set's 61 tells it from main.gif's 40), or the failure.
TEST_F(CharacterPicturesTest, TheModelsOwnFileDecidesAndASetOnlyStandsInForIt) {
  const std::tuple<int32_t, std::string, int32_t> rows[] = {
      {96, "++", 40},  {96, "-+", 53},  {96, "!+", 481},  {144, "++", 61}, {144, "+-", 60},
      {144, "+!", 60}, {144, "-+", 53}, {144, "!+", 481}, {192, "++", 81}, {192, "+!", 80}};
  const Text own = picture(u"model", u"main.gif");
  for (const auto& [dpi, held, expected] : rows) {
    for (const auto& [path, state, width] :
         {std::tuple{own, held[0], 40}, std::tuple{scaledPictureName(own, 150), held[1], 61}}) {
      files.content.erase(path);
      if (state == '+') files.content[path] = fakes::FakePictures::gif(width, 18);
      if (state == '!') files.content[path] = fakes::FakePictures::damagedGif(width, 18);
    }
    view.screenDpi = dpi;
    const auto loaded = scaledPictures.load(own);
    EXPECT_EQ(loaded ? loaded.value()->width() : loaded.failure().number, expected)
        << dpi << " " << held;
  }
}

TEST_F(CharacterPicturesTest, SheBlinksOnceEveryEightyTicksAndHerPictureComesBack) {
  characterPictures.layOut(settings);
  blinker.start();
  blinker.start();
  EXPECT_EQ(view.timers[TimerId::Visual], 50u);
  std::vector<int> closedAt;
  for (int tick = 1; tick <= 161; ++tick) {
    blinker.onTimer(TimerId::Visual, settings);
    if (view.imageAt[ImageId::EyesClosed].y == 30) closedAt.push_back(tick);
  }
  EXPECT_EQ(closedAt, (std::vector<int>{80, 160}));
  EXPECT_EQ(view.imageAt[ImageId::EyesClosed], (PixelPoint{7, -22}));

  blinker.setEyesClosedVisible(false);
  blinker.restartStyleTimer();
  blinker.restartStyleTimer();
  EXPECT_EQ(view.timers[TimerId::Style], 5000u);
  view.windowPicture = nullptr;
  blinker.onTimer(TimerId::Style, settings);
  EXPECT_FALSE(view.timers.count(TimerId::Style));
  EXPECT_TRUE(view.imageVisible[ImageId::EyesClosed]);
  ASSERT_TRUE(view.windowPicture);
}

}  // namespace
}  // namespace pipit
