#pragma once
// The index of installed programs for the word list: its thread starts at
// the first need, opens the kanji readings and scans; the readings and each
// list it finds go to the word list on the window's thread, through the
// pump. It stops and joins when it goes, which must be before the word list
// and the pump.
#include <optional>

#include "core/Logger.h"
#include "finding/ProgramIndexThread.h"
#include "platform/EventPump.h"
#include "platform/Files.h"
#include "platform/InstalledPrograms.h"
#include "ui/WordList.h"

namespace pipit {

class ProgramIndex {
 public:
  ProgramIndex(const InstalledPrograms& programs, const Files& files, Logger& logger,
               EventPump& pump, WordList& words)
      : programs_(programs), files_(files), logger_(logger), pump_(pump), words_(words) {}

  // Starts the index the first time; it then keeps the list fresh by itself.
  void start();

 private:
  // On the index's thread: the readings table, or none with a log line.
  NameReadings openReadings();

  const InstalledPrograms& programs_;
  const Files& files_;
  Logger& logger_;
  EventPump& pump_;
  WordList& words_;
  std::optional<ProgramIndexThread> thread_;  // last: stopped and joined first
};

}  // namespace pipit
