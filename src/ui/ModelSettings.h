#pragma once
// The "CONF/" settings of a character model: the form of address, the button
// caption and the layout of the main window in pixels. Values start at 0 and
// empty text; a load only overwrites the keys its file sets.
#include <array>
#include <cstdint>

#include "base/Failure.h"
#include "base/Text.h"

namespace pipit {

class ModelSettings {
 public:
  enum Number {
    EyesLeft,
    EyesTop,
    MbalLeft,
    MbalTop,
    UbalLeft,
    UbalTop,
    TxtLeft,
    TxtTop,
    TxtWidth,
    TxtHeight,
    InputLeft,
    InputTop,
    InputWidth,
    BtnLeft,
    BtnTop,
    BtnWidth,
    BtnHeight,
    FormWidth,
    FormHeight,
    NumberCount
  };

  const Text& getYobina() const { return yobina_; }
  const Text& getBtnCaption() const { return btnCaption_; }
  int32_t getEyesLeft() const { return numbers_[EyesLeft]; }
  int32_t getEyesTop() const { return numbers_[EyesTop]; }
  int32_t getMbalLeft() const { return numbers_[MbalLeft]; }
  int32_t getMbalTop() const { return numbers_[MbalTop]; }
  int32_t getUbalLeft() const { return numbers_[UbalLeft]; }
  int32_t getUbalTop() const { return numbers_[UbalTop]; }
  int32_t getTxtLeft() const { return numbers_[TxtLeft]; }
  int32_t getTxtTop() const { return numbers_[TxtTop]; }
  int32_t getTxtWidth() const { return numbers_[TxtWidth]; }
  int32_t getTxtHeight() const { return numbers_[TxtHeight]; }
  int32_t getInputLeft() const { return numbers_[InputLeft]; }
  int32_t getInputTop() const { return numbers_[InputTop]; }
  int32_t getInputWidth() const { return numbers_[InputWidth]; }
  int32_t getBtnLeft() const { return numbers_[BtnLeft]; }
  int32_t getBtnTop() const { return numbers_[BtnTop]; }
  int32_t getBtnWidth() const { return numbers_[BtnWidth]; }
  int32_t getBtnHeight() const { return numbers_[BtnHeight]; }
  int16_t getFormWidth() const { return static_cast<int16_t>(numbers_[FormWidth]); }
  int16_t getFormHeight() const { return static_cast<int16_t>(numbers_[FormHeight]); }
  int32_t get(Number which) const { return numbers_[which]; }

  // Whether the key (exact, case-sensitive) is one of the settings above.
  static bool isListed(TextView key);
  // Stores the value of a listed key, converted to the key's type: signed
  // 16 bits for the window size, signed 32 bits for the other numbers. A
  // value that does not convert leaves the setting as it was.
  Status set(TextView key, TextView value);

 private:
  Text yobina_;
  Text btnCaption_;
  std::array<int32_t, NumberCount> numbers_{};
};

}  // namespace pipit
