#include "ui/Blinker.h"

namespace pipit {

void Blinker::start() {
  if (started_) return;
  started_ = true;
  if (!paused_) view_.startTimer(TimerId::Visual, kVisualInterval);
}

void Blinker::pause() {
  if (paused_) return;
  paused_ = true;
  if (started_) view_.stopTimer(TimerId::Visual);
}

void Blinker::resume() {
  if (!paused_) return;
  paused_ = false;
  if (started_) view_.startTimer(TimerId::Visual, kVisualInterval);
}

void Blinker::restartStyleTimer() {
  view_.stopTimer(TimerId::Style);
  view_.startTimer(TimerId::Style, kStyleInterval);
}

void Blinker::onTimer(TimerId timer, const ModelSettings& settings) {
  if (timer == TimerId::Style) StyleTimer_Timer();
  if (timer == TimerId::Visual) VisualTimer_Timer(settings);
}

void Blinker::StyleTimer_Timer() {
  view_.stopTimer(TimerId::Style);
  view_.setImageVisible(ImageId::EyesClosed, true);
  pictures_.showDefaultPicture();
}

void Blinker::VisualTimer_Timer(const ModelSettings& settings) {
  ++blinkCount_;
  if (blinkCount_ == kBlinkPeriod) {
    view_.moveImage(ImageId::EyesClosed,
                    pictures_.inWindow(settings.getEyesLeft(), settings.getEyesTop()));
    blinkCount_ = 0;
  } else if (blinkCount_ == 1) {
    view_.moveImage(ImageId::EyesClosed,
                    {pictures_.px(settings.getEyesLeft()), -pictures_.eyesHeight() - 10});
  }
}

}  // namespace pipit
