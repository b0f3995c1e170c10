#pragma once
// What a drag over her input box may do. She takes files, to register the
// first one as a command, and text, which opens the settings dialog without
// a file; she never takes anything away from where it came from.
#include <cstdint>

namespace pipit {

// Effects of a drag, with the system's values: the window passes them
// through as they are.
enum DropEffect : uint32_t {
  kDropNone = 0,
  kDropCopy = 1,
  kDropMove = 2,
  kDropLink = 4,
};

// The formats of a drag that she takes.
struct DropOffer {
  bool files = false;
  bool text = false;
};

// The one effect she reports to the source of a drag, of those it allows.
uint32_t inputDropEffect(DropOffer offer, uint32_t allowed);

}  // namespace pipit
