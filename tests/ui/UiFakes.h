#pragma once
// Her face and the chance as the character's lines see them.
#include <deque>
#include <string>
#include <vector>

#include "ui/ExpressionView.h"
#include "ui/RandomSource.h"

namespace pipit::fakes {

class FakeExpressionView : public ExpressionView {
 public:
  PictureHandle windowPicture;
  int pictureChanges = 0;
  bool eyesVisible = true;
  int timerRestarts = 0;
  std::vector<std::string> calls;  // in order: "picture", "eyes:0", "timer"

  void setWindowPicture(PictureHandle picture) override {
    windowPicture = std::move(picture);
    ++pictureChanges;
    calls.push_back("picture");
  }
  void setEyesClosedVisible(bool visible) override {
    eyesVisible = visible;
    calls.push_back(visible ? "eyes:1" : "eyes:0");
  }
  void restartStyleTimer() override {
    ++timerRestarts;
    calls.push_back("timer");
  }
};

// Hands out the given values in turn, then 0.
class ScriptedRandom : public RandomSource {
 public:
  std::deque<float> values;
  float nextUnit() override {
    if (values.empty()) return 0.0f;
    const float v = values.front();
    values.pop_front();
    return v;
  }
};

}  // namespace pipit::fakes
