#pragma once
// What her model uses to show the expression of a line: the picture, the
// closed-eyes overlay and the timer that brings her default picture back.
// The blinker implements it; the unit tests watch a fake.
#include "platform/Pictures.h"

namespace pipit {

class ExpressionView {
 public:
  virtual ~ExpressionView() = default;

  // Makes the picture the window's own background picture; null shows no
  // picture at all, so only the balloons and controls remain.
  virtual void setWindowPicture(PictureHandle picture) = 0;
  // The closed-eyes overlay imgEyesClosed.
  virtual void setEyesClosedVisible(bool visible) = 0;
  // Disables and enables StyleTimer so that its interval starts anew.
  virtual void restartStyleTimer() = 0;
};

}  // namespace pipit
