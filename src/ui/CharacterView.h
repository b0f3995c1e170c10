#pragma once
// The parts of the main window that the character's lines drive. The Win32
// main window implements this; the unit tests watch a fake.
#include "platform/Pictures.h"

namespace pipit {

class CharacterView {
 public:
  virtual ~CharacterView() = default;

  // SimpleMode of the main window: picks the model folder at each load.
  virtual bool isSimpleMode() const = 0;
  // Makes the picture the window's own background picture; null shows no
  // picture at all, so only the balloons and controls remain.
  virtual void setWindowPicture(PictureHandle picture) = 0;
  // The closed-eyes overlay imgEyesClosed.
  virtual void setEyesClosedVisible(bool visible) = 0;
  // Disables and enables StyleTimer so that its interval starts anew.
  virtual void restartStyleTimer() = 0;
};

}  // namespace pipit
