// The calculator: any text. It answers without a crash or a deep recursion,
// a value is finite, and its plain digits read back as the same value.
#include <cmath>
#include <cstdint>

#include "FuzzSupport.h"
#include "finding/Calculator.h"

using namespace pipit;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const Text text = fuzz::unitsOf(data, size);
  const Calculation result = calculate(text);
  if (result.outcome == Calculation::Outcome::value) {
    PIPIT_FUZZ_CHECK(std::isfinite(result.value), text);
    const Text plain = resultText(result.value, DigitGrouping{}, false);
    const Calculation again = calculate(plain);
    // The exponent form ("1e+20") is shown, not read.
    PIPIT_FUZZ_CHECK(
        plain.find(u'e') != Text::npos ||
            again.outcome == Calculation::Outcome::value &&
                std::fabs(again.value - result.value) <= 1e-14 * std::fabs(result.value) + 1e-300,
        plain);
  }
  (void)looksLikeArithmetic(text);
  return 0;
}
