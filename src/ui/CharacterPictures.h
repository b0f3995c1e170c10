#pragma once
// Her pictures of the current style and the window laid out around them:
// main.gif, eyes_closed.gif, icon.ico and the balloons, placed as her model's
// settings say. A model with a picture missing ends the program with a box.
#include <cstdint>

#include "core/Logger.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "platform/Process.h"
#include "ui/CharacterWindowView.h"
#include "ui/ModelSettings.h"
#include "ui/ScaledPictures.h"
#include "ui/SimpleMode.h"

namespace pipit {

// The box and log line when her window cannot be made: at start-up, for the
// window itself, and for a model with a picture missing. The caller ends the
// program.
void reportWindowFailure(Dialogs& dialogs, Logger& logger, const Failure& failure);

// Where the windowed controls go for these settings in this style, at a
// screen scale in percent.
ControlLayout controlLayout(const ModelSettings& settings, bool simple, int32_t percent = 100);

class CharacterPictures {
 public:
  struct Ports {
    CharacterWindowView& view;
    Logger& logger;
    Dialogs& dialogs;
    Process& process;
    const Files& files;
    const ScaledPictures& pictures;
    const SimpleMode& style;
  };

  explicit CharacterPictures(const Ports& ports);

  // Loads every picture of the current style into the window and lays it
  // out, both at the window's scale.
  void layOut(const ModelSettings& settings);
  // Her default picture, read again; a failure leaves her last expression up.
  void showDefaultPicture();
  // Of the closed-eyes picture last loaded: the overlay hides above the window.
  int32_t eyesHeight() const { return eyesHeight_; }
  // A length or position in her model's pixels, in the window's.
  int32_t px(int32_t pixels) const { return ports_.pictures.px(pixels); }
  PixelPoint inWindow(int32_t x, int32_t y) const { return {px(x), px(y)}; }

 private:
  Text fixedPicturePath(TextView file) const;

  Ports ports_;
  int32_t eyesHeight_ = 0;
};

}  // namespace pipit
