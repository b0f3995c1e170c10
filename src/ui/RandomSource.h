#pragma once
// Where the character's choice among her lines gets its chance from; tests
// give a fixed sequence.
namespace pipit {

class RandomSource {
 public:
  virtual ~RandomSource() = default;
  // Uniform in [0, 1), single precision; never 1.
  virtual float nextUnit() = 0;
};

}  // namespace pipit
