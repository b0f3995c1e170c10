// Both shipped models through the real picture decoder, and the decoder's
// answers for files that are no pictures. Takes the assets folder (a Unix
// path) as its argument.
#include <gtest/gtest.h>

#include <cstdio>

#include "UiFakes.h"
#include "WinTestSupport.h"
#include "base/CodePage.h"
#include "core/Logger.h"
#include "fakes/FakePorts.h"
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32Files.h"
#include "platform/win32/Win32Pictures.h"
#include "ui/ClockRandom.h"
#include "ui/MessageProvider.h"
#include "ui/PicturePath.h"

namespace pipit {
namespace {

// Real files, with the assets folder standing in for the program's folder.
class AssetFolderFiles final : public Files {
 public:
  explicit AssetFolderFiles(Text folder) : folder_(std::move(folder)) {}
  Text programFolder() const override { return folder_; }
  Text programName() const override { return u"pipitlauncher"; }
  Outcome<std::string> readAll(const Text& path) const override { return real_.readAll(path); }
  Status append(const Text&, std::string_view) override { return Status::success(); }
  Status replace(const Text&, std::string_view) override { return Status::success(); }

 private:
  Text folder_;
  win32::Win32Files real_;
};

class ModelWineTest : public ::testing::TestWithParam<bool> {
 public:
  static Text& assets() {
    static Text folder;
    return folder;
  }

 protected:
  AssetFolderFiles files{assets()};
  fakes::FakeClock clock;
  Logger logger{files, clock, CodePage::system()};
  win32::Win32Pictures pictures;
  fakes::FakeExpressionView view;
  SimpleMode simpleMode;
  ClockRandom random{clock};
  MessageProvider provider{files, pictures, view, simpleMode, random, logger, CodePage::system()};
};

// The first pixel of a decoded picture as BGRA bytes.
uint32_t topLeftPixel(const Picture& picture) {
  DIBSECTION dib{};
  const auto* real = dynamic_cast<const win32::Win32Picture*>(&picture);
  if (real == nullptr || GetObjectW(real->bitmap(), sizeof(dib), &dib) != sizeof(dib)) return 0;
  return *static_cast<const uint32_t*>(dib.dsBm.bmBits);
}

TEST_P(ModelWineTest, LoadsThroughTheRealDecoder) {
  simpleMode.set(GetParam());
  const Status status = provider.loadModel();
  ASSERT_TRUE(status.ok()) << toUtf8(status.failure().toText());
  ASSERT_FALSE(provider.pictureNames().empty());
  for (std::size_t i = 0; i < provider.pictureNames().size(); ++i) {
    const PictureHandle picture = provider.picture(i);
    ASSERT_NE(picture, nullptr);
    EXPECT_GT(picture->width(), 0);
    EXPECT_GT(picture->height(), 0);
  }
  EXPECT_FALSE(provider.getMessage(u"CMD/FOCUS", u"").empty());
  EXPECT_NE(view.windowPicture, nullptr);

  const Text style = GetParam() ? u"model_simple/" : u"model/";
  for (const char16_t* name :
       {u"main.gif", u"eyes_closed.gif", u"icon.ico", u"balloon_model.gif", u"balloon_user.gif"}) {
    auto picture = pictures.load(resolvePicturePath(assets(), style + name));
    ASSERT_TRUE(picture.ok()) << toUtf8(name) << " " << toUtf8(picture.failure().toText());
    EXPECT_GT(picture.value()->width(), 0);
  }
  // The window picture keeps pure red where the desktop must show through.
  auto main = pictures.load(resolvePicturePath(assets(), style + u"main.gif"));
  ASSERT_TRUE(main.ok());
  EXPECT_EQ(topLeftPixel(*main.value()) & 0xFFFFFFu, 0xFF0000u);
  EXPECT_EQ(main.value()->width(), provider.settings().getFormWidth());
}

INSTANTIATE_TEST_SUITE_P(BothStyles, ModelWineTest, ::testing::Values(false, true),
                         [](const auto& test) { return test.param ? "Simple" : "Character"; });

TEST(Win32PicturesTest, TellsMissingFolderAndCorruptApart) {
  wintest::TempFolder temp;
  wintest::writeFile(temp.file(u"text.gif"), "GIF89a but nothing after it");
  wintest::writeFile(temp.file(u"empty.gif"), "");
  // A sound 2 x 2 header with no pixels after it.
  wintest::writeFile(temp.file(u"cut.bmp"), std::string("BM\0\0\0\0\0\0\0\0"
                                                        "6\0\0\0(\0\0\0\2\0\0\0\2\0\0\0\1\0\x18",
                                                        29) +
                                                std::string(25, '\0'));
  CreateDirectoryW(win32::wide(temp.file(u"folder.gif")), nullptr);
  win32::Win32Pictures pictures;
  const std::pair<const char16_t*, int32_t> cases[] = {
      {u"missing.gif", 53}, {u"nofolder\\x.gif", 53}, {u"folder.gif", 75},
      {u"text.gif", 481},   {u"empty.gif", 481},      {u"cut.bmp", 481},
  };
  for (const auto& [name, number] : cases) {
    auto picture = pictures.load(temp.file(name));
    ASSERT_FALSE(picture.ok()) << toUtf8(name);
    EXPECT_EQ(picture.failure().number, number) << toUtf8(name);
  }
  RemoveDirectoryW(win32::wide(temp.file(u"folder.gif")));
}

// A model drawn for 100 % only, shown at 150 %: made larger on first draw,
// with no pixel between her outline and the key colour.
TEST_P(ModelWineTest, AResizedPictureKeepsTheKeyExact) {
  const Text style = GetParam() ? u"model_simple/" : u"model/";
  auto main = pictures.load(resolvePicturePath(assets(), style + u"main.gif"));
  ASSERT_TRUE(main.ok());
  const int32_t width = main.value()->width() * 3 / 2;
  const int32_t height = main.value()->height() * 3 / 2;
  auto larger = pictures.resize(main.value(), width, height);
  ASSERT_TRUE(larger.ok());
  const auto& real = dynamic_cast<const win32::Win32Picture&>(*larger.value());
  DIBSECTION dib{};
  ASSERT_EQ(GetObjectW(real.bitmap(), sizeof(dib), &dib), static_cast<int>(sizeof(dib)));
  ASSERT_EQ(dib.dsBm.bmWidth, width);
  const auto* pixels = static_cast<const uint32_t*>(dib.dsBm.bmBits);
  int fringe = 0;
  for (int32_t i = 0; i < width * height; ++i) {
    const uint32_t p = pixels[i] & 0xFFFFFF;
    const bool reddish = (p >> 16) > 200 && ((p >> 8) & 0xFF) < 60 && (p & 0xFF) < 60;
    fringe += reddish && p != 0xFF0000;
  }
  EXPECT_EQ(pixels[0] & 0xFFFFFF, 0xFF0000u);
  EXPECT_EQ(fringe, 0);
}

}  // namespace
}  // namespace pipit

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: model_wine_tests <assets folder>\n");
    return 2;
  }
  pipit::ModelWineTest::assets() = pipit::wintest::windowsPath(argv[1]);
  return RUN_ALL_TESTS();
}
