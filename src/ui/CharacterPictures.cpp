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

CharacterPictures::CharacterPictures(const Ports& ports)
    : view_(ports.view),
      logger_(ports.logger),
      dialogs_(ports.dialogs),
      process_(ports.process),
      files_(ports.files),
      pictures_(ports.pictures),
      style_(ports.style) {}

Text CharacterPictures::fixedPicturePath(TextView file) const {
  Text name(style_.isSimple() ? u"model_simple/" : u"model/");
  name += file;
  return resolvePicturePath(files_.programFolder(), name);
}

void CharacterPictures::layOut(const ModelSettings& s) {
  view_.makeColourKeyed();
  // Every picture is tried, so the box below reports a broken model once,
  // with the last failure, rather than stopping at the first.
  std::optional<Failure> failure;
  auto load = [&](TextView file) -> PictureHandle {
    auto loaded = pictures_.load(fixedPicturePath(file));
    if (!loaded) {
      failure = loaded.failure();
      return nullptr;
    }
    return loaded.value();
  };
  if (PictureHandle main = load(u"main.gif")) view_.setWindowPicture(main);
  if (PictureHandle eyes = load(u"eyes_closed.gif")) {
    eyesHeight_ = eyes->height();
    view_.setImage(ImageId::EyesClosed, eyes);
  }
  if (Status icon = view_.loadIcon(fixedPicturePath(u"icon.ico")); !icon) failure = icon.failure();
  if (PictureHandle balloon = load(u"balloon_model.gif"))
    view_.setImage(ImageId::BalloonModel, balloon);
  if (PictureHandle balloon = load(u"balloon_user.gif"))
    view_.setImage(ImageId::BalloonUser, balloon);
  if (failure) {
    reportWindowFailure(dialogs_, logger_, *failure);
    process_.exitNow(1);
  }

  view_.moveImage(ImageId::EyesClosed, {s.getEyesLeft(), -eyesHeight_ - 4});
  view_.moveImage(ImageId::BalloonModel, {s.getMbalLeft(), s.getMbalTop()});
  view_.moveImage(ImageId::BalloonUser, {s.getUbalLeft(), s.getUbalTop()});
  view_.applyLayout(controlLayout(s, style_.isSimple()));
}

void CharacterPictures::showDefaultPicture() {
  auto main = pictures_.load(fixedPicturePath(u"main.gif"));
  if (main) view_.setWindowPicture(main.value());
}

}  // namespace pipit
