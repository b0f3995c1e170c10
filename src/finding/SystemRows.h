#pragma once
// The system's own commands as rows of the input box's list, after the
// programs: each found by its Japanese name (in kana, romaji or by its
// kanji's reading) and by its English names, and whether it asks first.
#include <vector>

#include "base/Text.h"
#include "finding/NameFinder.h"
#include "platform/SystemCommands.h"

namespace pipit {

struct SystemRow {
  SystemCommand command;
  TextView name;      // as the list shows it
  TextView english;   // the names it is found by as well, blank-separated words
  TextView question;  // asked with No as the default; empty for none
};

const std::vector<SystemRow>& systemRows();

// The rows as the finder takes them, the English names as further names.
std::vector<FindableName> systemFindableNames(const NameReadings& readings);

}  // namespace pipit
