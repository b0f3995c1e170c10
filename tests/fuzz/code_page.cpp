// The code-page conversion at the edges of the programs: settings, models,
// clipboard files and logs in CP932, and the UTF-8 of the web encoders.
#include "FuzzSupport.h"
#include "base/CodePage.h"

using namespace pipit;

namespace {

bool hasUnpairedSurrogate(const Text& text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF) {
      ++i;
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      return true;
    }
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  static const CodePage cp = CodePage::named("CP932");
  const std::string_view bytes = fuzz::bytesOf(data, size);

  // Bytes to text: never more units than bytes, and text that decoded
  // cleanly comes back the same through its own bytes.
  const Text decoded = cp.decode(bytes);
  PIPIT_FUZZ_CHECK(decoded.size() <= bytes.size(), decoded);
  if (decoded.find(u'\uFFFD') == Text::npos) {
    PIPIT_FUZZ_CHECK(cp.decode(cp.encode(decoded)) == decoded, decoded);
  }

  // Text to bytes: at most two bytes a unit, and every unit comes back as
  // one unit, itself or the "?" of a character the code page lacks.
  const Text units = fuzz::unitsOf(data, size);
  const std::string encoded = cp.encode(units);
  PIPIT_FUZZ_CHECK(encoded.size() <= 2 * units.size(), units);
  const Text back = cp.decode(encoded);
  PIPIT_FUZZ_CHECK(back.size() == units.size(), units);

  // UTF-8 both ways where the input is valid.
  const Text fromBytes = fromUtf8(bytes);
  if (fromBytes.find(u'\uFFFD') == Text::npos) {
    PIPIT_FUZZ_CHECK(toUtf8(fromBytes) == bytes, fromBytes);
  }
  if (!hasUnpairedSurrogate(units)) PIPIT_FUZZ_CHECK(fromUtf8(toUtf8(units)) == units, units);
  return 0;
}
