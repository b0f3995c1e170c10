#pragma once
// The character window as its logic sees it: a passive surface that shows
// pictures and her line, reports where it stands and runs timers. The Win32
// window implements it; the unit tests watch a fake.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "base/Failure.h"
#include "base/Pixels.h"
#include "base/Text.h"
#include "platform/Pictures.h"
#include "ui/MenuItem.h"

namespace pipit {

// The picture controls that lie over the window picture.
enum class ImageId { EyesClosed, BalloonModel, BalloonUser };
enum class TimerId { Visual = 1, Style = 2 };

// Where the windowed controls go, in pixels from the window's top-left, at
// the window's scale.
struct ControlLayout {
  PixelRect message;  // txtMessage
  PixelRect input;    // InputText; its height is the box's own
  PixelRect button;   // ExecutionButton
  Text buttonCaption;
  bool messageVisible = true;
  int32_t formWidth = 0;  // the window itself
  int32_t formHeight = 0;
};

class CharacterWindowView {
 public:
  virtual ~CharacterWindowView() = default;

  // Pictures. An image control takes its picture's size; null clears it.
  virtual void setWindowPicture(PictureHandle picture) = 0;
  virtual void setImage(ImageId image, PictureHandle picture) = 0;
  virtual void moveImage(ImageId image, PixelPoint topLeft) = 0;
  virtual void setImageVisible(ImageId image, bool visible) = 0;
  // The window icon, also shown in the tray; a failure leaves the old one.
  virtual Status loadIcon(const Text& path) = 0;

  // Pure red shows what lies behind the window and lets clicks through.
  virtual void makeColourKeyed() = 0;
  virtual void applyLayout(const ControlLayout& layout) = 0;

  // The balloon text box txtMessage. The input box is a view of its own
  // (InputBoxView.h).
  virtual void setMessageText(const Text& text) = 0;

  // Shows the window in its normal state and brings it to the front.
  virtual void show() = 0;
  virtual void hide() = 0;
  virtual bool isVisible() const = 0;
  virtual void setTopMost() = 0;
  virtual PixelPoint position() const = 0;
  // Moves the window there while enough of her stays on a monitor to take
  // hold of; one out of reach goes onto the nearest work area instead.
  virtual void moveTo(PixelPoint topLeft) = 0;
  // The dots per inch of the screen she is on: 96 at 100 %, 144 at 150 %.
  // Her model's pixels are drawn and laid out at this scale.
  virtual int32_t dpi() const = 0;
  // 1440 divided by the system's dots per inch, across and down. Stored
  // positions are converted with it, whichever screen she is on.
  virtual double twipsPerPixelX() const = 0;
  virtual double twipsPerPixelY() const = 0;

  // The one hot key of the process (identifier 0).
  virtual bool registerHotKey(uint8_t modifiers, uint8_t key) = 0;
  virtual void unregisterHotKey() = 0;

  virtual void startTimer(TimerId timer, uint32_t milliseconds) = 0;
  virtual void stopTimer(TimerId timer) = 0;

  // Pops up a menu at the pointer, or under the input box for one asked
  // for from the keyboard; the index of the chosen item, if any.
  virtual std::optional<std::size_t> popupMenu(const std::vector<MenuItem>& items,
                                               bool underInput = false) = 0;
};

}  // namespace pipit
