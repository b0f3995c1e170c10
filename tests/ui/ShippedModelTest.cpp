// Both shipped models, read from assets/ as the launcher would read them from
// its folder: every response key answers, every picture decodes, and every
// control lies inside the window.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "UiFakes.h"
#include "fakes/FakePictures.h"
#include "fakes/FakePorts.h"
#include "ui/ClockRandom.h"
#include "ui/MessageProvider.h"
#include "ui/PicturePath.h"

namespace pipit {
namespace {

// The assets folder seen as the program folder "C:\Pipit".
class AssetFiles : public fakes::FakeFiles {
 public:
  AssetFiles() { folder = u"C:\\Pipit"; }
  Outcome<std::string> readAll(const Text& path) const override {
    const Text prefix = folder + u"\\";
    if (!startsWith(path, prefix)) return Failure::fileNotFound();
    std::string relative = toUtf8(TextView(path).substr(prefix.size()));
    for (char& c : relative) c = c == '\\' ? '/' : c;
    std::ifstream in(std::string(PIPIT_ASSETS_DIR) + "/" + relative, std::ios::binary);
    if (!in) return Failure::fileNotFound();
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
  }
};

constexpr const char16_t* kResponseKeys[] = {u"CMD/URL",  u"CMD/コマンド実行", u"CMD/SEARCH",
                                             u"CMD/設定", u"CMD/FOCUS",        u"CMD/終了",
                                             u"CMD/不明", u"CMD/エラー"};

class ShippedModelTest : public ::testing::TestWithParam<bool> {
 protected:
  AssetFiles files;
  fakes::FakeClock clock;
  CodePage cp = CodePage::named("CP932");
  Logger logger{files, clock, cp};
  fakes::FakePictures pictures{files};
  fakes::FakeExpressionView view;
  SimpleMode simpleMode;
  ClockRandom random{clock};
  MessageProvider provider{files, pictures, view, simpleMode, random, logger, cp};

  Text style() const { return GetParam() ? u"model_simple/" : u"model/"; }
  PictureHandle fixedPicture(TextView name) {
    auto picture = pictures.load(resolvePicturePath(files.folder, style() + Text(name)));
    EXPECT_TRUE(picture.ok()) << toUtf8(name);
    return picture.ok() ? picture.value() : nullptr;
  }
};

TEST_P(ShippedModelTest, AnswersEveryResponseKeyWithItsOwnPictures) {
  simpleMode.set(GetParam());
  const Status status = provider.loadModel();
  ASSERT_TRUE(status.ok()) << toUtf8(status.failure().toText());
  EXPECT_FALSE(provider.settings().getYobina().empty());
  EXPECT_FALSE(provider.settings().getBtnCaption().empty());

  for (std::size_t i = 0; i < provider.pictureNames().size(); ++i) {
    EXPECT_TRUE(startsWith(provider.pictureNames()[i], style()))
        << toUtf8(provider.pictureNames()[i]);
    EXPECT_NE(provider.picture(i), nullptr);
  }
  for (const char16_t* key : kResponseKeys) {
    for (int draw = 0; draw < 30; ++draw) {
      view.windowPicture = nullptr;
      const Text line = provider.getMessage(key, u"PARAM");
      EXPECT_FALSE(line.empty()) << toUtf8(key);
      EXPECT_NE(view.windowPicture, nullptr) << toUtf8(key);
      for (const char16_t* placeholder : {u"[呼び名]", u"[コマンド]", u"[改行]"}) {
        EXPECT_EQ(line.find(placeholder), Text::npos) << toUtf8(line);
      }
    }
  }
}

TEST_P(ShippedModelTest, EveryControlLiesInsideTheWindow) {
  simpleMode.set(GetParam());
  ASSERT_TRUE(provider.loadModel().ok());
  const ModelSettings& s = provider.settings();
  const int32_t width = s.getFormWidth();
  const int32_t height = s.getFormHeight();
  ASSERT_GT(width, 0);
  ASSERT_GT(height, 0);
  const auto inside = [&](const char* what, int32_t left, int32_t top, int32_t w, int32_t h) {
    EXPECT_TRUE(left >= 0 && top >= 0 && w > 0 && h > 0 && left + w <= width && top + h <= height)
        << what << " at " << left << "," << top << " size " << w << "x" << h << " in " << width
        << "x" << height;
  };
  const PictureHandle main = fixedPicture(u"main.gif");
  const PictureHandle eyes = fixedPicture(u"eyes_closed.gif");
  const PictureHandle modelBalloon = fixedPicture(u"balloon_model.gif");
  const PictureHandle userBalloon = fixedPicture(u"balloon_user.gif");
  EXPECT_NE(fixedPicture(u"icon.ico"), nullptr);
  ASSERT_TRUE(main && eyes && modelBalloon && userBalloon);
  inside("main.gif", 0, 0, main->width(), main->height());
  inside("eyes", s.getEyesLeft(), s.getEyesTop(), eyes->width(), eyes->height());
  inside("model balloon", s.getMbalLeft(), s.getMbalTop(), modelBalloon->width(),
         modelBalloon->height());
  inside("user balloon", s.getUbalLeft(), s.getUbalTop(), userBalloon->width(),
         userBalloon->height());
  if (!GetParam())
    inside("txtMessage", s.getTxtLeft(), s.getTxtTop(), s.getTxtWidth(), s.getTxtHeight());
  inside("InputText", s.getInputLeft(), s.getInputTop(), s.getInputWidth(), 20);
  inside("ExecutionButton", s.getBtnLeft(), s.getBtnTop(), s.getBtnWidth(), s.getBtnHeight());
}

INSTANTIATE_TEST_SUITE_P(BothStyles, ShippedModelTest, ::testing::Values(false, true),
                         [](const auto& test) { return test.param ? "Simple" : "Character"; });

}  // namespace
}  // namespace pipit
