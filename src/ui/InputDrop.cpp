#include "ui/InputDrop.h"

namespace pipit {

uint32_t inputDropEffect(uint32_t allowed) {
  // Never a move, whatever the keys held: a source that moves by copying
  // and then deleting the original would delete the user's file, of which
  // she only reads the name.
  if (allowed & kDropCopy) return kDropCopy;
  if (allowed & kDropLink) return kDropLink;
  return kDropNone;
}

}  // namespace pipit
