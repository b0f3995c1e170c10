// The readings table: any bytes, as a damaged or foreign readings.dat. It is
// refused or read; what it reads, names read through, every reading of a
// word katakana, and the name's own characters kept where no word is.
#include <cstdint>
#include <memory>

#include "FuzzSupport.h"
#include "finding/ReadingTable.h"

using namespace pipit;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  auto table =
      ReadingTable::over(std::make_unique<FileInMemory>(std::string(fuzz::bytesOf(data, size))));
  if (!table) return 0;
  for (const TextView name : {TextView(u"電卓"), TextView(u"リモート デスクトップ接続"),
                              TextView(u"生\xD840\xDC0B"), TextView(u"\xD840")}) {
    for (const auto& stretch : table->readingOf(name)) {
      PIPIT_FUZZ_CHECK(!stretch.empty(), Text(name));
      for (const Text& choice : stretch) PIPIT_FUZZ_CHECK(!choice.empty(), Text(name));
    }
  }
  return 0;
}
