#include "ui/CharacterPictures.h"

#include <optional>

#include "base/Number.h"
#include "ui/PicturePath.h"

namespace pipit {
namespace {

constexpr TextView kVisualizeLabel = u"InputForm.visualize()";

}  // namespace

void reportWindowFailure(Dialogs& dialogs, Logger& logger, const Failure& failure) {
  dialogs.messageBox(u"メインフォームの初期化に失敗しました。プログラムを終了します。",
                     u"メインフォーム初期化失敗", MessageButtons::Ok, MessageIcon::Critical);
  logger.writeLog(kVisualizeLabel, u"メインフォーム初期化エラー:" + failure.toText(), true);
}

ControlLayout controlLayout(const ModelSettings& s, bool simple, int32_t percent) {
  // Edges are scaled rather than sizes, so that what meets at 100 % meets
  // at every scale.
  auto rect = [percent](int32_t left, int32_t top, int32_t width, int32_t height) {
    const int32_t x = atScale(left, percent);
    const int32_t y = atScale(top, percent);
    return PixelRect{x, y, atScale(left + width, percent) - x, atScale(top + height, percent) - y};
  };
  ControlLayout layout;
  layout.message = rect(s.getTxtLeft(), s.getTxtTop(), s.getTxtWidth(), s.getTxtHeight());
  layout.input = rect(s.getInputLeft(), s.getInputTop(), s.getInputWidth(), 0);
  layout.button = rect(s.getBtnLeft(), s.getBtnTop(), s.getBtnWidth(), s.getBtnHeight());
  layout.buttonCaption = s.getBtnCaption();
  layout.messageVisible = !simple;
  layout.formWidth = atScale(s.getFormWidth(), percent);
  layout.formHeight = atScale(s.getFormHeight(), percent);
  return layout;
}

CharacterPictures::CharacterPictures(const Ports& ports) : ports_(ports) {}

Text CharacterPictures::fixedPicturePath(TextView file) const {
  Text name(ports_.style.isSimple() ? u"model_simple/" : u"model/");
  name += file;
  return resolvePicturePath(ports_.files.programFolder(), name);
}

void CharacterPictures::layOut(const ModelSettings& s) {
  ports_.view.makeColourKeyed();
  // Every picture is tried, so the box below reports a broken model once,
  // with the last failure, rather than stopping at the first.
  std::optional<Failure> failure;
  auto load = [&](TextView file) -> PictureHandle {
    auto loaded = ports_.pictures.load(fixedPicturePath(file));
    if (!loaded) {
      failure = loaded.failure();
      return nullptr;
    }
    return loaded.value();
  };
  if (PictureHandle main = load(u"main.gif")) ports_.view.setWindowPicture(main);
  if (PictureHandle eyes = load(u"eyes_closed.gif")) {
    eyesHeight_ = eyes->height();
    ports_.view.setImage(ImageId::EyesClosed, eyes);
  }
  if (Status icon = ports_.view.loadIcon(fixedPicturePath(u"icon.ico")); !icon)
    failure = icon.failure();
  if (PictureHandle balloon = load(u"balloon_model.gif"))
    ports_.view.setImage(ImageId::BalloonModel, balloon);
  if (PictureHandle balloon = load(u"balloon_user.gif"))
    ports_.view.setImage(ImageId::BalloonUser, balloon);
  if (failure) {
    reportWindowFailure(ports_.dialogs, ports_.logger, *failure);
    ports_.process.exitNow(1);
  }

  ports_.view.moveImage(ImageId::EyesClosed, {px(s.getEyesLeft()), -eyesHeight_ - 4});
  ports_.view.moveImage(ImageId::BalloonModel, inWindow(s.getMbalLeft(), s.getMbalTop()));
  ports_.view.moveImage(ImageId::BalloonUser, inWindow(s.getUbalLeft(), s.getUbalTop()));
  ports_.view.applyLayout(controlLayout(s, ports_.style.isSimple(), ports_.pictures.percent()));
}

void CharacterPictures::showDefaultPicture() {
  auto main = ports_.pictures.load(fixedPicturePath(u"main.gif"));
  if (main) ports_.view.setWindowPicture(main.value());
}

}  // namespace pipit
