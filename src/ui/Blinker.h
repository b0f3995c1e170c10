#pragma once
// Her face between lines: she blinks every kBlinkPeriod ticks of
// VisualTimer, and StyleTimer brings her default picture back a while after
// a line showed another one.
#include <cstdint>

#include "ui/CharacterPictures.h"
#include "ui/CharacterWindowView.h"
#include "ui/ExpressionView.h"
#include "ui/ModelSettings.h"

namespace pipit {

class Blinker final : public ExpressionView {
 public:
  static constexpr uint32_t kVisualInterval = 50;
  static constexpr uint32_t kStyleInterval = 5000;
  static constexpr int32_t kBlinkPeriod = 80;  // ticks of VisualTimer per blink

  Blinker(CharacterWindowView& view, CharacterPictures& pictures)
      : view_(view), pictures_(pictures) {}

  // Starts VisualTimer, once however often the window is rebuilt.
  void start();
  // Stops VisualTimer while she is hidden, and starts it again when she is
  // shown, if it was started.
  void pause();
  void resume();
  // The eyes sit where the model's settings put them.
  void onTimer(TimerId timer, const ModelSettings& settings);

  // ExpressionView
  void setWindowPicture(PictureHandle picture) override {
    view_.setWindowPicture(std::move(picture));
  }
  void setEyesClosedVisible(bool visible) override {
    view_.setImageVisible(ImageId::EyesClosed, visible);
  }
  void restartStyleTimer() override;

 private:
  void StyleTimer_Timer();
  void VisualTimer_Timer(const ModelSettings& settings);

  CharacterWindowView& view_;
  CharacterPictures& pictures_;
  int32_t blinkCount_ = 0;
  bool started_ = false;
  bool paused_ = false;
};

}  // namespace pipit
