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

ControlLayout controlLayout(const ModelSettings& s, bool simple) {
  ControlLayout layout;
  layout.message = {s.getTxtLeft(), s.getTxtTop(), s.getTxtWidth(), s.getTxtHeight()};
  layout.input = {s.getInputLeft(), s.getInputTop(), s.getInputWidth(), 0};
  layout.button = {s.getBtnLeft(), s.getBtnTop(), s.getBtnWidth(), s.getBtnHeight()};
  layout.buttonCaption = s.getBtnCaption();
  layout.messageVisible = !simple;
  layout.formWidth = s.getFormWidth();
  layout.formHeight = s.getFormHeight();
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

  ports_.view.moveImage(ImageId::EyesClosed, {s.getEyesLeft(), -eyesHeight_ - 4});
  ports_.view.moveImage(ImageId::BalloonModel, {s.getMbalLeft(), s.getMbalTop()});
  ports_.view.moveImage(ImageId::BalloonUser, {s.getUbalLeft(), s.getUbalTop()});
  ports_.view.applyLayout(controlLayout(s, ports_.style.isSimple()));
}

void CharacterPictures::showDefaultPicture() {
  auto main = ports_.pictures.load(fixedPicturePath(u"main.gif"));
  if (main) ports_.view.setWindowPicture(main.value());
}

}  // namespace pipit
