#pragma once
// The index of installed programs for the word list: its thread starts at
// the first need, each list it finds goes to the word list on the window's
// thread, through the pump, and it stops and joins when it goes, which must
// be before the word list and the pump.
#include <optional>

#include "finding/ProgramIndexThread.h"
#include "platform/EventPump.h"
#include "platform/InstalledPrograms.h"
#include "ui/WordList.h"

namespace pipit {

class ProgramIndex {
 public:
  ProgramIndex(const InstalledPrograms& programs, EventPump& pump, WordList& words)
      : programs_(programs), pump_(pump), words_(words) {}

  // Starts the index the first time; it then keeps the list fresh by itself.
  void start();

 private:
  const InstalledPrograms& programs_;
  EventPump& pump_;
  WordList& words_;
  std::optional<ProgramIndexThread> thread_;  // last: stopped and joined first
};

}  // namespace pipit
