#pragma once
// What a drag over her input box may do. She takes any drop: the first of
// its files is registered as a command, and a drop without one (text, a
// picture, anything) opens the settings dialog without a path. She never
// takes anything away from where it came from.
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

// The one effect she reports to the source of a drag, of those it allows.
uint32_t inputDropEffect(uint32_t allowed);

}  // namespace pipit
